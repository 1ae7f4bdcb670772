#pragma once
// The text index wizard: the panel pgtxt with the page control pct (source, page numbers,
// criteria, summary, progress, result) and its back, next and create buttons.

#include <QDateTime>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/app_context.h"
#include "app/common/wizard_base.h"
#include "textindex/text_index_source.h"

namespace lexorim::app {

class PageNumberCriteriaDialog;
class PageListEditDialog;
class TextIndexDesignDialog;
class ExistingIndexChooser;

struct TextIndexDialogs {
    PageNumberCriteriaDialog* criteria = nullptr;
    PageListEditDialog* pageList = nullptr;
    TextIndexDesignDialog* design = nullptr;
    ExistingIndexChooser* existingIndex = nullptr;
};

class TextIndexWizard : public WizardBase {
    Q_OBJECT

  public:
    enum Page { tt1, tt2, tt3, tt4, tt5, tt6 };

    TextIndexWizard(AppContext& context, QWidget* parent);
    ~TextIndexWizard() override;
    void SetDialogs(TextIndexDialogs dialogs) { dialogs_ = dialogs; }

    // ShowTextPage: activates a page and sets the buttons by the wizard's table.
    void ShowTextPage(Page page) { ShowPage(page); }
    Page currentPage() const { return static_cast<Page>(currentPageIndex()); }

    // The create sequence: progress page, the run on the worker, the result page.
    void StartCreate() override;

    // Reads the page designations out of the current source text into sz_libo.
    void ReadOutDesignations();
    // "Neu" > "Text Index".
    void Clear();
    // Reads a file as the source and shows it in the memo (the start-up argument, edit_quelle
    // naming a file, "Laden"). A plain text is read at once; a word-processor document is read
    // on the worker with the progress page. `afterLoad` runs once the file has been read. False
    // when the read failed at once (the error has been shown) or could not start.
    bool LoadSourceFile(const QString& path, std::function<void()> afterLoad = {});
    // A source as read, with the readers' messages to show afterwards.
    struct ReadSource {
        TextIndexSource source;
        QStringList messages;
        // The text laid out for the memo, made where the file was read.
        std::unique_ptr<QTextDocument> shownText;
    };
    // Files dropped from the desktop on the source page: the first existing file becomes the
    // source file, as if chosen with "Durchsuchen..".
    void DropSourceFiles(const QStringList& paths);
    // andindex: choose an index file to add to; kt_integrieren goes on whatever the choice.
    void ChooseExistingIndex();

    void SaveOutputText() override;
    void SaveIndexFile() override;
    // The saves after the file dialog; false when the file could not be written.
    bool SaveOutputTextTo(const QString& path);
    bool SaveIndexFileTo(const QString& path);
    using WizardBase::CopyOutputToClipboard;

    // Sets the texts built at their moment of use (summary) again after a language switch.
    void ApplyTexts() override;

    QPlainTextEdit* source() const { return original_; }
    QPlainTextEdit* output() const { return output_; }
    QListWidget* designationList() const { return designationList_; }

  signals:
    // The buttons beside the word-list criteria.
    void negativeListRequested();
    void positiveListRequested();

  protected:
    void PageShown(int page) override;
    Text OutputText() const override;

  private:
    QWidget* BuildSourcePage();
    QWidget* BuildPageNumberPage();
    QWidget* BuildCriteriaPage();
    QWidget* BuildSummaryPage();
    QWidget* BuildResultPage();

    // Hands the source to the session: in file mode the named file as the core reads it (again
    // when it changed on disk), in text mode the memo's text. A file that has to be read first is
    // read, and `whenRead` runs after it (already when the state is ReadNow).
    enum class SourceState { Ready, ReadNow, Reading, Failed };
    SourceState SyncSourceText(std::function<void()> whenRead = {});
    bool SessionHoldsCurrentFile(const QString& path) const;
    struct LoadedFile;
    void AdoptSource(LoadedFile file, ReadSource read);
    void ForgetUnreadableSource();
    // After a failed read: forgets the source when `path` is the chosen source file.
    void ForgetIfTheSourceFile(const QString& path);
    void ReadNamedSourceFile(const QString& path);
    void ShowDesignations();
    void RemoveSelectedDesignations();
    void EditDesignations();
    void EditCriteria();
    void BrowseSourceFile();
    void LoadTextIntoSource();
    void UpdateSourceMode();
    void UpdatePageNumberMode();
    void SourcePathEdited(const QString& path);
    void ShowEmptyResultHint();

    TextIndexDialogs dialogs_;
    size_t modeListener_ = 0;
    // The memo was edited since the session took its text (text mode).
    bool memoEdited_ = true;
    // The file whose text the session holds exactly as the core read it, with its size and time
    // then; empty when the session holds typed text or nothing.
    struct LoadedFile {
        QString path;
        qint64 size = -1;
        QDateTime modified;
    };
    LoadedFile sessionFile_;
    // The pause after the last key typed into edit_quelle before its file is read.
    QTimer pathPause_;
    QPlainTextEdit* original_ = nullptr;
    QListWidget* designationList_ = nullptr;
    QPlainTextEdit* summary_ = nullptr;
    QPlainTextEdit* output_ = nullptr;
    QLabel* hints_ = nullptr;
};

}  // namespace lexorim::app
