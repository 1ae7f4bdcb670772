#pragma once
// The numeric boxes of every window, in one table: the number a run reads from each, the value
// that stands in for a text that is not a whole number, and the range in which the number makes
// sense. The option builders, the command line's warnings and the desktop program's number boxes
// all read this table, so a fallback is written down once.

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

#include "engine/text_helpers.h"
#include "settings/settings.h"
#include "ui/control_ids.h"

namespace lexorim {

// The run or tool that reads a numeric control.
enum class NumericUse { TextIndex, FileIndex, KeywordIndex, PageWriting };

struct NumericControl {
    ui::ControlId id;
    NumericUse use;
    // The number a text that is not a whole number (`IsIntegerText`) stands for.
    int32_t fallback;
    // The numbers that make sense; a run still takes one outside, as typed.
    int32_t min = std::numeric_limits<int32_t>::min();
    int32_t max = std::numeric_limits<int32_t>::max();
    // What a run does with a number below `min` (empty where no number is below it).
    std::string_view belowMin = {};
    // The box takes a minus sign besides the digits.
    bool acceptsMinus = false;

    // The text of the control in the window table, which an emptied box is refilled with.
    TextView DefaultText() const;
};

// Every numeric control.
std::span<const NumericControl> NumericControls();

// The entry of a numeric control; nullptr for any other control.
const NumericControl* FindNumericControl(ui::ControlId id);

// The number of a text as a run reads it: its value, or the fallback when it is not a whole
// number.
int32_t NumberOf(const NumericControl& control, TextView text);

// The number a run reads from a numeric control; throws SettingsError for a control that is not
// in the table.
int32_t NumberFrom(const Settings& settings, ui::ControlId id);

}  // namespace lexorim
