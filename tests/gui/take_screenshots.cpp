// Pictures of the start page, every text index page and every information page in both
// languages, for looking at the layout: lexorim-screenshots OUTPUT_FOLDER [ARGUMENTS...], the
// arguments as the program takes them. Runs on any display, also Xvfb.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/fileindex/file_index_design_dialogs.h"
#include "app/info/info_panel.h"
#include "app/keywordindex/keyword_design_dialog.h"
#include "app/main_window.h"
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

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: lexorim-screenshots OUTPUT_FOLDER [ARGUMENTS...]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool ok = true;
    for (const Language language : {Language::German, Language::English}) {
        const QString code =
            language == Language::German ? QStringLiteral("de") : QStringLiteral("en");
        AppContext context;
        context.language = language;
        MainWindow window(context);
        window.show();
        window.StartUp(std::vector<std::string>(argv + 2, argv + argc));
        window.ShowPanel("pstart");
        ok &= Save(&window, folder, code + QStringLiteral("-start"));
        TextIndexWizard* wizard = window.textIndex();
        for (int page = 0; page < 6; ++page) {
            if (page == TextIndexWizard::tt6) {
                QElapsedTimer clock;
                clock.start();
                wizard->StartCreate();
                // The window keeps answering during the run: count the longest pause.
                qint64 longestPause = 0;
                while (wizard->isRunning()) {
                    QElapsedTimer pause;
                    pause.start();
                    QTest::qWait(20);
                    longestPause = std::max(longestPause, pause.elapsed() - 20);
                }
                QApplication::processEvents();
                std::printf("run %lld ms, longest pause of the window %lld ms\n",
                            static_cast<long long>(clock.elapsed()),
                            static_cast<long long>(longestPause));
            } else {
                wizard->TabChosen(page);
            }
            ok &= Save(&window, folder, code + QStringLiteral("-tt%1").arg(page + 1));
        }
        window.ShowPanel("pinfo");
        auto* info = window.findChild<InfoPanel*>();
        for (int page = 0; page < InfoPanel::kPageCount; ++page) {
            info->ShowInfoPage(page);
            ok &= Save(&window, folder, code + QStringLiteral("-info%1").arg(page + 1));
        }
        for (const char* name : {"Tszkriterien", "Tszbearbeiten", "Tdesign", "Teinstausgabe",
                                 "Tnegliste", "Teditneg"}) {
            auto* dialog = window.findChild<QDialog*>(QString::fromLatin1(name));
            dialog->show();
            ok &= Save(dialog, folder, code + QStringLiteral("-") + QString::fromLatin1(name));
            dialog->hide();
        }
        // The design dialogs of the file and keyword index, until the main window owns them.
        FileTextDesignDialog textDesign(context, &window);
        HtmlDesignDialog htmlDesign(context, &window);
        KeywordDesignDialog keywordDesign(context, &window);
        for (QDialog* dialog :
             {static_cast<QDialog*>(&textDesign), static_cast<QDialog*>(&htmlDesign),
              static_cast<QDialog*>(&keywordDesign)}) {
            dialog->show();
            ok &= Save(dialog, folder, code + QStringLiteral("-") + dialog->objectName());
            dialog->hide();
        }
    }
    return ok ? 0 : 1;
}
