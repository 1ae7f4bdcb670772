#pragma once
// The values of every setting control of every window: one object for the whole program.
// Controls are named as in configuration files; a name that exists in several windows is
// qualified by its window class ("Tdesign.kt_alphabet").

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "engine/text_helpers.h"
#include "ui/window_definitions.h"

namespace lexorim {

// A name that is no control, or a value that its control cannot take.
class SettingsError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

struct ControlRef {
    const ui::WindowDefinition* window = nullptr;
    const ui::ControlDefinition* control = nullptr;
};

class Settings {
  public:
    // Every control at its default.
    Settings();

    // Finds a control by "name" or "Class.name"; throws SettingsError when there is none or
    // when an unqualified name is ambiguous.
    ControlRef Resolve(std::string_view name) const;

    const Text& Value(std::string_view windowClass, std::string_view control) const;
    bool IsOn(std::string_view windowClass, std::string_view control) const;

    // Sets a value as the user would: check boxes and radio buttons take "1" or "0", and a radio
    // button that is switched on switches the others of its group off.
    void Set(const ControlRef& ref, TextView value);
    void Set(std::string_view name, TextView value) { Set(Resolve(name), value); }

    void ResetToDefaults();

  private:
    using Key = std::pair<std::string, std::string>;
    std::map<Key, Text, std::less<>> values_;
};

}  // namespace lexorim
