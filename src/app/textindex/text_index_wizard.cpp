#include "app/textindex/text_index_wizard.h"
#include "app/common/file_dialogs.h"
#include "app/common/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <filesystem>

#include "app/common/criteria_group.h"
#include "app/common/error_display.h"
#include "app/common/number_boxes.h"
#include "app/common/output_documents.h"
#include "app/common/qt_text.h"
#include "app/common/window_texts.h"
#include "app/textindex/text_index_dialogs.h"
#include "engine/collation.h"
#include "engine/program_folder.h"
#include "indexing/index_file.h"
#include "indexing/status_texts.h"
#include "settings/draft_settings.h"
#include "settings/languages.h"
#include "settings/run_options.h"
#include "textfiles/text_reader.h"
#include "textfiles/word_documents.h"
#include "textindex/empty_result_hints.h"
#include "textindex/text_index_source.h"
#include "textindex/text_index_summary.h"

namespace lexorim::app {

namespace {

// Takes files dragged from the desktop onto the source page; other drags (text moved within
// the memo) keep their usual meaning.
class SourceDropFilter : public QObject {
  public:
    SourceDropFilter(std::function<void(const QStringList&)> drop, QObject* parent)
        : QObject(parent), drop_(std::move(drop)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::DragEnter:
            case QEvent::DragMove: {
                auto* drag = static_cast<QDragMoveEvent*>(event);
                if (LocalFiles(drag->mimeData()).isEmpty())
                    break;
                drag->acceptProposedAction();
                return true;
            }
            case QEvent::Drop: {
                auto* drop = static_cast<QDropEvent*>(event);
                const QStringList files = LocalFiles(drop->mimeData());
                if (files.isEmpty())
                    break;
                drop->acceptProposedAction();
                drop_(files);
                return true;
            }
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    static QStringList LocalFiles(const QMimeData* data) {
        QStringList files;
        if (data == nullptr || !data->hasUrls())
            return files;
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile())
                files << url.toLocalFile();
        }
        return files;
    }
    std::function<void(const QStringList&)> drop_;
};

}  // namespace

namespace {

WizardTable TextIndexTable() {
    using W = TextIndexWizard;
    WizardTable table;
    table.pages = {
        {.backVisible = false, .nextEnabled = true, .createEnabled = true},    // tt1
        {.nextEnabled = true, .createEnabled = true},                          // tt2
        {.nextEnabled = true, .createEnabled = true},                          // tt3
        {.nextEnabled = false, .createEnabled = true},                         // tt4
        {.backEnabled = false, .nextEnabled = false, .createEnabled = false},  // tt5
        {.nextEnabled = false, .createEnabled = true},                         // tt6
    };
    table.beforeNextOrBack = {.backVisible = true, .nextEnabled = true, .createEnabled = true};
    table.next = {W::tt2, W::tt3, W::tt4, -1, -1, -1};
    // Back from the result goes to the summary, not to the progress page.
    table.back = {-1, W::tt1, W::tt2, W::tt3, W::tt4, W::tt4};
    table.summaryPage = W::tt4;
    table.progressPage = W::tt5;
    table.resultPage = W::tt6;
    return table;
}

}  // namespace

TextIndexWizard::TextIndexWizard(AppContext& context, QWidget* parent)
    : WizardBase(context,
                 {.panel = "pgtxt",
                  .header = "rand_bttxtidx_header",
                  .headerText = "rand_bttxtidx",
                  .pageControl = "pct",
                  .back = "bt1",
                  .next = "bt2",
                  .create = "ft_start"},
                 TextIndexTable(), parent) {
    AddPage(BuildSourcePage());
    AddPage(BuildPageNumberPage());
    AddPage(BuildCriteriaPage());
    AddPage(BuildSummaryPage());
    AddPage(BuildProgressPage({.page = "tt5",
                               .note = "StaticText9",
                               .status = "status",
                               .progress = "progress",
                               .cancel = "lauf_abbrechen"}));
    AddPage(BuildResultPage());

    // The modes follow the settings, not the radio buttons' signals: a button's signal can
    // arrive before its setting has changed, and a loaded configuration changes no button first.
    modeListener_ = context_.settings.AddListener([this](const ControlRef& changed) {
        if (changed.window->className != "Tprog")
            return;
        const std::string_view name = changed.control->name;
        if (name == "qu_datei" || name == "qu_text")
            UpdateSourceMode();
        else if (name == "sz_zeilezuseite" || name == "sz_auslesen")
            UpdatePageNumberMode();
    });
    ShowTextPage(tt1);
}

