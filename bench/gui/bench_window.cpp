// How well the desktop program's window keeps answering while it works: a timer that should
// fire every 10 ms runs on the window's thread, and its lateness is recorded while the text
// index reads and indexes a large book and while the file index runs over a site and shows
// its page. Runs offscreen (or on any display).
//
// usage: bench_window BOOK.txt SITE_START.html

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/app_context.h"
#include "app/common/qt_text.h"
#include "app/common/source_page.h"
#include "app/fileindex/file_index_wizard.h"
#include "app/fileindex/html_preview_view.h"
#include "app/main_window.h"
#include "app/textindex/text_index_wizard.h"

using namespace lexorim;
using namespace lexorim::app;

namespace {

constexpr int kTickMilliseconds = 10;

// Records how late each tick of a 10 ms timer comes while `work` goes on, until `done`.
struct Lateness {
    qint64 longest = 0;
    qint64 p99 = 0;
    qint64 total = 0;
};

Lateness Watch(const std::function<void()>& start, const std::function<bool()>& done) {
    std::vector<qint64> late;
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(kTickMilliseconds);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        late.push_back(std::max<qint64>(0, sinceTick.elapsed() - kTickMilliseconds));
        sinceTick.restart();
    });
    clock.start();
    sinceTick.start();
    ticker.start();
    start();
    // What `start` did itself on this thread counts as one late tick.
    late.push_back(std::max<qint64>(0, sinceTick.elapsed() - kTickMilliseconds));
    sinceTick.restart();
    while (!done() && clock.elapsed() < 600000)
        QTest::qWait(1);
    ticker.stop();
    Lateness result;
    result.total = clock.elapsed();
    std::sort(late.begin(), late.end());
    if (!late.empty()) {
        result.longest = late.back();
        result.p99 = late[late.size() * 99 / 100];
    }
    return result;
}

void Print(const char* what, const Lateness& lateness) {
    std::printf(
        "%-44s %7.2f s, window late by at most %5lld ms (99%%: %4lld ms), target "
        "100 ms%s\n",
        what, static_cast<double>(lateness.total) / 1000.0,
        static_cast<long long>(lateness.longest), static_cast<long long>(lateness.p99),
        lateness.longest <= 100 ? "" : "  MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_window BOOK.txt SITE_START.html\n");
        return 2;
    }
    RegisterPreviewScheme();
    QApplication application(argc, argv);
    const QString book = QString::fromLocal8Bit(argv[1]);
    const QString site = QString::fromLocal8Bit(argv[2]);
    AppContext context;
    MainWindow window(context);
    window.resize(1000, 700);
    window.show();
    TextIndexWizard* text = window.textIndex();
    window.ShowPanel("pgtxt");

    // The book chosen as the source file: it is read (and shown) before the run.
    Print("text index: reading the book",
          Watch([&] { text->findChild<QLineEdit*>(QStringLiteral("edit_quelle"))->setText(book); },
                [&] { return !text->isRunning(); }));
    Print("text index: the run",
          Watch([&] { text->StartCreate(); }, [&] { return !text->isRunning(); }));

    // The browser engine starts when the file index is first shown; that moment is measured on
    // its own, as the user sees it before choosing any file.
    FileIndexWizard* files = window.fileIndex();
    Print("file index: the panel first shown", Watch([&] { window.ShowPanel("pgdateien"); },
                                                     [&] {
                                                         static QElapsedTimer settle;
                                                         if (!settle.isValid())
                                                             settle.start();
                                                         return settle.elapsed() > 2000;
                                                     }));
    Print("file index: the site scanned into the list",
          Watch([&] { files->sourcePage()->AddChosenFile(site); }, [] { return true; }));
    bool shown = false;
    QObject::connect(files->preview(), &HtmlPreviewView::loadFinished, [&] { shown = true; });
    Print("file index: the run",
          Watch([&] { files->StartCreate(); }, [&] { return !files->isRunning(); }));
    Print("file index: the page shown in the preview",
          Watch([] {}, [&] { return shown || !context.previewCaching; }));
    return 0;
}
