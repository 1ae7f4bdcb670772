#pragma once
// Runs one core run at a time on a worker thread over a copy of its inputs. The run never sees
// the window's state: it gets what it needs when it starts and hands its result back to the GUI
// thread, where the window adopts it. Status texts arrive far faster than a window can repaint
// (one per page), so they are collected and shown at most about thirty times a second; the last
// one is always shown.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "engine/run_progress.h"
#include "textfiles/text_reader.h"

class QThread;

namespace lexorim::app {

// How a run ended when it gave no result.
struct RunFailure {
    QString error;           // the error text; empty when the run was cancelled
    bool cancelled = false;  // stopped by Cancel(); the previous result stands
};

// How a task on the worker reads its documents: in the interface language, stopped by the task's
// cancel, and with the readers' messages collected into `messages`, to be shown once the task has
// ended, since a message box belongs to the window's thread. The readers report one message at a
// time, so `messages` needs no lock; it must outlive the reading.
ReadContext WorkerReadContext(Language language, const std::atomic<bool>* cancel,
                              QStringList& messages);

class RunWorker : public QObject {
    Q_OBJECT

  public:
    explicit RunWorker(QObject* parent = nullptr);
    ~RunWorker() override;

    // Starts `work` on the worker thread. `work` must own copies of everything it reads. When it
    // returns, `adopt` receives its result on the GUI thread; when it throws or is cancelled,
    // `failed` is called there instead. Does nothing while a run is going on.
    template <typename Result>
    bool Start(std::function<Result(const RunProgress&)> work, std::function<void(Result)> adopt,
               std::function<void(const RunFailure&)> failed);

    bool isRunning() const { return running_; }
    // Asks the run to stop between pages or documents.
    void Cancel() { cancel_->store(true); }
    // Waits for a running run to end (used when the program closes).
    void Wait();

  signals:
    void statusChanged(const QString& status, int percent);
    void started();
    // After `adopt` or `failed` has been called.
    void finished(bool succeeded);

  private:
    using Work = std::function<void(const RunProgress&)>;
    // The result of `work` stays in the closures; `deliver` runs on the GUI thread.
    bool StartWork(Work work, std::function<void()> deliver,
                   std::function<void(const RunFailure&)> failed);
    void ShowLatestStatus();

    struct SharedStatus {
        std::mutex mutex;
        QString status;
        int percent = 0;
        bool changed = false;
    };
    std::shared_ptr<SharedStatus> status_ = std::make_shared<SharedStatus>();
    std::shared_ptr<std::atomic<bool>> cancel_ = std::make_shared<std::atomic<bool>>(false);
    QTimer repaintTimer_;
    std::unique_ptr<QThread> thread_;
    bool running_ = false;
};

template <typename Result>
bool RunWorker::Start(std::function<Result(const RunProgress&)> work,
                      std::function<void(Result)> adopt,
                      std::function<void(const RunFailure&)> failed) {
    auto result = std::make_shared<std::optional<Result>>();
    return StartWork([work = std::move(work),
                      result](const RunProgress& progress) { result->emplace(work(progress)); },
                     [adopt = std::move(adopt), result] { adopt(std::move(**result)); },
                     std::move(failed));
}

}  // namespace lexorim::app
