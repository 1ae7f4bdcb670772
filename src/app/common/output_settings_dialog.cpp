#include "app/common/output_settings_dialog.h"
#include "app/common/widgets.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <utility>

#include "app/common/qt_text.h"
#include "app/common/window_texts.h"
#include "app/info/web_pages.h"
#include "fileindex/file_index_design.h"
#include "settings/run_options.h"

namespace lexorim::app {

OutputSettingsDialog::OutputSettingsDialog(AppContext& context, QWidget* parent)
    : SettingsDialog(context, "Teinstausgabe", parent,
                     {{"GroupBox2",
                       {{"Label5"},
                        {"rb_ansi"},
                        {"rb_utf7"},
                        {"rb_utf7ansi"},
                        {"rb_utf8"},
                        {"rb_utf8bom"},
                        {"rb_beibehalten"},
                        {"rb_utf16le"},
                        {"rb_utf_be"},
                        {"rb_utf32le"},
                        {"rb_utf32be"},
                        {"jazubom"}}},
                      {"GroupBox1", {{"Label6"}, {"Edit1"}}}}) {
    auto* row = new QHBoxLayout;
    auto* fontButton = new QPushButton(this);
    fontButton->setObjectName(QStringLiteral("BitBtn6"));
    fontShown_ = new QLabel(this);
    fontShown_->setObjectName(QStringLiteral("Label3"));
    auto* colorButton = new QPushButton(this);
    colorButton->setObjectName(QStringLiteral("BitBtn1"));
    row->addWidget(fontButton);
    row->addWidget(fontShown_, 1);
    row->addWidget(colorButton);
    static_cast<QVBoxLayout*>(RequireChild<QGroupBox>(this, "GroupBox1")->layout())->addLayout(row);
    // Each information label with the address it names below it, under the encodings.
    auto* encodings =
        static_cast<QVBoxLayout*>(RequireChild<QGroupBox>(this, "GroupBox2")->layout());
    for (const auto& [label, link] : {std::pair{"Label4", "Link4"}, std::pair{"Label1", "Link1"}}) {
        auto* text = new QLabel(this);
        text->setObjectName(QString::fromLatin1(label));
        auto* address = new QLabel(this);
        address->setObjectName(QString::fromLatin1(link));
        address->setTextInteractionFlags(Qt::TextBrowserInteraction);
        connect(address, &QLabel::linkActivated, this, [](const QString& caption) {
            DesktopWebPageOpener()(QUrl(WebAddressFromCaption(caption, LinkOrigin::InfoPage)));
        });
        encodings->addWidget(text);
        encodings->addWidget(address);
    }
    Finish(false);
    colorEdit_ = RequireChild<QLineEdit>(this, "Edit1");
    connect(fontButton, &QPushButton::clicked, this, &OutputSettingsDialog::ChooseFont);
    connect(colorButton, &QPushButton::clicked, this, &OutputSettingsDialog::ChooseColor);
    connect(colorEdit_, &QLineEdit::textChanged, this, &OutputSettingsDialog::ShowBackgroundColor);
    ShowBackgroundColor();
}

void OutputSettingsDialog::ApplyTexts() {
    SettingsDialog::ApplyTexts();
    for (const auto& [link, page] :
         {std::pair{"Link4", WebPage::Encodings}, std::pair{"Link1", WebPage::ByteOrderMark}}) {
        if (auto* address = RequireChild<QLabel>(this, link)) {
            const QString caption = WebPageCaption(page, context_.language);
            address->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(caption.toHtmlEscaped()));
        }
    }
    if (fontShown_ != nullptr) {
        const PictureStyle& font = context_.pictureFont;
        fontShown_->setText(QStringLiteral("%1: %2, %3 px")
                                .arg(WindowQText("Teinstausgabe", "Label3", context_.language),
                                     QString::fromStdString(font.fontFamily))
                                .arg(font.pixelSize));
    }
}

void OutputSettingsDialog::ChooseFont() {
    PictureStyle& style = context_.pictureFont;
    QFont current(QString::fromStdString(style.fontFamily));
    current.setPixelSize(style.pixelSize);
    current.setBold(style.bold);
    current.setItalic(style.italic);
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, current, this);
    if (!chosen)
        return;
    style.fontFamily = font.family().toStdString();
    style.pixelSize = font.pixelSize() > 0 ? font.pixelSize() : font.pointSize() * 4 / 3;
    style.bold = font.bold();
    style.italic = font.italic();
    ApplyTexts();
}

void OutputSettingsDialog::ChooseColor() {
    const uint32_t rgb = ParseHtmlColor(ToText(colorEdit_->text())).value_or(0xFFFFFF);
    const QColor color = QColorDialog::getColor(QColor::fromRgb(rgb), this);
    if (!color.isValid())
        return;
    colorEdit_->setText(ToQString(
        FormatHtmlColour({static_cast<uint8_t>(color.red()), static_cast<uint8_t>(color.green()),
                          static_cast<uint8_t>(color.blue())})));
}

void OutputSettingsDialog::ShowBackgroundColor() {
    const std::optional<uint32_t> rgb = ParseHtmlColor(ToText(colorEdit_->text()));
    if (!rgb)
        return;  // other input leaves the colour as it was
    const int red = (*rgb >> 16) & 0xFF, green = (*rgb >> 8) & 0xFF, blue = *rgb & 0xFF;
    const bool light = red + green + blue >= 500;
    colorEdit_->setStyleSheet(QStringLiteral("QLineEdit { background: #%1; color: %2; }")
                                  .arg(*rgb, 6, 16, QLatin1Char('0'))
                                  .arg(light ? QStringLiteral("black") : QStringLiteral("white")));
}

}  // namespace lexorim::app
