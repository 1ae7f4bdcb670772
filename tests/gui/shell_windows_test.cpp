// The small windows around the wizards: the splash with its schedule driven tick by tick, the
// problem report's links, and the compatibility test reading a document's first two pages.

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>

#include "app/app_context.h"
#include "app/common/error_display.h"
#include "app/info/problem_report.h"
#include "app/splash/splash_window.h"
#include "app/tools/compatibility_test.h"
#include "gui_test_support.h"
#include "textfiles/document_fixtures.h"

using namespace lexorim;
using namespace lexorim::app;
using lexorim::app::testing::WriteFile;

class ShellWindowsTest : public QObject {
    Q_OBJECT

  private:
    QStringList messages_;

  private slots:
    void init() {
        messages_.clear();
        SetMessageSink([this](MessageKind, const QString& text) { messages_ << text; });
    }
    void cleanup() { SetMessageSink({}); }

    // The tick on which the main window is first wanted and the one on which the splash goes.
    void theScheduleShowsTheMainWindowAndEnds_data() {
        QTest::addColumn<bool>("startedWithFile");
        QTest::addColumn<int>("firstShown");
        QTest::newRow("no file: 3.2 s") << false << 8;
        QTest::newRow("a file: 0.4 s") << true << 1;
    }
    void theScheduleShowsTheMainWindowAndEnds() {
        QFETCH(bool, startedWithFile);
        QFETCH(int, firstShown);
        SplashSchedule schedule(startedWithFile);
        int shownAt = 0;
        int hiddenAt = 0;
        int showings = 0;
        for (int tick = 1; tick <= 15; ++tick) {
            const SplashStep step = schedule.Tick();
            if (step.showMainWindow) {
                ++showings;
                if (shownAt == 0)
                    shownAt = tick;
            }
            if (step.hideSplash) {
                QCOMPARE(hiddenAt, 0);
                hiddenAt = tick;
            }
        }
        QCOMPARE(shownAt, firstShown);
        // The eleventh tick, 4.4 seconds, ends the splash; nothing happens after it.
        QCOMPARE(hiddenAt, 11);
        QVERIFY(schedule.finished());
        // With a file every tick brings the main window forward; without, every tick from the
        // eighth on.
        QCOMPARE(showings, startedWithFile ? 11 : 4);
    }

    void aClickSkipsTheRestAtOnce() {
        SplashSchedule schedule(false);
        schedule.Tick();
        schedule.Tick();
        const SplashStep click = schedule.Click();
        QVERIFY(click.showMainWindow);
        QVERIFY(click.hideSplash);
        for (int tick = 0; tick < 12; ++tick) {
            const SplashStep later = schedule.Tick();
            QVERIFY(!later.showMainWindow && !later.hideSplash);
        }
    }

