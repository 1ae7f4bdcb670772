#include "app/text_index_runner.h"

#include <QPlainTextDocumentLayout>
#include <QThread>

#include "app/qt_text.h"
#include "engine/collation.h"
#include "engine/errors.h"

namespace lexorim::app {

namespace {
constexpr int kRepaintIntervalMs = 33;
}

TextIndexRunner::TextIndexRunner(QObject* parent) : QObject(parent) {
    repaintTimer_.setInterval(kRepaintIntervalMs);
    connect(&repaintTimer_, &QTimer::timeout, this, &TextIndexRunner::ShowLatestStatus);
}

TextIndexRunner::~TextIndexRunner() {
    Wait();
}

void TextIndexRunner::Wait() {
    if (thread_)
        thread_->wait();
}

void TextIndexRunner::ShowLatestStatus() {
    QString status;
    int percent = 0;
    {
        const std::lock_guard lock(shared_->mutex);
        if (!shared_->changed)
            return;
        shared_->changed = false;
        status = shared_->status;
        percent = shared_->percent;
    }
    emit statusChanged(status, percent);
}

void TextIndexRunner::Start(TextIndexSession& session, TextIndexRunInput input) {
    Wait();
    running_ = true;
    auto error = std::make_shared<QString>();
    auto shownOutput = std::make_shared<std::unique_ptr<QTextDocument>>();
    QThread* guiThread = thread();
    std::shared_ptr<Shared> shared = shared_;
    thread_.reset(QThread::create(
        [&session, input = std::move(input), shared, error, shownOutput, guiThread] {
            RunProgress progress;
            progress.report = [shared](TextView status, int percent) {
                const std::lock_guard lock(shared->mutex);
                shared->status = ToQString(status);
                shared->percent = percent;
                shared->changed = true;
            };
            try {
                const LocaleCollator collator;
                session.Run(input.options, input.criteria, input.lists, collator, input.language,
                            progress);
                auto document = std::make_unique<QTextDocument>();
                document->setDocumentLayout(new QPlainTextDocumentLayout(document.get()));
                document->setPlainText(ToQString(session.output()));
                document->moveToThread(guiThread);
                *shownOutput = std::move(document);
            } catch (const UserError& failure) {
                *error = ToQString(failure.text());
            } catch (const std::exception& failure) {
                *error = QString::fromUtf8(failure.what());
            }
        }));
    connect(thread_.get(), &QThread::finished, this, [this, error, shownOutput] {
        repaintTimer_.stop();
        ShowLatestStatus();
        running_ = false;
        emit finished(*error, shownOutput->release());
    });
    repaintTimer_.start();
    thread_->start();
}

}  // namespace lexorim::app
