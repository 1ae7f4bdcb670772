#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <utility>

#include "settings/numeric_controls.h"
#include "settings/settings.h"
#include "ui/window_definitions.h"

namespace lexorim {
namespace {

std::string NameOf(ui::ControlId id) {
    return std::string(id.window) + "." + std::string(id.name);
}

TEST(NumericControls, EntriesAreControlsWithAFallbackAndADefaultInTheirRange) {
    std::set<std::pair<std::string_view, std::string_view>> seen;
    for (const NumericControl& entry : NumericControls()) {
        const std::string name = NameOf(entry.id);
        EXPECT_TRUE(seen.emplace(entry.id.window, entry.id.name).second) << name << " twice";
        const ui::WindowDefinition* window = ui::FindWindow(entry.id.window);
        ASSERT_NE(window, nullptr) << name;
        ASSERT_NE(window->FindControl(entry.id.name), nullptr) << name;
        EXPECT_LE(entry.min, entry.max) << name;
        EXPECT_GE(entry.fallback, entry.min) << name;
        EXPECT_LE(entry.fallback, entry.max) << name;
        // An emptied box is refilled with its default, which must read as a number in range.
        const std::optional<int32_t> standard = ParseIntegerText(entry.DefaultText());
        ASSERT_TRUE(standard.has_value()) << name;
        EXPECT_GE(*standard, entry.min) << name;
        EXPECT_LE(*standard, entry.max) << name;
        // A lower bound of its own needs the sentence that says what a smaller number does.
        EXPECT_EQ(entry.min != std::numeric_limits<int32_t>::min(), !entry.belowMin.empty())
            << name;
        EXPECT_EQ(FindNumericControl(entry.id), &entry) << name;
    }
    EXPECT_EQ(FindNumericControl(ui::tprog::kt_zahlen), nullptr);
}

TEST(NumericControls, GiveTheDefaultsOfTheWindowTables) {
    const struct {
        ui::ControlId id;
        std::u16string_view defaultText;
        bool acceptsMinus;
    } cases[] = {
        {ui::tprog::kt_max, u"3", false},
        {ui::tprog::dkt_max, u"3", false},
        {ui::tprog::stw_max, u"3", false},
        {ui::tszkriterien::sz_laenge, u"5", false},
        {ui::tszkriterien::cb_pluswert, u"1", true},
        {ui::tedittxt::l2sstart, u"1", false},
        {ui::tprog::sz_beginn, u"1", false},
    };
    for (const auto& c : cases) {
        const NumericControl* entry = FindNumericControl(c.id);
        ASSERT_NE(entry, nullptr) << NameOf(c.id);
        EXPECT_EQ(entry->DefaultText(), c.defaultText) << NameOf(c.id);
        EXPECT_EQ(entry->acceptsMinus, c.acceptsMinus) << NameOf(c.id);
    }
}

TEST(NumericControls, ReadTheNumberOrTheFallback) {
    const struct {
        ui::ControlId id;
        std::u16string_view text;
        int32_t number;
    } cases[] = {
        {ui::tprog::kt_max, u"4", 4},
        {ui::tprog::kt_max, u"Benutzerdefiniert..", 2},
        {ui::tprog::kt_max, u"", 2},
        {ui::tprog::kt_max, u"-1", -1},  // below the range, still taken as typed
        {ui::tprog::dkt_max, u"abc", 2},
        {ui::tprog::stw_max, u" 7", 7},
        {ui::tprog::stw_max, u"7 ", 2},
        {ui::tprog::sz_beginn, u"999999999999", 1},
        {ui::tprog::sz_beginn, u"-3", -3},
        {ui::tszkriterien::sz_laenge, u"$10", 16},
        {ui::tszkriterien::sz_laenge, u"x", 5},
        {ui::tszkriterien::sz_laenge, u"0", 0},
        {ui::tszkriterien::cb_pluswert, u"zwei", 0},
        {ui::tszkriterien::cb_pluswert, u"-2", -2},
        {ui::tedittxt::l2sstart, u"iv", 1},
        {ui::tedittxt::zes, u"0x1F", 31},
        {ui::tedittxt::zes, u"2147483648", 1},
    };
    for (const auto& c : cases) {
        Settings settings;
        settings.Set(c.id, c.text);
        EXPECT_EQ(NumberFrom(settings, c.id), c.number) << NameOf(c.id) << "=" << ToUtf8(c.text);
    }
}

TEST(NumericControls, RefuseAControlThatIsNoNumber) {
    const Settings settings;
    EXPECT_THROW(NumberFrom(settings, ui::tdesign::dsep), SettingsError);
}

}  // namespace
}  // namespace lexorim
