#pragma once
// What the three index wizards share: the header, the page control, the back, next and create
// buttons set by a per-page table (for clicks, keys and menu commands alike), the progress page
// with its cancel button, the result page with save, save index and clipboard, and the run on
// the worker. A wizard is a subclass that adds its own pages and says what each page does.

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "app/app_context.h"
#include "app/common/run_worker.h"
#include "app/common/translated.h"

namespace lexorim::app {

class DraftOptionsDialog;
class DraftSwitch;

// The states one step sets; an empty field leaves that state as it is.
struct ButtonStates {
    std::optional<bool> backVisible = std::nullopt;
    std::optional<bool> backEnabled = std::nullopt;
    std::optional<bool> nextVisible = std::nullopt;
    std::optional<bool> nextEnabled = std::nullopt;
    std::optional<bool> createEnabled = std::nullopt;
};

// The navigation of one wizard, as data.
struct WizardTable {
    ButtonStates beforeEveryPage;     // applied by the page function before the page's own row
    std::vector<ButtonStates> pages;  // one row per page
    ButtonStates beforeNextOrBack;    // what the back and next buttons set before they move
    std::vector<int> next;            // the page next moves to; -1 where it does nothing
    std::vector<int> back;            // the page back moves to; -1 where it does nothing
    int summaryPage = 0;              // where a failed or cancelled run returns to
    int progressPage = 0;
    int resultPage = 0;
};

// The control names of one wizard (its configuration keys and texts).
struct WizardNames {
    const char* panel;
    const char* header;  // its caption is the text of `headerText` in the main window
    const char* headerText;
    const char* pageControl;
    const char* back;
    const char* next;
    const char* create;
};

// The names of the controls on the progress and result pages.
struct ProgressPageNames {
    const char* page;
    const char* note;
    const char* status;
    const char* progress;
    const char* cancel;
};
struct ResultPageNames {
    const char* page;
    const char* output;
    const char* saveText;
    const char* saveIndex;  // nullptr: this kind has no index file
    const char* clipboard;
};

class WizardBase : public Translated<QWidget> {
    Q_OBJECT

  public:
    WizardBase(AppContext& context, WizardNames names, WizardTable table, QWidget* parent);

    // The page function: shows the wizard's panel, selects the page and sets the buttons by the
    // table, then does what the page does when it is shown.
    void ShowPage(int page);
    int currentPageIndex() const { return pages_->currentIndex(); }

    void NextClicked();
    void BackClicked();
    // A page chosen on the page control, by a click, Ctrl+Tab or the arrow keys.
    virtual void TabChosen(int page);

    bool isRunning() const { return worker_.isRunning(); }
    // The progress page's cancel: the run stops between pages and the last result stands.
    void CancelRun() { worker_.Cancel(); }
    // Waits for a running run (closing the program during a run).
    void WaitForRun() { worker_.Wait(); }
    const RunWorker& worker() const { return worker_; }

    QPushButton* backButton() const { return back_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* createButton() const { return create_; }
    QTabWidget* pages() const { return pages_; }
    QLabel* statusLabel() const { return status_; }

    // Sets the header's text again after a language switch.
    void ApplyTexts() override;

    // The dialog of the draft options, which the three wizards share.
    void SetDraftDialog(DraftOptionsDialog* dialog) { draftDialog_ = dialog; }
    DraftSwitch* draftSwitch() const { return draftSwitch_; }

  signals:
    void runStarted();
    void runFinished(bool succeeded);

  protected:
    void AddPage(QWidget* page);
    // The page's own effect when the page function shows it (a summary built, a list read).
    virtual void PageShown(int page) {}
    // The create button.
    virtual void StartCreate() = 0;

    QWidget* BuildProgressPage(const ProgressPageNames& names);
    QWidget* BuildResultPage(const ResultPageNames& names, QPlainTextEdit* output);
    // The result page's buttons.
    virtual void SaveOutputText() = 0;
    virtual void SaveIndexFile() {}
    virtual Text OutputText() const = 0;
    void CopyOutputToClipboard();
    // The draft switch of the criteria page; its button opens the draft dialog, modally.
    void UseDraftSwitch(DraftSwitch* draftSwitch);

    // Where a task on the worker leaves the wizard: a run goes on to the result page or back to
    // the summary; reading a document goes back to the page it was started from.
    struct TaskPages {
        int progress = 0;
        int success = 0;
        int failure = 0;
        bool busy = false;  // no steps to count: the progress bar shows that work goes on
    };
    // Runs `work` on the worker over the copies it holds, with the progress page. On success
    // `adopt` takes the result, the success page is shown and `then` runs; on failure the error
    // is shown (not for a cancelled task), then `failed` runs and the failure page is shown.
    // Either way the previous result stays unless `adopt` replaces it.
    template <typename Result>
    void StartTask(std::function<Result(const RunProgress&)> work,
                   std::function<void(Result)> adopt, TaskPages pages,
                   std::function<void()> then = {},
                   std::function<void(const RunFailure&)> failed = {});
    // A run of the index: from the progress page to the result page, or back to the summary.
    template <typename Result>
    void StartRun(std::function<Result(const RunProgress&)> work,
                  std::function<void(Result)> adopt) {
        StartTask<Result>(std::move(work), std::move(adopt),
                          {table_.progressPage, table_.resultPage, table_.summaryPage});
    }

    AppContext& context_;
    const WizardNames names_;
    const WizardTable table_;

  private:
    void ApplyButtons(const ButtonStates& states);
    void PageControlChanged(int page);
    void ShowStatus(const QString& status, int percent);
    void TaskStarting(const TaskPages& pages);
    void TaskEnded(const TaskPages& pages, const RunFailure* failure);

    RunWorker worker_;
    QTabWidget* pages_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* create_ = nullptr;
    QLabel* header_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    DraftSwitch* draftSwitch_ = nullptr;
    DraftOptionsDialog* draftDialog_ = nullptr;
    // True while the page function itself selects a page, so that only the user's own page
    // changes count as tab choices.
    bool selectingPage_ = false;
};

template <typename Result>
void WizardBase::StartTask(std::function<Result(const RunProgress&)> work,
                           std::function<void(Result)> adopt, TaskPages pages,
                           std::function<void()> then,
                           std::function<void(const RunFailure&)> failed) {
    // The progress page comes after the start, so that nothing it sets off (a box losing the
    // focus) can start a second task; the task's end arrives through the event loop.
    const bool started = worker_.Start<Result>(
        std::move(work),
        [this, pages, adopt = std::move(adopt), then = std::move(then)](Result result) {
            adopt(std::move(result));
            TaskEnded(pages, nullptr);
            if (then)
                then();
        },
        [this, pages, failed = std::move(failed)](const RunFailure& failure) {
            if (failed)
                failed(failure);
            TaskEnded(pages, &failure);
        });
    if (started)
        TaskStarting(pages);
}

}  // namespace lexorim::app
