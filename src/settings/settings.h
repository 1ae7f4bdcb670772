#pragma once
// The values of every setting control of every window: one object for the whole program.
// Code names a control by its typed id (`ui::tdesign::kt_alphabet`); text from outside (the
// command line) names it as configuration files do, and a name that exists in several windows
// is qualified by its window class ("Tdesign.kt_alphabet").

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "engine/text_helpers.h"
#include "ui/control_ids.h"
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

    // True when this is the control that `id` names.
    bool Is(ui::ControlId id) const {
        return window->className == id.window && control->name == id.name;
    }
};

class Settings {
  public:
    // Every control at its default.
    Settings();

    // Told about every control whose value changed, once per change, after the value is set.
    using Listener = std::function<void(const ControlRef& changed)>;

    // The control that an id names.
    ControlRef Resolve(ui::ControlId id) const;
    const Text& Value(ui::ControlId id) const { return Value(id.window, id.name); }
    bool IsOn(ui::ControlId id) const { return IsOn(id.window, id.name); }

    // Sets a value as the user would: check boxes and radio buttons take "1" or "0", and a radio
    // button that is switched on switches the others of its group off.
    void Set(ui::ControlId id, TextView value) { Set(Resolve(id), value); }
    void Set(const ControlRef& ref, TextView value);

    const Text& Value(const ControlRef& ref) const {
        return Value(ref.window->className, ref.control->name);
    }

    // Names as text, for the command line's --set and for callers not yet on the ids.
    //
    // Finds a control by "name" or "Class.name"; throws SettingsError when there is none or
    // when an unqualified name is ambiguous. An unqualified name that the main window owns means
    // the main window's control, as it always has on the command line.
    ControlRef Resolve(std::string_view name) const;
    const Text& Value(std::string_view windowClass, std::string_view control) const;
    bool IsOn(std::string_view windowClass, std::string_view control) const;
    void Set(std::string_view name, TextView value) { Set(Resolve(name), value); }

    // Every control back to its default, each change reported as Set reports it.
    void ResetToDefaults();

    // A listener stays until it is removed by the number AddListener gave.
    size_t AddListener(Listener listener);
    void RemoveListener(size_t id);

  private:
    using Key = std::pair<std::string, std::string>;
    // Stores a value and reports it when it differs from the stored one.
    void Store(const ControlRef& ref, TextView value);

    // A copy of the settings (a run's snapshot, say) starts without the listeners of the
    // original, so it never tells the windows about changes they do not show.
    struct Listeners {
        std::map<size_t, Listener> byId;
        size_t nextId = 1;
        Listeners() = default;
        Listeners(const Listeners&) {}
        Listeners& operator=(const Listeners&) { return *this; }
        Listeners(Listeners&&) = default;
        Listeners& operator=(Listeners&&) = default;
        ~Listeners() = default;
    };

    std::map<Key, Text, std::less<>> values_;
    Listeners listeners_;
};

}  // namespace lexorim
