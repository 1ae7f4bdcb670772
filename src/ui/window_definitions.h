#pragma once
// Every window of the program described once as data: its class name, its configuration code,
// its setting controls with their kinds and defaults, and its texts in German and English. The
// settings model, configuration files, the language switch, the desktop program and the command
// line are all built from these tables.

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

// What a text of a window is used for.
enum class TextRole {
    Caption,          // a control's caption; the window's own title has the empty name
    Hint,             // a tool tip
    Filter,           // the filter of a file dialog
    Title,            // the title of a file dialog
    DefaultFileName,  // the name a save dialog offers
    Items,            // the items of a list or combo box, separated by "\n"
    Column,           // the column headers of a list, separated by "\n"
    Message,          // a message, status text or text built at its moment of use
};

struct WindowText {
    std::string_view name;  // the control, dialog or message name; empty for the window title
    TextRole role;
    std::u16string_view german;
    std::u16string_view english;
};

struct WindowDefinition {
    std::string_view className;
    // The two-letter code of configuration sections; empty for a window that stores nothing.
    std::string_view code;
    // The stored controls in configuration order, then the value-carrying labels.
    std::vector<ControlDefinition> controls;
    std::vector<WindowText> texts;

    const ControlDefinition* FindControl(std::string_view name) const;
    const WindowText* FindText(std::string_view name, TextRole role = TextRole::Caption) const;
};

// Every window, the configured ones in the order in which configurations save and load them.
const std::vector<WindowDefinition>& AllWindows();
const WindowDefinition* FindWindow(std::string_view className);

bool IsBinaryKind(ControlKind kind);
// True for the kinds a configuration file holds.
bool IsStoredKind(ControlKind kind);
// The two-letter kind code of configuration sections ("ED", "CB", "RB", "CH", "PA", "LE"); empty
// for kinds that are not stored.
std::string_view KindCode(ControlKind kind);

// The text of a window in the given language (`german` chooses between the two columns); empty
// when the window has no such text.
std::u16string_view WindowTextFor(std::string_view className, std::string_view name, TextRole role,
                                  bool german);

}  // namespace lexorim::ui
