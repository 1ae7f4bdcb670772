#pragma once
// Every window of the program described once as data: its class name, its configuration code
// and its setting controls with their kinds and defaults. The settings model, configuration
// files and the desktop program are all built from these tables.

#include <string_view>
#include <vector>

namespace lexorim::ui {

enum class ControlKind {
    Edit,         // single-line edit box
    ComboBox,     // its shown text is the value
    RadioButton,  // "1" or "0"; one per group is on
    CheckBox,     // "1" or "0"
    Panel,        // visible: "1" or "0"
    LabeledEdit,  // edit box with an attached label
    Label,        // a caption that carries a value (not stored in configuration files)
};

struct ControlDefinition {
    std::string_view name;
    ControlKind kind;
    std::u16string_view defaultValue;
    // Radio buttons that exclude each other share a group name.
    std::string_view radioGroup = {};
};

struct WindowDefinition {
    std::string_view className;
    std::string_view code;  // the two-letter code of configuration sections
    std::vector<ControlDefinition> controls;

    const ControlDefinition* FindControl(std::string_view name) const;
};

const std::vector<WindowDefinition>& AllWindows();
const WindowDefinition* FindWindow(std::string_view className);

bool IsBinaryKind(ControlKind kind);

}  // namespace lexorim::ui
