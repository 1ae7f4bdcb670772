#include "app/fileindex/file_index_wizard.h"
#include "app/common/file_dialogs.h"
#include "app/common/widgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "app/common/criteria_group.h"
#include "app/common/error_display.h"
#include "app/common/output_documents.h"
#include "app/common/qt_text.h"
#include "app/common/source_page.h"
#include "app/common/window_texts.h"
#include "app/fileindex/file_index_design_dialogs.h"
#include "app/fileindex/html_preview_view.h"
#include "app/textindex/text_index_dialogs.h"
#include "engine/collation.h"
#include "engine/program_folder.h"
#include "fileindex/file_index_summary.h"
#include "indexing/source_documents.h"
#include "settings/index_run_options.h"
#include "settings/languages.h"
#include "settings/run_options.h"
#include "textfiles/text_writer.h"

namespace lexorim::app {

namespace {

WizardTable FileIndexTable() {
    using W = FileIndexWizard;
    WizardTable table;
    table.beforeEveryPage = {.backVisible = true, .nextEnabled = true, .createEnabled = true};
    table.pages = {
        {.backVisible = false, .nextEnabled = true, .createEnabled = true},    // td1
        {.backVisible = true, .nextEnabled = true, .createEnabled = true},     // td2
        {.backVisible = true, .nextEnabled = false, .createEnabled = true},    // td3
        {.backEnabled = false, .nextEnabled = false, .createEnabled = false},  // td4
        {.backEnabled = true, .nextEnabled = false, .createEnabled = true},    // td5
    };
    table.next = {W::td2, W::td3, -1, -1, -1};
    // Back from the result goes to the summary, not to the progress page.
    table.back = {-1, W::td1, W::td2, W::td3, W::td3};
    table.summaryPage = W::td3;
    table.progressPage = W::td4;
    table.resultPage = W::td5;
    return table;
}

}  // namespace

// What the worker hands back: the run's result, its output laid out for the memo, the kind of
// output it wrote and the readers' messages.
struct FileIndexWizard::ShownFileIndex {
    FileIndexResult result;
    std::unique_ptr<QTextDocument> shownOutput;
    bool html = false;
    QStringList messages;
};

FileIndexWizard::FileIndexWizard(AppContext& context, QWidget* parent)
    : WizardBase(context,
                 {.panel = "pgdateien",
                  .header = "rand_btdidx_header",
                  .headerText = "rand_btdidx",
                  .pageControl = "dct",
                  .back = "dbt1",
                  .next = "dbt2",
                  .create = "dstart"},
                 FileIndexTable(), parent) {
    sourcePage_ = new SourcePage(context_, context_.fileIndex.sources(), kFileIndexSourcePage);
    AddPage(sourcePage_);
    AddPage(BuildCriteriaPage());
    AddPage(BuildSummaryPage());
    AddPage(BuildProgressPage({.page = "td4",
                               .note = "StaticText12",
                               .status = "dstatus",
                               .progress = "fortschritt",
                               .cancel = "dlauf_abbrechen"}));
    AddPage(BuildResultPage());
    ShowResultKind();
    ShowFilePage(td1);
}

void FileIndexWizard::showEvent(QShowEvent* event) {
    WizardBase::showEvent(event);
    QTimer::singleShot(0, preview_, [preview = preview_] { preview->browser(); });
}

QWidget* FileIndexWizard::BuildCriteriaPage() {
    auto* page = Named<QWidget>(nullptr, "td2");
    // One group above the other, so that the long captions fit a narrow window.
    auto* layout = new QVBoxLayout(page);
    auto* criteria = new CriteriaGroup(context_, kFileIndexCriteria, page);
    connect(criteria, &CriteriaGroup::negativeListRequested, this,
            &FileIndexWizard::negativeListRequested);
    connect(criteria, &CriteriaGroup::positiveListRequested, this,
            &FileIndexWizard::positiveListRequested);
    UseDraftSwitch(criteria->AddDraftSwitch());

    auto* index = Named<QGroupBox>(page, "gb_dindex");
    auto* indexLayout = new QGridLayout(index);
    int row = 0;
    for (const char* name :
         {"htmlraus", "dkt_keinedoppeltenseiten", "dkt_zusammen", "dkt_zusdoppelt"})
        indexLayout->addWidget(Named<QCheckBox>(index, name), row++, 0, 1, 2);
    indexLayout->addWidget(Named<QCheckBox>(index, ui::tprog::dkt_integrieren), row++, 0, 1, 2);
    auto* existing = Named<QLabel>(index, ui::tprog::dkt_index);
    existing->setWordWrap(true);
    existing->setTextInteractionFlags(Qt::TextSelectableByMouse);
    indexLayout->addWidget(existing, row, 0);
    auto* choose = Named<QPushButton>(index, "dandindex");
    indexLayout->addWidget(choose, row++, 1);
    indexLayout->setColumnStretch(0, 1);

    auto* output = Named<QGroupBox>(page, "gb_dausgabe");
    auto* outputLayout = new QGridLayout(output);
    outputLayout->addWidget(Named<QRadioButton>(output, ui::tprog::htmlindex), 0, 0, 1, 2);
    outputLayout->addWidget(Named<QRadioButton>(output, "textindex"), 1, 0, 1, 2);
    outputLayout->addWidget(Named<QCheckBox>(output, ui::tprog::dkt_design), 2, 0);
    auto* design = Named<QPushButton>(output, "d_design");
    outputLayout->addWidget(design, 2, 1);
    outputLayout->setColumnStretch(0, 1);

    layout->addWidget(criteria);
    layout->addWidget(index);
    layout->addWidget(output);
    layout->addStretch();

    connect(choose, &QPushButton::clicked, this, &FileIndexWizard::ChooseExistingIndex);
    connect(design, &QPushButton::clicked, this, &FileIndexWizard::OpenDesign);
    return page;
}

QWidget* FileIndexWizard::BuildSummaryPage() {
    auto* page = Named<QWidget>(nullptr, "td3");
    auto* layout = new QVBoxLayout(page);
    summary_ = Named<QPlainTextEdit>(page, "dzusammenfassung");
    summary_->setReadOnly(true);
    summary_->setFrameShape(QFrame::NoFrame);
    layout->addWidget(summary_);
    return page;
}

QWidget* FileIndexWizard::BuildResultPage() {
    // A plain-text view lays out only what is on screen, so a page of many megabytes shows at
    // once. The code may be edited, and the preview then shows the edited code.
    output_ = new QPlainTextEdit;
    output_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QWidget* page = WizardBase::BuildResultPage({.page = "td5",
                                                 .output = "doutput",
                                                 .saveText = "doutputspeichern",
                                                 .saveIndex = "didxspeichern",
                                                 .clipboard = "dzwischenablage"},
                                                output_);
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    auto* buttons = static_cast<QHBoxLayout*>(layout->itemAt(1)->layout());
    preview_ = new HtmlPreviewView(page);
    preview_->setObjectName(QStringLiteral("browser"));
    layout->insertWidget(1, preview_, 1);
    showDesign_ = Named<QPushButton>(page, "ShowDesign");
    showCode_ = Named<QPushButton>(page, "ShowCode");
    // Before the stretch at the row's end.
    buttons->insertWidget(buttons->count() - 1, showDesign_);
    buttons->insertWidget(buttons->count() - 1, showCode_);
    connect(showDesign_, &QPushButton::clicked, this, &FileIndexWizard::ShowDesign);
    connect(showCode_, &QPushButton::clicked, this, &FileIndexWizard::ShowCode);
    connect(output_, &QPlainTextEdit::textChanged, this, [this] { outputEdited_ = true; });
    return page;
}

// ---------------------------------------------------------------------------------------------
// Navigation.

void FileIndexWizard::TabChosen(int page) {
    if (isRunning())
        return;
    for (QPushButton* button : {backButton(), nextButton()}) {
        button->setVisible(true);
        button->setEnabled(true);
    }
    if (page != td4) {
        ShowPage(page);
        return;
    }
    nextButton()->setEnabled(false);
    const QSignalBlocker quiet(pages());
    pages()->setCurrentIndex(page);
}

void FileIndexWizard::PageShown(int page) {
    if (page == td3) {
        summary_->setPlainText(ToQString(FileIndexSummary(
            MakeFileIndexSummaryInput(context_.settings, context_.language), context_.language)));
    }
}

void FileIndexWizard::ApplyTexts() {
    WizardBase::ApplyTexts();
    if (currentPage() == td3)
        PageShown(td3);
}

// ---------------------------------------------------------------------------------------------
// Settings page.

void FileIndexWizard::ChooseExistingIndex() {
    const QString path =
        dialogs_.existingIndex != nullptr ? dialogs_.existingIndex->Choose() : QString();
    if (!path.isEmpty())
        context_.settings.Set(ui::tprog::dkt_index, ToText(path));
    context_.settings.Set(ui::tprog::dkt_integrieren, u"1");
}

void FileIndexWizard::OpenDesign() {
    QDialog* dialog = nullptr;
    if (context_.settings.IsOn(ui::tprog::htmlindex))
        dialog = dialogs_.htmlDesign;
    else
        dialog = dialogs_.textDesign;
    if (dialog != nullptr)
        dialog->exec();
}

// ---------------------------------------------------------------------------------------------
// Run and result.

void FileIndexWizard::StartCreate() {
    ShowFilePage(td4);
    // The run gets copies of what it reads; the session is touched again only on this thread.
    StartRun<ShownFileIndex>(
        [options = MakeFileIndexOptions(context_.settings),
         documents = DocumentsOf(context_.fileIndex.sources()), lists = context_.lists,
         language = context_.language, owner = thread()](const RunProgress& progress) {
            const LocaleCollator collator;
            ShownFileIndex shown;
            shown.result = RunFileIndex(
                options, documents,
                {.lists = lists, .collator = collator, .language = language, .progress = progress},
                WorkerReadContext(language, progress.cancel, shown.messages));
            shown.html = options.htmlOutput;
            shown.shownOutput = PlainTextDocument(shown.result.output, owner);
            return shown;
        },
        [this](ShownFileIndex shown) { AdoptRun(std::move(shown)); });
}

void FileIndexWizard::AdoptRun(ShownFileIndex shown) {
    context_.fileIndex.Adopt(std::move(shown.result));
    resultIsHtml_ = shown.html;
    ShowOutputDocument(*output_, std::move(shown.shownOutput));
    outputEdited_ = false;
    ShowResultKind();
    if (resultIsHtml_)
        ShowHtmlPreview(context_.fileIndex.output(), PreviewOrigin::AfterRun);
    for (const QString& message : shown.messages)
        ShowMessage(this, message);
}

void FileIndexWizard::ShowResultKind() {
    // A text index has no page to preview; an HTML page opens on its preview.
    showDesign_->setVisible(resultIsHtml_);
    showCode_->setVisible(resultIsHtml_);
    preview_->setVisible(resultIsHtml_);
    output_->setVisible(!resultIsHtml_);
}

void FileIndexWizard::ShowHtmlPreview(TextView html, PreviewOrigin origin) {
    std::optional<std::filesystem::path> file;
    if (!RunReportingErrors(
            this, [&] { file = PrepareHtmlPreview(html, origin, context_.previewCaching); }))
        return;
    if (file)
        preview_->ShowFile(QString::fromStdString(file->string()));
    else
        preview_->ShowContent(ToQString(html));
}

void FileIndexWizard::ShowDesign() {
    output_->hide();
    preview_->show();
    ShowHtmlPreview(OutputText(), PreviewOrigin::DesignButton);
}

void FileIndexWizard::ShowCode() {
    preview_->hide();
    output_->show();
}

void FileIndexWizard::Clear() {
    context_.fileIndex.Clear();
    sourcePage_->Clear();
    output_->clear();
    outputEdited_ = false;
    preview_->Clear();
    resultIsHtml_ = false;
    ShowResultKind();
    ShowFilePage(td1);
}

Text FileIndexWizard::OutputText() const {
    if (!outputEdited_)
        return context_.fileIndex.output();
    return ToText(MemoText(*output_).replace(u'\n', QStringLiteral("\r\n")));
}

void FileIndexWizard::SaveOutputText() {
    const QString path = ChooseFileToSave(this, "Tprog", "memosave", context_.language,
                                          ProgramFolderFile(QStringLiteral("Index.txt")));
    if (!path.isEmpty())
        SaveOutputTextTo(path);
}

bool FileIndexWizard::SaveOutputTextTo(const QString& path) {
    return RunReportingErrors(this, [&] {
        WriteTextFile(OutputText(), ToPath(path),
                      MakeOutputSettings(context_.settings, context_.pictureFont));
    });
}

void FileIndexWizard::SaveIndexFile() {
    const QString path = ChooseFileToSave(this, "Tprog", "SaveIndex", context_.language);
    if (!path.isEmpty())
        SaveIndexFileTo(path);
}

bool FileIndexWizard::SaveIndexFileTo(const QString& path) {
    return RunReportingErrors(this, [&] {
        SaveFileIndex(context_.fileIndex.store(), ToPath(path),
                      MakeOutputSettings(context_.settings, context_.pictureFont));
    });
}

}  // namespace lexorim::app
