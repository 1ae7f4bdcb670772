#include "app/common/file_dialogs.h"

#include <QFileDialog>

#include "app/common/qt_text.h"
#include "engine/program_folder.h"
#include "settings/languages.h"

namespace lexorim::app {

namespace {

QString FilterOf(std::string_view windowClass, std::string_view filter, Language language) {
    return DialogFilter(WindowText(windowClass, filter, language, ui::TextRole::Filter));
}

}  // namespace

QString ChooseFileToOpen(QWidget* parent, std::string_view windowClass, std::string_view filter,
                         Language language) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(),
                                        FilterOf(windowClass, filter, language));
}

QString ChooseFileToSave(QWidget* parent, std::string_view windowClass, std::string_view filter,
                         Language language, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QString(), suggested,
                                        FilterOf(windowClass, filter, language));
}

QString ProgramFolderFile(const QString& name) {
    return QString::fromStdString((ProgramFolder() / ToPath(name)).string());
}

}  // namespace lexorim::app
