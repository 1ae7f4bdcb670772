#include "settings/settings.h"

namespace lexorim {

namespace {

std::string Qualified(const ControlRef& ref) {
    return std::string(ref.window->className) + "." + std::string(ref.control->name);
}

}  // namespace

Settings::Settings() {
    // No listener is there yet to be told.
    ResetToDefaults();
}

void Settings::ResetToDefaults() {
    for (const ui::WindowDefinition& window : ui::AllWindows()) {
        for (const ui::ControlDefinition& control : window.controls)
            Store({&window, &control}, control.defaultValue);
    }
}

size_t Settings::AddListener(Listener listener) {
    const size_t id = listeners_.nextId++;
    listeners_.byId.emplace(id, std::move(listener));
    return id;
}

void Settings::RemoveListener(size_t id) {
    listeners_.byId.erase(id);
}

void Settings::Store(const ControlRef& ref, TextView value) {
    Text& stored = values_[{std::string(ref.window->className), std::string(ref.control->name)}];
    if (stored == value)
        return;
    stored = Text(value);
    // A listener may remove itself or others while being told, so tell a copy.
    const std::map<size_t, Listener> listeners = listeners_.byId;
    for (const auto& [id, listener] : listeners)
        listener(ref);
}

ControlRef Settings::Resolve(std::string_view name) const {
    const size_t dot = name.find('.');
    if (dot != std::string_view::npos) {
        const ui::WindowDefinition* window = ui::FindWindow(name.substr(0, dot));
        const ui::ControlDefinition* control =
            window != nullptr ? window->FindControl(name.substr(dot + 1)) : nullptr;
        if (control == nullptr) {
            throw SettingsError("unknown setting: " + std::string(name));
        }
        return {window, control};
    }
    const ui::WindowDefinition& main = ui::AllWindows().front();
    if (const ui::ControlDefinition* control = main.FindControl(name))
        return {&main, control};
    ControlRef found;
    for (const ui::WindowDefinition& window : ui::AllWindows()) {
        if (const ui::ControlDefinition* control = window.FindControl(name)) {
            if (found.control != nullptr) {
                throw SettingsError("ambiguous setting " + std::string(name) + ": say " +
                                    Qualified(found) + " or " + Qualified({&window, control}));
            }
            found = {&window, control};
        }
    }
    if (found.control == nullptr) {
        throw SettingsError("unknown setting: " + std::string(name));
    }
    return found;
}

ControlRef Settings::Resolve(ui::ControlId id) const {
    const ui::WindowDefinition* window = ui::FindWindow(id.window);
    const ui::ControlDefinition* control =
        window != nullptr ? window->FindControl(id.name) : nullptr;
    if (control == nullptr) {
        throw SettingsError("unknown setting: " + std::string(id.window) + "." +
                            std::string(id.name));
    }
    return {window, control};
}

const Text& Settings::Value(std::string_view windowClass, std::string_view control) const {
    const auto it = values_.find(Key{windowClass, control});
    if (it == values_.end()) {
        throw SettingsError("unknown setting: " + std::string(windowClass) + "." +
                            std::string(control));
    }
    return it->second;
}

bool Settings::IsOn(std::string_view windowClass, std::string_view control) const {
    return Value(windowClass, control) == u"1";
}

void Settings::Set(const ControlRef& ref, TextView value) {
    const ui::ControlDefinition& control = *ref.control;
    if (ui::IsBinaryKind(control.kind) && value != u"1" && value != u"0") {
        throw SettingsError(Qualified(ref) + " takes 1 or 0");
    }
    // A radio button switched on switches its group off first, as a click does; the others are
    // reported before the one that was clicked.
    if (control.kind == ui::ControlKind::RadioButton && value == u"1") {
        for (const ui::ControlDefinition& other : ref.window->controls) {
            if (&other != &control && other.kind == ui::ControlKind::RadioButton &&
                other.radioGroup == control.radioGroup) {
                Store({ref.window, &other}, u"0");
            }
        }
    }
    Store(ref, value);
}

}  // namespace lexorim
