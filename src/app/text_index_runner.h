#pragma once
// Runs the text index of a session on a worker thread. The run's status texts arrive far faster
// than a window can repaint (one per page), so they are collected and shown at most about thirty
// times a second; the last one is always shown.

#include <QObject>
#include <QString>
#include <QTextDocument>
#include <QTimer>
#include <atomic>
#include <memory>
#include <mutex>

#include "engine/language.h"
#include "textindex/text_index_run.h"
#include "textindex/text_index_session.h"

namespace lexorim::app {

struct TextIndexRunInput {
    TextIndexOptions options;
    DesignationCriteria criteria;
    WordLists lists;
    Language language = Language::German;
};

class TextIndexRunner : public QObject {
    Q_OBJECT

  public:
    explicit TextIndexRunner(QObject* parent = nullptr);
    ~TextIndexRunner() override;

    // Starts the run; the session must not be touched until `finished` is signalled.
    void Start(TextIndexSession& session, TextIndexRunInput input);
    bool isRunning() const { return running_; }
    // Waits for a running run to end (used when the program closes).
    void Wait();

  signals:
    void statusChanged(const QString& status, int percent);
    // `error` is empty when the run succeeded; then `shownOutput` is the output laid out for a
    // plain-text view (made on the worker, so a large index does not hold up the window), and
    // the receiver takes it over.
    void finished(const QString& error, QTextDocument* shownOutput);

  private:
    void ShowLatestStatus();

    struct Shared {
        std::mutex mutex;
        QString status;
        int percent = 0;
        bool changed = false;
    };
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
    QTimer repaintTimer_;
    std::unique_ptr<QThread> thread_;
    bool running_ = false;
};

}  // namespace lexorim::app
