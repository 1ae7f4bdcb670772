#pragma once
// The open and save dialogs of the windows: the filter is the text of a window's table in the
// interface language, and a save may suggest a file in the program's folder.

#include <QString>
#include <QWidget>
#include <string_view>

#include "engine/language.h"

namespace lexorim::app {

// The chosen file, or an empty text when the user cancelled. `filter` names the filter text of
// `windowClass` ("Text (*.txt)|*.txt|...").
QString ChooseFileToOpen(QWidget* parent, std::string_view windowClass, std::string_view filter,
                         Language language);
QString ChooseFileToSave(QWidget* parent, std::string_view windowClass, std::string_view filter,
                         Language language, const QString& suggested = {});

// `name` in the program's folder, as a save dialog suggests it.
QString ProgramFolderFile(const QString& name);

}  // namespace lexorim::app
