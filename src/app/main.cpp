// lexorim: the desktop program.

#include <QApplication>
#include <QIcon>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/fileindex/html_preview_view.h"
#include "app/main_window.h"
#include "app/program_information.h"
#include "app/splash/splash_window.h"
#include "settings/languages.h"

int main(int argc, char** argv) {
    if (const auto status =
            lexorim::app::AnswerInformationRequest({argv + 1, argv + argc}, std::cout)) {
        return *status;
    }
    lexorim::app::RegisterPreviewScheme();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexorim - Orvell"));
    // The desktop entry and icon an installation puts in place name the windows' task bar entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("lexorim"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("lexorim")));
    lexorim::app::AppContext context;
    context.language = lexorim::LanguageFromMarkerFiles(std::filesystem::current_path());
    lexorim::app::MainWindow window(context);
    const QStringList arguments = QApplication::arguments().mid(1);
    // The splash decides when the main window appears; its first showing loads the start
    // configuration and takes the command line.
    lexorim::app::SplashWindow splash(context, lexorim::app::FirstArgumentIsAFile(arguments));
    bool started = false;
    QObject::connect(&splash, &lexorim::app::SplashWindow::mainWindowWanted, &window, [&] {
        window.show();
        window.raise();
        if (started)
            return;
        started = true;
        std::vector<std::string> paths;
        for (const QString& argument : arguments)
            paths.push_back(argument.toStdString());
        window.StartUp(paths);
    });
    QObject::connect(&window, &lexorim::app::MainWindow::closed, &splash, &QWidget::close);
    splash.Start();
    return QApplication::exec();
}