TextIndexWizard::~TextIndexWizard() {
    context_.settings.RemoveListener(modeListener_);
}

QWidget* TextIndexWizard::BuildSourcePage() {
    auto* page = Named<QWidget>(nullptr, "tt1");
    auto* layout = new QGridLayout(page);
    auto* fileMode = Named<QRadioButton>(page, ui::tprog::qu_datei);
    auto* path = Named<QLineEdit>(page, ui::tprog::edit_quelle);
    auto* browse = Named<QPushButton>(page, "bttxtquelle");
    auto* textMode = Named<QRadioButton>(page, ui::tprog::qu_text);
    original_ = Named<QPlainTextEdit>(page, "original");
    original_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* load = Named<QPushButton>(page, "qu_laden");
    auto* remove = Named<QPushButton>(page, "qu_delete");
    layout->addWidget(fileMode, 0, 0, 1, 3);
    auto* hint = Named<QLabel>(page, "qu_hinweis");
    hint->setWordWrap(true);
    layout->addWidget(path, 1, 0, 1, 2);
    layout->addWidget(browse, 1, 2);
    layout->addWidget(hint, 2, 0, 1, 3);
    layout->addWidget(textMode, 3, 0, 1, 3);
    layout->addWidget(original_, 4, 0, 1, 3);
    auto* row = new QHBoxLayout;
    row->addWidget(load);
    row->addWidget(remove);
    row->addStretch();
    layout->addLayout(row, 5, 0, 1, 3);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(0, 1);

    connect(path, &QLineEdit::textChanged, this, &TextIndexWizard::SourcePathEdited);
    pathPause_.setSingleShot(true);
    pathPause_.setInterval(600);
    const auto readTypedPath = [this, path] {
        pathPause_.stop();
        ReadNamedSourceFile(path->text());
    };
    connect(&pathPause_, &QTimer::timeout, this, readTypedPath);
    connect(path, &QLineEdit::editingFinished, this, readTypedPath);
    connect(browse, &QPushButton::clicked, this, &TextIndexWizard::BrowseSourceFile);
    connect(load, &QPushButton::clicked, this, &TextIndexWizard::LoadTextIntoSource);
    connect(remove, &QPushButton::clicked, original_, &QPlainTextEdit::clear);
    auto* drops =
        new SourceDropFilter([this](const QStringList& paths) { DropSourceFiles(paths); }, page);
    for (QWidget* target : {page, static_cast<QWidget*>(path), original_->viewport()}) {
        target->setAcceptDrops(true);
        target->installEventFilter(drops);
    }
    // Any change of the source text makes the designations stale; the text itself is handed to
    // the session only when it is needed, so that typing in a large text stays quick.
    // The memo's own signal: a file read is shown by handing the memo a new document.
    connect(original_, &QPlainTextEdit::textChanged, this, [this] { memoEdited_ = true; });
    return page;
}

