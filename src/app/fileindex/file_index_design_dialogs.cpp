#include "app/fileindex/file_index_design_dialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/common/error_display.h"
#include "app/common/mnemonics.h"
#include "app/common/qt_text.h"
#include "app/common/widgets.h"
#include "fileindex/file_index_design.h"

namespace lexorim::app {

namespace {

RgbColour ToRgb(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return {static_cast<uint8_t>(rgb.red()), static_cast<uint8_t>(rgb.green()),
            static_cast<uint8_t>(rgb.blue())};
}

QString FormatColour(const QColor& colour) {
    return ToQString(FormatHtmlColour(ToRgb(colour)));
}

std::optional<QColor> ParseColour(const QString& text) {
    const std::optional<RgbColour> rgb = ParseHtmlColour(ToText(text));
    if (!rgb)
        return std::nullopt;
    return QColor(rgb->red, rgb->green, rgb->blue);
}

QString NotAColourMessage(const QString& text, Language language) {
    return language == Language::German
               ? QStringLiteral(
                     "\"%1\" ist keine gültige Farbe. Eine Farbe wird als #RRGGBB "
                     "angegeben (je zwei hexadezimale Ziffern für Rot, Grün und Blau).")
                     .arg(text)
               : QStringLiteral(
                     "\"%1\" is not a valid colour. A colour is written as #RRGGBB (two "
                     "hexadecimal digits each for red, green and blue).")
                     .arg(text);
}

// The row of a group box that holds `widget`, to put more widgets beside it.
QHBoxLayout* RowOf(QWidget* widget) {
    auto* group = qobject_cast<QWidget*>(widget->parentWidget());
    QLayout* column = group != nullptr ? group->layout() : nullptr;
    for (int i = 0; column != nullptr && i < column->count(); ++i) {
        if (auto* row = qobject_cast<QHBoxLayout*>(column->itemAt(i)->layout());
            row != nullptr && row->indexOf(widget) >= 0)
            return row;
    }
    qFatal("The control %s is not in a row of its group", qPrintable(widget->objectName()));
}

// The group boxes side by side in two columns, so that the dialog fits on a small screen.
void ArrangeInColumns(QVBoxLayout* content, QWidget* dialog,
                      const std::vector<std::vector<const char*>>& columns) {
    auto* grid = new QHBoxLayout;
    for (const std::vector<const char*>& names : columns) {
        auto* column = new QVBoxLayout;
        for (const char* name : names) {
            auto* group = RequireChild<QGroupBox>(dialog, name);
            content->removeWidget(group);
            column->addWidget(group);
        }
        column->addStretch();
        grid->addLayout(column, 1);
    }
    content->insertLayout(0, grid);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Ttextdesign.

FileTextDesignDialog::FileTextDesignDialog(AppContext& context, QWidget* parent)
    : SettingsDialog(context, "Ttextdesign", parent,
                     {{"gb1", {{"titel"}, {"kt_alphabet"}}},
                      {"gb2", {{"namen"}, {"links"}}},
                      {"gb3", {{"s"}, {"es"}, {"b"}, {"bl"}, {"l"}}}}) {
    preview_ = Named<QLabel>(this, "beispiel");
    preview_->setWordWrap(true);
    preview_->setTextFormat(Qt::PlainText);
    contentLayout()->addWidget(preview_);
    Finish(false);
    for (const char* name : {"s", "es", "b", "bl", "l"}) {
        connect(RequireChild<QLineEdit>(this, name), &QLineEdit::textChanged, this,
                &FileTextDesignDialog::UpdatePreview);
    }
    for (const char* name : {"namen", "links"}) {
        connect(RequireChild<QCheckBox>(this, name), &QCheckBox::toggled, this,
                &FileTextDesignDialog::UpdatePreview);
    }
    UpdatePreview();
}

void FileTextDesignDialog::ApplyTexts() {
    SettingsDialog::ApplyTexts();
    if (preview_ != nullptr)
        UpdatePreview();
}

void FileTextDesignDialog::UpdatePreview() {
    const auto text = [this](const char* name) {
        return ToText(RequireChild<QLineEdit>(this, name)->text());
    };
    FileTextDesign design;
    design.names = RequireChild<QCheckBox>(this, "namen")->isChecked();
    design.links = RequireChild<QCheckBox>(this, "links")->isChecked();
    design.betweenReferences = text("s");
    design.afterWord = text("es");
    design.beforeName = text("b");
    design.beforeLink = text("bl");
    design.afterLink = text("l");
    preview_->setText(ToQString(TextDesignPreview(design, context_.language)));
}

// ---------------------------------------------------------------------------------------------
// Picking a colour from the screen.

QColor ScreenPixel(const QPoint& globalPosition) {
    QScreen* screen = QGuiApplication::screenAt(globalPosition);
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QPoint onScreen = globalPosition - screen->geometry().topLeft();
    const QPixmap pixel = screen->grabWindow(0, onScreen.x(), onScreen.y(), 1, 1);
    if (pixel.isNull())
        return {};
    return pixel.toImage().pixelColor(0, 0);
}

ColourSwatch::ColourSwatch(QWidget* parent, const char* name) : QFrame(parent) {
    setObjectName(QString::fromLatin1(name));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setFixedSize(40, 22);
}

void ColourSwatch::SetColour(const QColor& colour) {
    colour_ = colour;
    QPalette shown = palette();
    shown.setColor(QPalette::Window, colour);
    setPalette(shown);
}

void ColourSwatch::mousePressEvent(QMouseEvent* event) {
    picking_ = true;
    lastPicked_ = QColor();
    // With the mouse grabbed the swatch hears every movement, also over other programs.
    grabMouse(Qt::CrossCursor);
    event->accept();
}

void ColourSwatch::mouseMoveEvent(QMouseEvent* event) {
    if (!picking_)
        return;
    const QColor colour = pixels_(event->globalPosition().toPoint());
    if (!colour.isValid())
        return;
    lastPicked_ = colour;
    SetColour(colour);
    emit picked(colour);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (!picking_)
        return;
    picking_ = false;
    releaseMouse();
    if (lastPicked_.isValid())
        SetColour(lastPicked_);
    event->accept();
}

// ---------------------------------------------------------------------------------------------
// Thdesign.

HtmlDesignDialog::HtmlDesignDialog(AppContext& context, QWidget* parent)
    : SettingsDialog(
          context, "Thdesign", parent,
          {{"gb1", {{"kt_alphabet"}, {"linkleiste"}, {"LinkTrenner"}}},
           {"gb2", {{"schriftart"}, {"ft1"}, {"ft2"}, {"ftt"}}},
           {"gb3", {{"breite_all"}, {"breite_links"}, {"breite_rechts"}, {"breite_top"}}},
           {"gb4", {{"abs_linksrechts"}, {"abs_zwabschnitt"}, {"abs_obenunten"}, {"abs_zwtext"}}},
           {"gb5", {{"htmltitel"}, {"Ueberschrift"}}},
           {"gb7", {{"farbe_text"}, {"farbe_links"}, {"farbe_hg"}}}}),
      chooser_([](const QColor& current, QWidget* owner) {
          return QColorDialog::getColor(current, owner);
      }) {
    ArrangeInColumns(contentLayout(), this, {{"gb1", "gb2", "gb5"}, {"gb3", "gb4", "gb7"}});
    // The sizes are the same numbers in both languages.
    const QStringList sizes = {QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"),
                               QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13"),
                               QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
                               QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24"),
                               QStringLiteral("26"), QStringLiteral("28"), QStringLiteral("30")};
    for (const char* name : {"ft1", "ft2", "ftt"})
        RequireChild<QComboBox>(this, name)->addItems(sizes);
    AddColourField("farbe_text", "pafa_text", "FarbwahlText");
    AddColourField("farbe_links", "pafa_links", "FarbwahlLinks");
    AddColourField("farbe_hg", "pafa_hg", "FarbwahlHG");
    Finish(false);
    connect(RequireChild<QLineEdit>(this, "LinkTrenner"), &QLineEdit::textChanged, this,
            &HtmlDesignDialog::UpdateSeparatorLabel);
    for (auto& [name, field] : colours_) {
        ColourField* shown = &field;
        connect(field.edit, &QLineEdit::textChanged, this, [this, shown] { ShowColour(*shown); });
        connect(field.edit, &QLineEdit::editingFinished, this,
                [this, shown] { ReportBadColour(*shown); });
        ShowColour(field);
    }
}

void HtmlDesignDialog::AddColourField(const char* field, const char* swatch, const char* button) {
    auto* edit = RequireChild<QLineEdit>(this, field);
    QHBoxLayout* row = RowOf(edit);
    auto* panel = new ColourSwatch(edit->parentWidget(), swatch);
    auto* choose = Named<QPushButton>(edit->parentWidget(), button);
    choose->setText(QStringLiteral("..."));
    choose->setAutoDefault(false);
    choose->setFixedWidth(choose->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    row->addWidget(panel);
    row->addWidget(choose);
    ColourField& added = colours_[QString::fromLatin1(field)];
    added = {edit, panel, {}};
    ColourField* shown = &added;
    connect(choose, &QPushButton::clicked, this, [this, shown] { ChooseColour(*shown); });
    connect(panel, &ColourSwatch::picked, this,
            [shown](const QColor& colour) { shown->edit->setText(FormatColour(colour)); });
}

void HtmlDesignDialog::ApplyTexts() {
    SettingsDialog::ApplyTexts();
    if (!colours_.empty())
        UpdateSeparatorLabel();
}

void HtmlDesignDialog::SetPixelSource(const PixelSource& source) {
    for (auto& [name, field] : colours_)
        field.swatch->SetPixelSource(source);
}

void HtmlDesignDialog::accept() {
    // Any text is kept, since the page may understand a colour name; the user only hears that
    // the program cannot show it.
    for (auto& [name, field] : colours_)
        ReportBadColour(field);
    SettingsDialog::accept();
}

void HtmlDesignDialog::ShowColour(ColourField& field) {
    if (const std::optional<QColor> colour = ParseColour(field.edit->text()))
        field.swatch->SetColour(*colour);
    if (field.edit->text() != field.reported)
        field.reported.clear();
}

void HtmlDesignDialog::ReportBadColour(ColourField& field) {
    const QString text = field.edit->text();
    if (ParseColour(text) || text == field.reported)
        return;
    field.reported = text;
    ShowError(this, NotAColourMessage(text, context_.language));
}

void HtmlDesignDialog::ChooseColour(ColourField& field) {
    const QColor chosen = chooser_(field.swatch->colour(), this);
    if (chosen.isValid())
        field.edit->setText(FormatColour(chosen));
}

void HtmlDesignDialog::UpdateSeparatorLabel() {
    auto* label = RequireChild<QLabel>(this, "LinkTrenner_label");
    const Text separator = ToText(RequireChild<QLineEdit>(this, "LinkTrenner")->text());
    QString caption = ToQString(LinkSeparatorLabel(separator, context_.language));
    // The label names its box for the keyboard, so an "&" of the value must stay a character.
    label->setText(caption.replace(u'&', QStringLiteral("&&")));
    AssignMnemonics(this);
}

}  // namespace lexorim::app
