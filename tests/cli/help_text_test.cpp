#include "cli/help_text.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "settings/settings.h"
#include "ui/window_definitions.h"

namespace {

std::set<std::string> ListedSettingNames() {
    std::set<std::string> names;
    std::istringstream lines(lexorim::cli::SettingNamesText());
    for (std::string line; std::getline(lines, line);)
        names.insert(line);
    return names;
}

// Completion offers exactly the names --set takes: each one names a control, and every stored
// control can be named qualified by its window.
TEST(SettingNames, AreTheNamesSetTakes) {
    const lexorim::Settings settings;
    const std::set<std::string> names = ListedSettingNames();
    for (const std::string& name : names)
        EXPECT_NO_THROW(settings.Resolve(name)) << name;
    for (const lexorim::ui::WindowDefinition& window : lexorim::ui::AllWindows()) {
        if (window.code.empty())
            continue;
        for (const lexorim::ui::ControlDefinition& control : window.controls) {
            if (lexorim::ui::IsStoredKind(control.kind)) {
                const std::string qualified =
                    std::string(window.className) + '.' + std::string(control.name);
                EXPECT_TRUE(names.contains(qualified)) << qualified;
            }
        }
    }
}

TEST(SettingNames, OfferANameAloneOnlyWhereItIsEnough) {
    const std::set<std::string> names = ListedSettingNames();
    EXPECT_TRUE(names.contains("sz_zeilezuseite"));  // the main window's
    EXPECT_TRUE(names.contains("Tdesign.dsep"));
    EXPECT_TRUE(names.contains("Thdesign.kt_alphabet"));
    EXPECT_FALSE(names.contains("kt_alphabet"));  // in several design windows
}

}  // namespace