QWidget* TextIndexWizard::BuildPageNumberPage() {
    auto* page = Named<QWidget>(nullptr, "tt2");
    auto* layout = new QGridLayout(page);
    auto* lineMode = Named<QRadioButton>(page, ui::tprog::sz_zeilezuseite);
    auto* firstPage = Named<QLineEdit>(page, ui::tprog::sz_beginn);
    firstPage->setMaximumWidth(80);
    MakeNumberBox(firstPage, NumberBoxRulesFor(ui::tprog::sz_beginn));
    auto* designationMode = Named<QRadioButton>(page, ui::tprog::sz_auslesen);
    auto* hint = Named<QLabel>(page, "tt2_hinweis");
    designationList_ = Named<QListWidget>(page, "sz_libo");
    designationList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    designationList_->setUniformItemSizes(true);
    auto* readOut = Named<QPushButton>(page, "Auslesen");
    auto* remove = Named<QPushButton>(page, "sz_entfernen");
    auto* edit = Named<QPushButton>(page, "sz_bearbeiten");
    auto* criteria = Named<QPushButton>(page, "sz_kriterien");
    layout->addWidget(lineMode, 0, 0);
    layout->addWidget(firstPage, 0, 1, Qt::AlignLeft);
    layout->addWidget(designationMode, 1, 0, 1, 2);
    layout->addWidget(hint, 2, 0, 1, 2);
    layout->addWidget(designationList_, 3, 0, 5, 2);
    layout->addWidget(readOut, 3, 2);
    layout->addWidget(remove, 4, 2);
    layout->addWidget(edit, 5, 2);
    layout->addWidget(criteria, 6, 2);
    layout->setRowStretch(7, 1);
    layout->setColumnStretch(1, 1);

    connect(readOut, &QPushButton::clicked, this, &TextIndexWizard::ReadOutDesignations);
    connect(remove, &QPushButton::clicked, this, &TextIndexWizard::RemoveSelectedDesignations);
    connect(edit, &QPushButton::clicked, this, &TextIndexWizard::EditDesignations);
    connect(criteria, &QPushButton::clicked, this, &TextIndexWizard::EditCriteria);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, designationList_);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &TextIndexWizard::RemoveSelectedDesignations);
    return page;
}

QWidget* TextIndexWizard::BuildCriteriaPage() {
    auto* page = Named<QWidget>(nullptr, "tt3");
    // One group above the other, so that the long captions fit a narrow window.
    auto* layout = new QVBoxLayout(page);
    auto* criteria = new CriteriaGroup(context_, kTextIndexCriteria, page);
    connect(criteria, &CriteriaGroup::negativeListRequested, this,
            &TextIndexWizard::negativeListRequested);
    connect(criteria, &CriteriaGroup::positiveListRequested, this,
            &TextIndexWizard::positiveListRequested);
    UseDraftSwitch(criteria->AddDraftSwitch());

    auto* index = Named<QGroupBox>(page, "gb_index");
    auto* indexLayout = new QGridLayout(index);
    int row = 0;
    // Each option with the example line under it.
    for (const char* name : {"kt_keinedoppeltenseiten", "kt_zusammen", "kt_zusdoppelt"}) {
        indexLayout->addWidget(Named<QCheckBox>(index, name), row++, 0, 1, 2);
        auto* example = Named<QLabel>(index, (std::string(name) + "_beispiel").c_str());
        example->setWordWrap(true);
        example->setIndent(22);
        example->setEnabled(false);
        indexLayout->addWidget(example, row++, 0, 1, 2);
    }
    indexLayout->addWidget(Named<QCheckBox>(index, ui::tprog::kt_integrieren), row++, 0, 1, 2);
    auto* existing = Named<QLabel>(index, ui::tprog::kt_index);
    existing->setWordWrap(true);
    existing->setTextInteractionFlags(Qt::TextSelectableByMouse);
    indexLayout->addWidget(existing, row, 0);
    auto* choose = Named<QPushButton>(index, "andindex");
    indexLayout->addWidget(choose, row++, 1);
    indexLayout->addWidget(Named<QCheckBox>(index, ui::tprog::kt_design), row, 0);
    auto* design = Named<QPushButton>(index, "btdesign");
    indexLayout->addWidget(design, row++, 1);
    indexLayout->setColumnStretch(0, 1);
    layout->addWidget(criteria);
    layout->addWidget(index);
    layout->addStretch();

    connect(choose, &QPushButton::clicked, this, &TextIndexWizard::ChooseExistingIndex);
    connect(design, &QPushButton::clicked, this, [this] {
        if (dialogs_.design != nullptr)
            dialogs_.design->exec();
    });
    return page;
}

