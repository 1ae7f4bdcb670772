#include "app/keywordindex/keyword_index_wizard.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>
#include <memory>
#include <mutex>

#include "app/common/criteria_group.h"
#include "app/common/error_display.h"
#include "app/common/file_dialogs.h"
#include "app/common/output_documents.h"
#include "app/common/qt_text.h"
#include "app/common/widgets.h"
#include "app/common/window_texts.h"
#include "app/keywordindex/keyword_design_dialog.h"
#include "engine/collation.h"
#include "engine/program_folder.h"
#include "indexing/source_documents.h"
#include "keywordindex/keyword_run.h"
#include "keywordindex/keyword_summary.h"
#include "settings/index_run_options.h"
#include "settings/languages.h"
#include "settings/run_options.h"
#include "textfiles/text_writer.h"

namespace lexorim::app {

namespace {

constexpr ui::ControlId kLineWrap{ui::tprog::kWindow, "Zeilenumbruch"};

WizardTable KeywordIndexTable() {
    using W = KeywordIndexWizard;
    WizardTable table;
    // Every page starts from back and next shown and all three buttons enabled.
    table.beforeEveryPage = {.backVisible = true,
                             .backEnabled = true,
                             .nextVisible = true,
                             .nextEnabled = true,
                             .createEnabled = true};
    table.pages = {
        {.backVisible = false},                                                // ts1
        {},                                                                    // ts2
        {.nextEnabled = false},                                                // ts3
        {.backEnabled = false, .nextEnabled = false, .createEnabled = false},  // ts4
        {.backEnabled = true, .nextEnabled = false},                           // ts5
    };
    table.next = {W::ts2, W::ts3, -1, -1, -1};
    // Back from the result goes to the summary, not to the progress page.
    table.back = {-1, W::ts1, W::ts2, W::ts3, W::ts3};
    table.summaryPage = W::ts3;
    table.progressPage = W::ts4;
    table.resultPage = W::ts5;
    return table;
}

// What the worker hands back: the output and the same text laid out for a plain-text view,
// made on the worker so that a large output does not hold up the window; and the messages of
// the document readers, shown once the run is over.
struct ShownKeywordIndex {
    Text output;
    std::unique_ptr<QTextDocument> shownOutput;
    QStringList messages;
};

}  // namespace

KeywordIndexWizard::KeywordIndexWizard(AppContext& context, QWidget* parent)
    : WizardBase(context,
                 {.panel = "pgstw",
                  .header = "rand_btstw_header",
                  .headerText = "rand_btstw",
                  .pageControl = "sct",
                  .back = "sbt1",
                  .next = "sbt2",
                  .create = "sstart"},
                 KeywordIndexTable(), parent) {
    sourcePage_ =
        new SourcePage(context_, context_.keywordIndex.sources(), kKeywordIndexSourcePage, nullptr);
    AddPage(sourcePage_);
    AddPage(BuildSettingsPage());
    AddPage(BuildSummaryPage());
    AddPage(BuildProgressPage({.page = "ts4",
                               .note = "stwla7",
                               .status = "sstatus",
                               .progress = "sfortschritt",
                               .cancel = "AbbruchS"}));
    AddPage(BuildResultPage());

    // The wrap follows the setting, so that a loaded configuration changes it without a click.
    wrapListener_ = context_.settings.AddListener([this](const ControlRef& changed) {
        if (changed.window->className == "Tprog" && changed.control->name == kLineWrap.name)
            UpdateLineWrap();
    });
    UpdateLineWrap();
    ShowKeywordPage(ts1);
}

KeywordIndexWizard::~KeywordIndexWizard() {
    context_.settings.RemoveListener(wrapListener_);
}

QWidget* KeywordIndexWizard::BuildSettingsPage() {
    auto* page = Named<QWidget>(nullptr, "ts2");
    // One group above the other, so that the long captions fit a narrow window.
    auto* layout = new QVBoxLayout(page);
    auto* criteria = new CriteriaGroup(context_, kKeywordIndexCriteria, page);
    connect(criteria, &CriteriaGroup::negativeListRequested, this,
            &KeywordIndexWizard::negativeListRequested);
    connect(criteria, &CriteriaGroup::positiveListRequested, this,
            &KeywordIndexWizard::positiveListRequested);
    // The tags go before any criterion looks at the words, so the option stands with them.
    auto* criteriaLayout = static_cast<QGridLayout*>(criteria->layout());
    criteriaLayout->addWidget(Named<QCheckBox>(criteria, ui::tprog::stw_htmlraus),
                              criteriaLayout->rowCount(), 0, 1, 2);
    UseDraftSwitch(criteria->AddDraftSwitch());

    auto* index = Named<QGroupBox>(page, "gb_sindex");
    auto* indexLayout = new QGridLayout(index);
    int row = 0;
    for (const char* name : {"stw_doppelt", "stw_zus", "stw_untereinander", "stw_alphabetisch"})
        indexLayout->addWidget(Named<QCheckBox>(index, name), row++, 0, 1, 2);
    indexLayout->addWidget(Named<QCheckBox>(index, ui::tprog::stw_design), row, 0);
    auto* design = Named<QPushButton>(index, "stw_designanzeigen");
    indexLayout->addWidget(design, row++, 1);
    indexLayout->setColumnStretch(0, 1);
    layout->addWidget(criteria);
    layout->addWidget(index);
    layout->addStretch();

    connect(design, &QPushButton::clicked, this, &KeywordIndexWizard::OpenDesign);
    return page;
}

QWidget* KeywordIndexWizard::BuildSummaryPage() {
    auto* page = Named<QWidget>(nullptr, "ts3");
    auto* layout = new QVBoxLayout(page);
    summary_ = Named<QPlainTextEdit>(page, "szusammenfassung");
    summary_->setReadOnly(true);
    summary_->setFrameShape(QFrame::NoFrame);
    layout->addWidget(summary_);
    return page;
}

QWidget* KeywordIndexWizard::BuildResultPage() {
    // A plain-text view lays out only what is on screen, so a long output shows at once.
    output_ = new QPlainTextEdit;
    output_->setReadOnly(true);
    output_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QWidget* page = WizardBase::BuildResultPage({.page = "ts5",
                                                 .output = "soutput",
                                                 .saveText = "soutputspeichern",
                                                 .saveIndex = nullptr,
                                                 .clipboard = "szwischenablage"},
                                                output_);
    // The wrap choice sits with the buttons under the output, at the right.
    auto* buttons = static_cast<QHBoxLayout*>(page->layout()->itemAt(1)->layout());
    buttons->addWidget(Named<QCheckBox>(page, "Zeilenumbruch"));
    return page;
}

void KeywordIndexWizard::UpdateLineWrap() {
    const bool wrap = context_.settings.IsOn(kLineWrap);
    output_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    output_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    output_->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

// ---------------------------------------------------------------------------------------------
// Navigation.

void KeywordIndexWizard::PageShown(int page) {
    if (page == ts3) {
        summary_->setPlainText(
            ToQString(KeywordSummary(MakeKeywordOptions(context_.settings), context_.language)));
    }
}

void KeywordIndexWizard::OpenDesign() {
    if (design_ != nullptr)
        design_->exec();
}

// ---------------------------------------------------------------------------------------------
// Run and result.

void KeywordIndexWizard::StartCreate() {
    // The run gets copies of what it reads; the session is touched again only on this thread.
    StartRun<ShownKeywordIndex>(
        [options = MakeKeywordOptions(context_.settings),
         documents = DocumentsOf(context_.keywordIndex.sources()), lists = context_.lists,
         language = context_.language, owner = thread()](const RunProgress& progress) {
            const LocaleCollator collator;
            ShownKeywordIndex shown;
            shown.output = RunKeywordIndex(
                options, documents,
                {.lists = lists, .collator = collator, .language = language, .progress = progress},
                WorkerReadContext(language, progress.cancel, shown.messages));
            shown.shownOutput = PlainTextDocument(shown.output, owner);
            return shown;
        },
        [this](ShownKeywordIndex shown) {
            context_.keywordIndex.Adopt(std::move(shown.output));
            ShowOutputDocument(*output_, std::move(shown.shownOutput));
            for (const QString& message : shown.messages)
                ShowMessage(this, message);
        });
}

void KeywordIndexWizard::Clear() {
    if (isRunning())
        return;
    context_.keywordIndex.Clear();
    sourcePage_->Clear();
    context_.settings.Set(ui::tprog::squpfad, u"");
    output_->clear();
    ShowKeywordPage(ts1);
}

void KeywordIndexWizard::SaveOutputText() {
    const QString path = ChooseFileToSave(this, "Tprog", "memosave", context_.language,
                                          ProgramFolderFile(QStringLiteral("Index.txt")));
    if (!path.isEmpty())
        SaveOutputTextTo(path);
}

bool KeywordIndexWizard::SaveOutputTextTo(const QString& path) {
    return RunReportingErrors(this, [&] {
        WriteTextFile(context_.keywordIndex.output(), ToPath(path),
                      MakeOutputSettings(context_.settings, context_.pictureFont));
    });
}

Text KeywordIndexWizard::OutputText() const {
    return context_.keywordIndex.output();
}

}  // namespace lexorim::app