    void theWindowFollowsItsScheduleAndTheLanguage() {
        AppContext context;
        SplashWindow splash(context, false);
        QSignalSpy wanted(&splash, &SplashWindow::mainWindowWanted);
        splash.Start();
        QVERIFY(splash.isVisible());
        QVERIFY(splash.timer()->isActive());
        QCOMPARE(splash.timer()->interval(), 400);
        QVERIFY(!splash.englishShown());
        splash.timer()->stop();  // the test is the clock
        for (int tick = 0; tick < 7; ++tick)
            splash.Tick();
        QCOMPARE(wanted.count(), 0);
        // A configuration loaded at start switches the language while the splash shows.
        context.language = Language::English;
        splash.Tick();
        QCOMPARE(wanted.count(), 1);
        QVERIFY(splash.englishShown());
        splash.Tick();
        splash.Tick();
        QVERIFY(splash.isVisible());
        splash.Tick();
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.timer()->isActive());
    }

    void clickingTheSplashShowsTheMainWindowAndHidesIt() {
        AppContext context;
        SplashWindow splash(context, false);
        QSignalSpy wanted(&splash, &SplashWindow::mainWindowWanted);
        splash.Start();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        // A click on a picture counts as a click on the splash.
        QTest::mouseClick(splash.findChild<QWidget*>(QStringLiteral("intro")), Qt::LeftButton);
        QCOMPARE(wanted.count(), 1);
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.timer()->isActive());
    }

    void aFirstArgumentCountsOnlyWhenItIsAFile() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("buch.txt"));
        WriteFile(file, "Text");
        QVERIFY(FirstArgumentIsAFile({file}));
        QVERIFY(FirstArgumentIsAFile({file, QStringLiteral("weitere.lkfg")}));
        QVERIFY(!FirstArgumentIsAFile({}));
        QVERIFY(!FirstArgumentIsAFile({folder.filePath(QStringLiteral("fehlt.txt"))}));
        QVERIFY(!FirstArgumentIsAFile({folder.path()}));
    }

    void theProblemReportsLinksCarryTheirReferrers_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("window");
        QTest::newRow("German") << Language::German << QStringLiteral("Tbugreport_de");
        QTest::newRow("English") << Language::English << QStringLiteral("Tbugreport_en");
    }
    void theProblemReportsLinksCarryTheirReferrers() {
        QFETCH(Language, language);
        QFETCH(QString, window);
        QList<QUrl> opened;
        ProblemReportWindow report(language, nullptr,
                                   [&opened](const QUrl& url) { opened << url; });
        QCOMPARE(report.objectName(), window);
        QVERIFY(!report.isModal());
        QVERIFY(!report.findChild<QLabel*>(QStringLiteral("Label2"))->text().isEmpty());
        emit report.supportLink()->linkActivated(QStringLiteral("#"));
        emit report.customLink()->linkActivated(QStringLiteral("#"));
        QCOMPARE(opened.size(), 2);
        QVERIFY2(opened[0].toString().startsWith(u"https://www.") &&
                     opened[0].toString().contains(u"support/") &&
                     opened[0].toString().endsWith(u"rf=ix"),
                 qPrintable(opened[0].toString()));
        QVERIFY2(opened[1].toString().endsWith(u"rf=r"), qPrintable(opened[1].toString()));
        // The link shows the address without its scheme.
        QVERIFY(!report.supportLink()->text().contains(u"https://"));
    }

    void theCompatibilityTestShowsTheFirstTwoPages() {
        AppContext context;
        CompatibilityTestWindow test(context, nullptr);
        test.Open();
        QVERIFY(test.readers()->text().contains(u"PDF"));
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("drei.pdf"));
        WriteFile(pdf, QByteArray::fromStdString(lexorim::testing::MakePdf(
                           {{"Erste Seite"}, {"Zweite Seite"}, {"Dritte Seite"}})));
        QSignalSpy finished(&test, &CompatibilityTestWindow::testFinished);
        test.TestFile(pdf);
        QVERIFY(finished.wait(20000));
        const QString pages = test.pages()->toPlainText();
        QVERIFY2(pages.contains(u"Erste Seite") && pages.contains(u"Zweite Seite"),
                 qPrintable(pages));
        QVERIFY(!pages.contains(u"Dritte Seite"));
        QCOMPARE(test.verdict()->text(), QStringLiteral("Ihre Word® Version ist kompatibel!"));
        QVERIFY(messages_.isEmpty());
    }

    void aDocumentThatCannotBeReadIsAMessageAndNoVerdict() {
        AppContext context;
        context.language = Language::English;
        CompatibilityTestWindow test(context, nullptr);
        QTemporaryDir folder;
        const QString broken = folder.filePath(QStringLiteral("kaputt.docx"));
        WriteFile(broken, "PK\x03\x04 not really a document");
        QSignalSpy finished(&test, &CompatibilityTestWindow::testFinished);
        test.TestFile(broken);
        QVERIFY(finished.wait(20000));
        QVERIFY(test.verdict()->text().isEmpty());
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_.front().contains(u"kaputt.docx"), qPrintable(messages_.front()));
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "shell_windows_test.moc"