QWidget* TextIndexWizard::BuildSummaryPage() {
    auto* page = Named<QWidget>(nullptr, "tt4");
    auto* layout = new QVBoxLayout(page);
    summary_ = Named<QPlainTextEdit>(page, "zusammenfassung");
    summary_->setReadOnly(true);
    summary_->setFrameShape(QFrame::NoFrame);
    layout->addWidget(summary_);
    return page;
}

QWidget* TextIndexWizard::BuildResultPage() {
    // A plain-text view lays out only what is on screen, so an index of many megabytes shows
    // at once.
    output_ = new QPlainTextEdit;
    output_->setReadOnly(true);
    output_->setLineWrapMode(QPlainTextEdit::NoWrap);
    output_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QWidget* page = WizardBase::BuildResultPage({.page = "tt6",
                                                 .output = "output",
                                                 .saveText = "outputspeichern",
                                                 .saveIndex = "DatenSpeichern",
                                                 .clipboard = "zwischenablage"},
                                                output_);
    hints_ = Named<QLabel>(page, "hinweise");
    hints_->setWordWrap(true);
    hints_->hide();
    static_cast<QVBoxLayout*>(page->layout())->insertWidget(0, hints_);
    return page;
}

// ---------------------------------------------------------------------------------------------
// Navigation.

void TextIndexWizard::PageShown(int page) {
    switch (page) {
        case tt2: {
            const auto readOutIfStale = [this] {
                if (!context_.textIndex.designationsCurrent())
                    ReadOutDesignations();
            };
            const SourceState state = SyncSourceText(readOutIfStale);
            if (state == SourceState::Ready)
                readOutIfStale();
            break;
        }
        case tt4:
            summary_->setPlainText(ToQString(
                TextIndexSummary(MakeTextIndexSummaryInput(context_.settings), context_.language)));
            break;
        default:
            break;
    }
}

// ---------------------------------------------------------------------------------------------
// Source.

TextIndexWizard::SourceState TextIndexWizard::SyncSourceText(std::function<void()> whenRead) {
    if (!context_.settings.IsOn(ui::tprog::qu_datei)) {
        // Typed text is the source; a loaded file's exact text stays until the memo is edited.
        if (memoEdited_) {
            context_.textIndex.SetSourceText(ToText(MemoText(*original_)));
            sessionFile_ = {};
            memoEdited_ = false;
        }
        return SourceState::Ready;
    }
    // A file-mode run indexes the file as the core reads it, never the memo that shows it.
    const QString path = ToQString(context_.settings.Value(ui::tprog::edit_quelle));
    if (path.isEmpty()) {
        if (!sessionFile_.path.isEmpty() || memoEdited_)
            ForgetUnreadableSource();
        return SourceState::Ready;
    }
    if (SessionHoldsCurrentFile(path))
        return SourceState::Ready;
    if (!LoadSourceFile(path, std::move(whenRead)))
        return SourceState::Failed;
    // A document goes on being read on the worker; a plain text has been read already.
    return isRunning() ? SourceState::Reading : SourceState::ReadNow;
}

bool TextIndexWizard::SessionHoldsCurrentFile(const QString& path) const {
    const QFileInfo file(path);
    return sessionFile_.path == path && file.isFile() && file.size() == sessionFile_.size &&
           file.lastModified() == sessionFile_.modified;
}

void TextIndexWizard::ForgetUnreadableSource() {
    // Nothing of an earlier source may be indexed in the name of a file that could not be read.
    original_->clear();
    context_.textIndex.SetSourceText(Text());
    sessionFile_ = {};
    memoEdited_ = false;
    ShowDesignations();
}

