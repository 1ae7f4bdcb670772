#pragma once
// The interface language: how it is chosen at start, the texts of the windows in it, and the
// texts that depend on the state of the program.

#include <filesystem>
#include <string_view>
#include <vector>

#include "engine/language.h"
#include "settings/settings.h"
#include "ui/window_definitions.h"

namespace lexorim {

// German, unless a file "en" is in the folder; a file "de" there makes it German again.
Language LanguageFromMarkerFiles(const std::filesystem::path& workingFolder);

// The code of `spr`: "de" or "en".
std::string_view LanguageCode(Language language);

// A text of a window in the language; empty when the window has no such text.
TextView WindowText(std::string_view windowClass, std::string_view name, Language language,
                    ui::TextRole role = ui::TextRole::Caption);

struct ShownText {
    std::string_view name;
    ui::TextRole role;
    TextView text;
};

// Every text a window shows in the language, for its language routine.
std::vector<ShownText> WindowTextsFor(std::string_view windowClass, Language language);

// The windows whose texts a language switch (and every configuration load) sets, in order.
const std::vector<std::string_view>& LanguageSwitchOrder();

enum class StatusText { Preparing, ReadingPage, Refreshing, Writing, ReadingFile };
TextView StatusTextFor(StatusText status, Language language);

// The caption of an existing-index label (kt_index, dkt_index) after a language switch: a label
// that shows a chosen path keeps it, any other shows "no index selected".
Text ExistingIndexCaption(TextView current, Language language);

// What the main window's language routine changes in the settings: the information panel of
// the language is shown and the other hidden, and the existing-index labels get their texts.
void ApplyLanguageState(Settings& settings, Language language);

// The items of a minimum-length combo box with their custom item named for the language.
Text MinimumLengthItems(TextView current, Language language);

}  // namespace lexorim
