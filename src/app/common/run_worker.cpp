#include "app/common/run_worker.h"

#include <QThread>
#include <exception>
#include <new>

#include "app/common/qt_text.h"
#include "engine/errors.h"

namespace lexorim::app {

namespace {
constexpr int kRepaintIntervalMs = 33;
}

ReadContext WorkerReadContext(Language language, const std::atomic<bool>* cancel,
                              QStringList& messages) {
    ReadContext context;
    context.language = language;
    context.cancel = cancel;
    context.showMessage = [&messages](TextView message) { messages << ToQString(message); };
    return context;
}

RunWorker::RunWorker(QObject* parent) : QObject(parent) {
    repaintTimer_.setInterval(kRepaintIntervalMs);
    connect(&repaintTimer_, &QTimer::timeout, this, &RunWorker::ShowLatestStatus);
}

RunWorker::~RunWorker() {
    Cancel();
    Wait();
}

void RunWorker::Wait() {
    if (thread_)
        thread_->wait();
}

void RunWorker::ShowLatestStatus() {
    QString status;
    int percent = 0;
    {
        const std::lock_guard lock(status_->mutex);
        if (!status_->changed)
            return;
        status_->changed = false;
        status = status_->status;
        percent = status_->percent;
    }
    emit statusChanged(status, percent);
}

bool RunWorker::StartWork(Work work, std::function<void()> deliver,
                          std::function<void(const RunFailure&)> failed) {
    if (running_)
        return false;
    Wait();
    running_ = true;
    cancel_->store(false);
    auto failure = std::make_shared<std::optional<RunFailure>>();
    std::shared_ptr<SharedStatus> status = status_;
    std::shared_ptr<const std::atomic<bool>> cancel = cancel_;
    thread_.reset(QThread::create([work = std::move(work), status, cancel, failure] {
        RunProgress progress;
        progress.report = [status](TextView text, int percent) {
            const std::lock_guard lock(status->mutex);
            status->status = ToQString(text);
            status->percent = percent;
            status->changed = true;
        };
        progress.cancel = cancel.get();
        try {
            work(progress);
        } catch (const RunCancelled&) {
            *failure = RunFailure{QString(), true};
        } catch (const UserError& error) {
            *failure = RunFailure{ToQString(error.text()), false};
        } catch (const std::bad_alloc&) {
            *failure = RunFailure{QStringLiteral("Not enough memory to finish the run."), false};
        } catch (const std::exception& error) {
            *failure = RunFailure{QString::fromUtf8(error.what()), false};
        }
    }));
    connect(thread_.get(), &QThread::finished, this,
            [this, failure, deliver = std::move(deliver), failed = std::move(failed)] {
                repaintTimer_.stop();
                ShowLatestStatus();
                running_ = false;
                const bool succeeded = !failure->has_value();
                if (succeeded)
                    deliver();
                else if (failed)
                    failed(**failure);
                emit finished(succeeded);
            });
    repaintTimer_.start();
    emit started();
    thread_->start();
    return true;
}

}  // namespace lexorim::app