void TextIndexWizard::UpdateSourceMode() {
    const bool fileMode = context_.settings.IsOn(ui::tprog::qu_datei);
    for (const char* name : {"edit_quelle", "bttxtquelle", "qu_hinweis"})
        RequireChild<QWidget>(this, name)->setEnabled(fileMode);
    for (const char* name : {"original", "qu_laden", "qu_delete"}) {
        auto* widget = RequireChild<QWidget>(this, name);
        // The memo stays readable in file mode: it shows the file's text.
        if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
            memo->setReadOnly(fileMode);
            // A read-only memo refuses drops; files dropped on it still become the source.
            memo->viewport()->setAcceptDrops(true);
        } else
            widget->setEnabled(!fileMode);
    }
}

void TextIndexWizard::UpdatePageNumberMode() {
    const bool lineMode = context_.settings.IsOn(ui::tprog::sz_zeilezuseite);
    RequireChild<QWidget>(this, "sz_beginn")->setEnabled(lineMode);
    for (const char* name :
         {"sz_libo", "sz_entfernen", "sz_bearbeiten", "sz_kriterien", "Auslesen"})
        RequireChild<QWidget>(this, name)->setEnabled(!lineMode);
}

namespace {

using ReadSource = TextIndexWizard::ReadSource;

// A plain text this large is read on the worker like a document, so the window keeps
// answering while it is read and laid out.
constexpr qint64 kReadOnWorkerBytes = qint64{4} * 1024 * 1024;

ReadSource ReadSourceFile(const std::string& path, Language language, const DraftOptions& draft,
                          QThread* owner, const std::atomic<bool>* cancel = nullptr) {
    ReadSource read;
    read.source =
        ReadTextIndexSource(path, WorkerReadContext(language, cancel, read.messages), draft);
    read.shownText = PlainTextDocument(read.source.text, owner);
    return read;
}

}  // namespace

bool TextIndexWizard::LoadSourceFile(const QString& path, std::function<void()> afterLoad) {
    const QFileInfo info(path);
    LoadedFile file{path, info.size(), info.lastModified()};
    const std::string filePath = ToPath(path);
    // A word-processor document may take seconds to lay out, and a large text to read: they are
    // read on the worker, with the progress page and its cancel, and the wizard returns to the
    // page it was on.
    if (DetectDocumentFormat(filePath) != DocumentFormat::None ||
        info.size() >= kReadOnWorkerBytes) {
        if (isRunning())
            return false;
        const int page = currentPageIndex();
        StartTask<ReadSource>(
            [filePath, language = context_.language, draft = MakeDraftOptions(context_.settings),
             owner = thread()](const RunProgress& progress) {
                if (progress.report)
                    progress.report(StatusReadingFile(language) + FromUtf8(filePath), 0);
                return ReadSourceFile(filePath, language, draft, owner, progress.cancel);
            },
            [this, file](ReadSource read) { AdoptSource(file, std::move(read)); },
            {.progress = tt5, .success = page, .failure = page, .busy = true}, std::move(afterLoad),
            [this, path](const RunFailure& failure) {
                // A cancelled read leaves the source as it was; a failed one leaves nothing.
                if (!failure.cancelled)
                    ForgetIfTheSourceFile(path);
            });
        return true;
    }
    ReadSource read;
    const bool loaded = RunReportingErrors(this, [&] {
        read = ReadSourceFile(filePath, context_.language, MakeDraftOptions(context_.settings),
                              thread());
    });
    if (!loaded) {
        ForgetIfTheSourceFile(path);
        return false;
    }
    AdoptSource(file, std::move(read));
    if (afterLoad)
        afterLoad();
    return true;
}

void TextIndexWizard::AdoptSource(LoadedFile file, ReadSource read) {
    ShowOutputDocument(*original_, std::move(read.shownText));
    // The session takes the text as read; the memo only shows it.
    context_.textIndex.SetSource(std::move(read.source));
    sessionFile_ = std::move(file);
    memoEdited_ = false;
    ShowDesignations();
    hints_->setText(read.messages.join(u'\n'));
    hints_->setVisible(!read.messages.isEmpty());
    for (const QString& message : read.messages)
        ShowMessage(this, message);
}

