#pragma once
// What the windows of the program share: the settings of every window, the interface language,
// the word lists, the sessions of the three index kinds and the configuration state.

#include <functional>
#include <string>
#include <string_view>

#include "engine/language.h"
#include "fileindex/file_index_session.h"
#include "keywordindex/keyword_session.h"
#include "settings/configuration.h"
#include "settings/settings.h"
#include "textfiles/text_writer.h"
#include "textindex/text_index_run.h"
#include "textindex/text_index_session.h"

namespace lexorim::app {

struct AppContext {
    Settings settings;
    Language language = Language::German;
    WordLists lists;
    TextIndexSession textIndex;
    FileIndexSession fileIndex;
    KeywordIndexSession keywordIndex;
    ShellState shell;
    // The font of picture output, chosen in the output settings (not a stored control).
    PictureStyle pictureFont;
    // "Zwischenspeichern": the file index preview goes through its preview file (on) or is shown
    // from memory (off); see PrepareHtmlPreview.
    bool previewCaching = true;
};

// The main window's content panels; exactly one of them is visible.
inline constexpr const char* kContentPanels[] = {"pstart", "pgtxt", "pgdateien", "pgstw", "pinfo"};

// ShowPanel: hides all five panels and shows `panel`, through their settings.
inline void ShowPanel(Settings& settings, std::string_view panel) {
    for (const char* name : kContentPanels) {
        if (panel != name)
            settings.Set(ui::ControlId{ui::tprog::kWindow, name}, u"0");
    }
    settings.Set(ui::ControlId{ui::tprog::kWindow, panel}, u"1");
}

}  // namespace lexorim::app
