// Pictures of the start page, every page of the three wizards, every information page and the
// dialogs in both languages, for looking at the layout: lexorim-screenshots OUTPUT_FOLDER SITE
// [ARGUMENTS...], SITE the start page of a site (added with the pages it links to) or a folder
// whose files are dropped on the lists of the file and keyword index,
// the arguments as the program takes them. Runs on any display, also Xvfb.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/common/source_page.h"
#include "app/fileindex/file_index_wizard.h"
#include "app/fileindex/html_preview_view.h"
#include "app/info/info_panel.h"
#include "app/info/problem_report.h"
#include "app/keywordindex/keyword_index_wizard.h"
#include "app/main_window.h"
#include "app/splash/splash_window.h"
#include "app/textindex/text_index_wizard.h"

using namespace lexorim;
using namespace lexorim::app;

namespace {

bool Save(QWidget* window, const QString& folder, const QString& name) {
    QApplication::processEvents();
    QTest::qWait(50);
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Runs the wizard's index and reports how long the window's longest pause was meanwhile.
template <typename Wizard>
void RunAndWatch(Wizard* wizard, const char* what) {
    QElapsedTimer clock;
    clock.start();
    wizard->StartCreate();
    qint64 longestPause = 0;
    while (wizard->isRunning()) {
        QElapsedTimer pause;
        pause.start();
        QTest::qWait(20);
        longestPause = std::max(longestPause, pause.elapsed() - 20);
    }
    QApplication::processEvents();
    std::printf("%s: run %lld ms, longest pause of the window %lld ms\n", what,
                static_cast<long long>(clock.elapsed()), static_cast<long long>(longestPause));
}

// A site's start page is added with the pages it links to; a folder's files are dropped on the
// list as the desktop would.
void AddSite(SourcePage* page, const QString& site) {
    if (!QFileInfo(site).isDir()) {
        page->AddChosenFile(site);
        return;
    }
    QStringList files;
    for (const QFileInfo& file : QDir(site).entryInfoList(QDir::Files, QDir::Name))
        files << file.filePath();
    QElapsedTimer clock;
    clock.start();
    page->AddDroppedFiles(files);
    std::printf("%lld files dropped in %lld ms\n", static_cast<long long>(files.size()),
                static_cast<long long>(clock.elapsed()));
}

// Waits until the browser has shown the page, and reports how long that took and the window's
// longest pause meanwhile.
void WaitForPreview(HtmlPreviewView* preview) {
    QSignalSpy loaded(preview, &HtmlPreviewView::loadFinished);
    QElapsedTimer clock;
    clock.start();
    qint64 longestPause = 0;
    while (loaded.isEmpty() && clock.elapsed() < 30000) {
        QElapsedTimer pause;
        pause.start();
        QTest::qWait(20);
        longestPause = std::max(longestPause, pause.elapsed() - 20);
    }
    // Laying out and painting follow the load.
    QTest::qWait(500);
    std::printf("preview: shown after %lld ms, longest pause of the window %lld ms\n",
                static_cast<long long>(clock.elapsed()), static_cast<long long>(longestPause));
}

// Every page of a wizard, the result page after a run.
template <typename Wizard>
bool SaveWizardPages(QWidget* window, Wizard* wizard, int pages, const QString& folder,
                     const QString& prefix, const char* what) {
    bool ok = true;
    for (int page = 0; page < pages; ++page) {
        if (page == pages - 1)
            RunAndWatch(wizard, what);
        else
            wizard->TabChosen(page);
        ok &= Save(window, folder, prefix + QString::number(page + 1));
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    RegisterPreviewScheme();
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: lexorim-screenshots OUTPUT_FOLDER SITE [ARGUMENTS...]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString site = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);
    bool ok = true;
    for (const Language language : {Language::German, Language::English}) {
        const QString code =
            language == Language::German ? QStringLiteral("de") : QStringLiteral("en");
        AppContext context;
        context.language = language;
        MainWindow window(context);
        window.show();
        window.StartUp(std::vector<std::string>(argv + 3, argv + argc));
        window.ShowPanel("pstart");
        ok &= Save(&window, folder, code + QStringLiteral("-start"));
        SplashWindow splash(context, false);
        splash.show();
        ok &= Save(&splash, folder, code + QStringLiteral("-Tstart"));
        splash.hide();
        window.ShowPanel("pgtxt");
        ok &= SaveWizardPages(&window, window.textIndex(), 6, folder, code + QStringLiteral("-tt"),
                              "text index");
        // The file index of the site with its linked pages, shown as HTML and as code.
        window.ShowPanel("pgdateien");
        FileIndexWizard* files = window.fileIndex();
        AddSite(files->sourcePage(), site);
        ok &=
            SaveWizardPages(&window, files, 5, folder, code + QStringLiteral("-td"), "file index");
        WaitForPreview(files->preview());
        ok &= Save(&window, folder, code + QStringLiteral("-td5-preview"));
        files->ShowCode();
        ok &= Save(&window, folder, code + QStringLiteral("-td5-code"));
        window.ShowPanel("pgstw");
        KeywordIndexWizard* keywords = window.keywordIndex();
        AddSite(keywords->sourcePage(), site);
        ok &= SaveWizardPages(&window, keywords, 5, folder, code + QStringLiteral("-ts"),
                              "keyword index");
        window.ShowPanel("pinfo");
        auto* info = window.findChild<InfoPanel*>();
        for (int page = 0; page < InfoPanel::kPageCount; ++page) {
            info->ShowInfoPage(page);
            ok &= Save(&window, folder, code + QStringLiteral("-info%1").arg(page + 1));
        }
        for (const char* name :
             {"Tszkriterien", "Tszbearbeiten", "Tdesign", "Teinstausgabe", "Tnegliste", "Teditneg",
              "Ttextdesign", "Thdesign", "Tsdesign", "Tzusatzfunktion",
              ProblemReportWindowName(language), "Tedittxt2idx", "Tedittxt", "Teinstshortcuts_lkfg",
              "Teinstshortcuts_idx", "Tentwurf"}) {
            auto* dialog = window.findChild<QDialog*>(QString::fromLatin1(name));
            dialog->show();
            ok &= Save(dialog, folder, code + QStringLiteral("-") + QString::fromLatin1(name));
            dialog->hide();
        }
    }
    return ok ? 0 : 1;
}