void TextIndexWizard::ForgetIfTheSourceFile(const QString& path) {
    // The box, not the setting: while its text changes, the setting may not have followed yet.
    if (context_.settings.IsOn(ui::tprog::qu_datei) &&
        RequireChild<QLineEdit>(this, "edit_quelle")->text() == path)
        ForgetUnreadableSource();
}

void TextIndexWizard::SourcePathEdited(const QString& path) {
    // Typing waits for a pause, so a document is not laid out for every key on the way to its
    // name; a path set at once (browsing, a configuration) is read at once.
    if (RequireChild<QLineEdit>(this, "edit_quelle")->isModified()) {
        pathPause_.start();
        return;
    }
    pathPause_.stop();
    ReadNamedSourceFile(path);
}

void TextIndexWizard::ReadNamedSourceFile(const QString& path) {
    if (!path.isEmpty() && QFileInfo(path).isFile() && !SessionHoldsCurrentFile(path))
        LoadSourceFile(path);
}

void TextIndexWizard::BrowseSourceFile() {
    const QString path = ChooseFileToOpen(this, "Tprog", "OpenDatei", context_.language);
    if (path.isEmpty())
        return;
    auto* edit = RequireChild<QLineEdit>(this, "edit_quelle");
    // The same file chosen again is read again, as a newly chosen one would be.
    if (edit->text() == path)
        LoadSourceFile(path);
    else
        edit->setText(path);
}

void TextIndexWizard::DropSourceFiles(const QStringList& paths) {
    if (isRunning())
        return;
    std::vector<std::string> candidates;
    for (const QString& path : paths)
        candidates.push_back(ToPath(path));
    const std::optional<std::string> chosen = DroppedSourcePath(candidates);
    if (!chosen)
        return;
    const QString path = QString::fromStdString(*chosen);
    // Read first: a file that cannot be read leaves the source as it was.
    LoadSourceFile(path, [this, path] {
        context_.settings.Set(ui::tprog::qu_datei, u"1");
        {
            const QSignalBlocker quiet(RequireChild<QLineEdit>(this, "edit_quelle"));
            context_.settings.Set(ui::tprog::edit_quelle, ToText(path));
        }
        ShowTextPage(tt1);
    });
}

void TextIndexWizard::LoadTextIntoSource() {
    const QString path = ChooseFileToOpen(this, "Tprog", "memoload", context_.language);
    if (!path.isEmpty())
        LoadSourceFile(path);
}

// ---------------------------------------------------------------------------------------------
// Page designations.

void TextIndexWizard::ReadOutDesignations() {
    if (SyncSourceText([this] { ReadOutDesignations(); }) != SourceState::Ready)
        return;
    context_.textIndex.ReadOutDesignations(MakeDesignationCriteria(context_.settings),
                                           context_.settings.IsOn(ui::tprog::sz_zeilezuseite));
    ShowDesignations();
}

void TextIndexWizard::ShowDesignations() {
    designationList_->clear();
    designationList_->addItems(ToQStringList(context_.textIndex.designations()));
}

void TextIndexWizard::RemoveSelectedDesignations() {
    std::vector<size_t> positions;
    for (const QModelIndex& index : designationList_->selectionModel()->selectedIndexes())
        positions.push_back(static_cast<size_t>(index.row()));
    context_.textIndex.RemoveDesignations(positions);
    ShowDesignations();
}

void TextIndexWizard::EditDesignations() {
    if (dialogs_.pageList == nullptr)
        return;
    dialogs_.pageList->SetLines(ToQStringList(context_.textIndex.designations()));
    if (dialogs_.pageList->exec() != QDialog::Accepted)
        return;
    const std::vector<Text> lines = ToTexts(dialogs_.pageList->lines());
    context_.textIndex.ReplaceDesignations(std::vector<TextView>(lines.begin(), lines.end()));
    ShowDesignations();
}

void TextIndexWizard::EditCriteria() {
    if (dialogs_.criteria != nullptr && dialogs_.criteria->exec() == QDialog::Accepted)
        ReadOutDesignations();
}

// ---------------------------------------------------------------------------------------------
// Existing index, run and result.

