#pragma once
// A window's language routine: every caption, item list and column header of the window's
// widgets (found by objectName) set from the window's text table in the language.

#include <QWidget>
#include <string_view>

#include "engine/language.h"
#include "ui/window_definitions.h"

namespace lexorim::app {

void ApplyWindowTexts(QWidget* root, std::string_view windowClass, Language language);

// A text of a window's table, in the language.
QString WindowQText(std::string_view windowClass, std::string_view name, Language language,
                    ui::TextRole role = ui::TextRole::Caption);

}  // namespace lexorim::app
