#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "ui/control_ids.h"
#include "ui/window_definitions.h"

namespace lexorim::ui {
namespace {

using Named = std::pair<std::string, std::string>;

std::set<Named> IdNames() {
    std::set<Named> names;
    for (const std::span<const ControlId> window : kControlsByWindow) {
        for (const ControlId& id : window)
            names.emplace(id.window, id.name);
    }
    return names;
}

std::set<Named> TableNames() {
    std::set<Named> names;
    for (const WindowDefinition& window : AllWindows()) {
        for (const ControlDefinition& control : window.controls)
            names.emplace(window.className, control.name);
    }
    return names;
}

std::string Listed(const std::set<Named>& names) {
    std::string text;
    for (const auto& [window, control] : names)
        text += " " + window + "." + control;
    return text;
}

TEST(ControlIds, NameExactlyTheControlsOfTheWindowTables) {
    const std::set<Named> ids = IdNames();
    const std::set<Named> table = TableNames();
    std::set<Named> withoutControl;
    for (const Named& id : ids) {
        if (!table.contains(id))
            withoutControl.insert(id);
    }
    std::set<Named> withoutId;
    for (const Named& control : table) {
        if (!ids.contains(control))
            withoutId.insert(control);
    }
    EXPECT_TRUE(withoutControl.empty()) << "ids without a control:" << Listed(withoutControl);
    EXPECT_TRUE(withoutId.empty()) << "controls without an id:" << Listed(withoutId);
}

TEST(ControlIds, CarryTheirWindowAndName) {
    // Names that several windows share stay apart by their window.
    static_assert(tdesign::kt_alphabet != thdesign::kt_alphabet);
    static_assert(tprog::Zeilenumbruch.name == tedittxt::Zeilenumbruch.name);
    EXPECT_EQ(tprog::kt_max.window, "Tprog");
    EXPECT_EQ(tprog::kt_max.name, "kt_max");
    EXPECT_EQ(tdesign::dsep.window, "Tdesign");
    EXPECT_EQ(tszkriterien::sz_laenge.window, "Tszkriterien");
}

}  // namespace
}  // namespace lexorim::ui