void TextIndexWizard::ChooseExistingIndex() {
    const QString path =
        dialogs_.existingIndex != nullptr ? dialogs_.existingIndex->Choose() : QString();
    if (!path.isEmpty())
        context_.settings.Set(ui::tprog::kt_index, ToText(path));
    context_.settings.Set(ui::tprog::kt_integrieren, u"1");
}

namespace {

// What the worker hands back: the run's result and its output laid out for a plain-text view,
// made on the worker so that a large index does not hold up the window.
struct ShownTextIndex {
    TextIndexResult result;
    std::unique_ptr<QTextDocument> shownOutput;
};

}  // namespace

void TextIndexWizard::StartCreate() {
    // A source that cannot be read leaves nothing to index; its error has been shown again. A
    // document that has to be read first is read on the worker, and the run follows.
    if (SyncSourceText([this] { StartCreate(); }) != SourceState::Ready)
        return;
    ShowTextPage(tt5);
    TextIndexSession::RunInputs inputs = context_.textIndex.PrepareRun(
        MakeTextIndexOptions(context_.settings), MakeDesignationCriteria(context_.settings));
    ShowDesignations();
    // The run gets copies of what it reads; the session is touched again only on this thread.
    StartRun<ShownTextIndex>(
        [inputs = std::move(inputs), lists = context_.lists, language = context_.language,
         owner = thread()](const RunProgress& progress) {
            const LocaleCollator collator;
            ShownTextIndex shown;
            shown.result = RunTextIndex(
                inputs.options, *inputs.source,
                {.lists = lists, .collator = collator, .language = language, .progress = progress});
            shown.shownOutput = PlainTextDocument(shown.result.output, owner);
            return shown;
        },
        [this](ShownTextIndex shown) {
            context_.textIndex.Adopt(std::move(shown.result));
            ShowOutputDocument(*output_, std::move(shown.shownOutput));
            ShowEmptyResultHint();
        });
}

void TextIndexWizard::ShowEmptyResultHint() {
    const std::optional<Text> hint = EmptyResultHint(
        context_.textIndex.EmptyResultFactsFor(context_.settings.IsOn(ui::tprog::sz_zeilezuseite)),
        context_.language);
    if (!hint)
        return;
    hints_->setText(ToQString(*hint));
    hints_->show();
}

void TextIndexWizard::Clear() {
    context_.textIndex.Clear();
    context_.settings.Set(ui::tprog::edit_quelle, u"");
    original_->clear();
    designationList_->clear();
    hints_->clear();
    hints_->hide();
    sessionFile_ = {};
    output_->clear();
    memoEdited_ = true;
    ShowTextPage(tt1);
}

void TextIndexWizard::SaveOutputText() {
    const QString path = ChooseFileToSave(this, "Tprog", "memosave", context_.language,
                                          ProgramFolderFile(QStringLiteral("Index.txt")));
    if (!path.isEmpty())
        SaveOutputTextTo(path);
}

bool TextIndexWizard::SaveOutputTextTo(const QString& path) {
    return RunReportingErrors(this, [&] {
        WriteTextFile(context_.textIndex.output(), ToPath(path),
                      MakeOutputSettings(context_.settings, context_.pictureFont));
    });
}

void TextIndexWizard::SaveIndexFile() {
    const QString path = ChooseFileToSave(this, "Tprog", "SaveIndex", context_.language);
    if (!path.isEmpty())
        SaveIndexFileTo(path);
}

bool TextIndexWizard::SaveIndexFileTo(const QString& path) {
    return RunReportingErrors(this, [&] {
        WriteTextFile(BuildIndexFileText(context_.textIndex.store()), IndexFileName(ToPath(path)),
                      MakeOutputSettings(context_.settings, context_.pictureFont));
    });
}

Text TextIndexWizard::OutputText() const {
    return context_.textIndex.output();
}

void TextIndexWizard::ApplyTexts() {
    WizardBase::ApplyTexts();
    UpdateSourceMode();
    UpdatePageNumberMode();
}

}  // namespace lexorim::app
