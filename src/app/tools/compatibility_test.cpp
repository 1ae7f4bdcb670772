#include "app/tools/compatibility_test.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/common/error_display.h"
#include "app/common/file_dialogs.h"
#include "app/common/qt_text.h"
#include "app/common/widgets.h"
#include "app/common/window_texts.h"
#include "settings/languages.h"
#include "textfiles/document_layout.h"
#include "textfiles/word_documents.h"

namespace lexorim::app {

namespace {

constexpr const char* kWindow = "Tzusatzfunktion";

}  // namespace

QString ReadersDescription(Language language) {
    const bool german = language == Language::German;
    const std::optional<std::string> office = FindLayoutProgram();
    QString text = german ? QStringLiteral(
                                "Dieses Programm liest Textdateien in jeder "
                                "Kodierung, HTML und PDF selbst.")
                          : QStringLiteral(
                                "This program reads text files in any encoding, "
                                "HTML and PDF itself.");
    text += u' ';
    if (office) {
        text += (german ? QStringLiteral("DOC, DOCX, ODT und RTF legt LibreOffice in Seiten um "
                                         "(gefunden: %1).")
                        : QStringLiteral("DOC, DOCX, ODT and RTF are laid out in pages by "
                                         "LibreOffice (found: %1)."))
                    .arg(QString::fromStdString(*office));
    } else {
        text += german ? QStringLiteral(
                             "LibreOffice wurde nicht gefunden: DOCX und ODT werden "
                             "ohne Umbruch gelesen (die Seiten sind ungefähr), DOC "
                             "nur mit antiword, RTF gar nicht.")
                       : QStringLiteral(
                             "LibreOffice was not found: DOCX and ODT are read "
                             "without layout (the pages are approximate), DOC only "
                             "with antiword, RTF not at all.");
    }
    return text;
}

CompatibilityTestWindow::CompatibilityTestWindow(AppContext& context, QWidget* parent)
    : Translated<QDialog>(parent), context_(context) {
    setObjectName(QString::fromLatin1(kWindow));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    auto* page = Named<QWidget>(nullptr, "word");
    tabs->addTab(page, QString());
    layout->addWidget(tabs);
    auto* grid = new QGridLayout(page);
    auto* instruction = Named<QLabel>(page, "StaticText3");
    instruction->setWordWrap(true);
    grid->addWidget(instruction, 0, 0, 1, 2);
    path_ = Named<QLineEdit>(page, "edit_quelle");
    open_ = Named<QPushButton>(page, "bttxtquelle");
    grid->addWidget(path_, 1, 0);
    grid->addWidget(open_, 1, 1);
    original_ = Named<QPlainTextEdit>(page, "original");
    original_->setReadOnly(true);
    original_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    grid->addWidget(original_, 2, 0, 1, 2);
    verdict_ = Named<QLabel>(page, "Label5");
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    verdict_->setStyleSheet(QStringLiteral("color: #1d7a31;"));
    grid->addWidget(verdict_, 3, 0, 1, 2);
    readers_ = Named<QLabel>(page, "readers");
    readers_->setWordWrap(true);
    grid->addWidget(readers_, 4, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);

    connect(open_, &QPushButton::clicked, this, &CompatibilityTestWindow::Browse);
    connect(path_, &QLineEdit::returnPressed, this, [this] { TestFile(path_->text()); });
    resize(620, 460);
    ApplyTexts();
}

void CompatibilityTestWindow::ApplyTexts() {
    const Language language = context_.language;
    ApplyWindowTexts(this, kWindow, language);
    auto* tabs = findChild<QTabWidget*>();
    tabs->setTabText(0, WindowQText(kWindow, "word", language));
    setWindowTitle(WindowQText(kWindow, "word", language));
    RequireChild<QLabel>(this, "StaticText3")
        ->setText(WindowQText(kWindow, "StaticText3", language));
    readers_->setText(ReadersDescription(language));
    // The verdict is in the language of the moment it was given.
    if (!verdict_->text().isEmpty())
        verdict_->setText(WindowQText(kWindow, "Label5", language, ui::TextRole::Message));
}

void CompatibilityTestWindow::Open() {
    readers_->setText(ReadersDescription(context_.language));
    show();
    raise();
    activateWindow();
}

void CompatibilityTestWindow::Browse() {
    const QString path = ChooseFileToOpen(this, "Tprog", "OpenDatei", context_.language);
    if (path.isEmpty())
        return;
    path_->setText(path);
    TestFile(path);
}

void CompatibilityTestWindow::TestFile(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile() || worker_.isRunning())
        return;
    original_->clear();
    verdict_->clear();
    open_->setEnabled(false);
    // Any path is read as a document, whatever its extension, as the index reads documents.
    worker_.Start<Text>(
        [file = ToPath(path), language = context_.language](const RunProgress& progress) {
            ReadContext read;
            read.language = language;
            read.cancel = progress.cancel;
            return ReadWordDocument(file, 2, read);
        },
        [this](Text text) {
            ShowPages(text);
            open_->setEnabled(true);
            emit testFinished();
        },
        [this](const RunFailure& failure) {
            open_->setEnabled(true);
            if (!failure.cancelled)
                ShowMessage(this, failure.error);
            emit testFinished();
        });
}

void CompatibilityTestWindow::ShowPages(const Text& text) {
    original_->setPlainText(ToQString(text));
    if (!text.empty())
        verdict_->setText(WindowQText(kWindow, "Label5", context_.language, ui::TextRole::Message));
}

}  // namespace lexorim::app
