// lexorim: the desktop program.

#include <QApplication>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/fileindex/html_preview_view.h"
#include "app/main_window.h"
#include "app/program_information.h"
#include "settings/languages.h"

int main(int argc, char** argv) {
    if (const auto status =
            lexorim::app::AnswerInformationRequest({argv + 1, argv + argc}, std::cout)) {
        return *status;
    }
    lexorim::app::RegisterPreviewScheme();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexorim - Orvell"));
    lexorim::app::AppContext context;
    context.language = lexorim::LanguageFromMarkerFiles(std::filesystem::current_path());
    lexorim::app::MainWindow window(context);
    window.show();
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());
    window.StartUp(arguments);
    return QApplication::exec();
}
