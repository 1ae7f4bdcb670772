#include "ui/window_definitions.h"

namespace lexorim::ui {

namespace {

using K = ControlKind;

WindowDefinition MainWindow() {
    return {"Tprog",
            "PB",
            {
                {"edit_quelle", K::Edit, u""},
                {"sz_beginn", K::Edit, u"1"},
                {"kt_max", K::ComboBox, u"3"},
                {"qu_datei", K::RadioButton, u"1", "textquelle"},
                {"qu_text", K::RadioButton, u"0", "textquelle"},
                {"sz_zeilezuseite", K::RadioButton, u"0", "seitenzahlen"},
                {"sz_auslesen", K::RadioButton, u"1", "seitenzahlen"},
                {"kt_kleineraus", K::CheckBox, u"1"},
                {"kt_grosseraus", K::CheckBox, u"0"},
                {"kt_maxl", K::CheckBox, u"1"},
                {"kt_zahlen", K::CheckBox, u"1"},
                {"kt_negativliste", K::CheckBox, u"1"},
                {"kt_positivliste", K::CheckBox, u"0"},
                {"kt_keinedoppeltenseiten", K::CheckBox, u"1"},
                {"kt_zusdoppelt", K::CheckBox, u"1"},
                {"kt_integrieren", K::CheckBox, u"0"},
                {"kt_design", K::CheckBox, u"0"},
                {"kt_zusammen", K::CheckBox, u"1"},
                // The path of the existing index to add to; empty while none is chosen.
                {"kt_index", K::Label, u""},
            }};
}

WindowDefinition TextIndexDesign() {
    return {"Tdesign",
            "DS",
            {
                {"dabsatz_abc", K::CheckBox, u"1"},
                {"kt_alphabet", K::CheckBox, u"1"},
                {"dsep", K::LabeledEdit, u", "},
                {"dzw", K::LabeledEdit, u" "},
                {"ub", K::LabeledEdit, u"Index"},
            }};
}

WindowDefinition OutputSettings() {
    return {"Teinstausgabe",
            "EA",
            {
                {"Edit1", K::Edit, u"#FFFFFF"},
                {"rb_ansi", K::RadioButton, u"0", "kodierung"},
                {"rb_utf7", K::RadioButton, u"0", "kodierung"},
                {"rb_utf8", K::RadioButton, u"0", "kodierung"},
                {"rb_beibehalten", K::RadioButton, u"1", "kodierung"},
                {"rb_utf7ansi", K::RadioButton, u"0", "kodierung"},
                {"rb_utf16le", K::RadioButton, u"0", "kodierung"},
                {"rb_utf_be", K::RadioButton, u"0", "kodierung"},
                {"rb_utf32le", K::RadioButton, u"0", "kodierung"},
                {"rb_utf32be", K::RadioButton, u"0", "kodierung"},
                {"rb_utf8bom", K::RadioButton, u"0", "kodierung"},
                {"jazubom", K::CheckBox, u"1"},
            }};
}

WindowDefinition PageNumberCriteria() {
    return {"Tszkriterien",
            "SK",
            {
                {"sz_bwdefs", K::Edit, u"- ( ) [ ]"},
                {"sz_zeichen", K::Edit, u""},
                {"sz_laenge", K::ComboBox, u"5"},
                {"cb_pluswert", K::ComboBox, u"1"},
                {"sz_bwstandard", K::RadioButton, u"1", "zeichen"},
                {"sz_bwdef", K::RadioButton, u"0", "zeichen"},
                {"posueber", K::RadioButton, u"0", "position"},
                {"posunter", K::RadioButton, u"1", "position"},
                {"sz_zeichbeginn", K::CheckBox, u"0"},
                {"sz_zeichenweg", K::CheckBox, u"1"},
                {"sz_kuerzen", K::CheckBox, u"1"},
                {"sz_nurzahl", K::CheckBox, u"1"},
                {"cb_plus", K::CheckBox, u"0"},
            }};
}

}  // namespace

const ControlDefinition* WindowDefinition::FindControl(std::string_view name) const {
    for (const ControlDefinition& control : controls) {
        if (control.name == name)
            return &control;
    }
    return nullptr;
}

const std::vector<WindowDefinition>& AllWindows() {
    static const std::vector<WindowDefinition> windows = {MainWindow(), TextIndexDesign(),
                                                          OutputSettings(), PageNumberCriteria()};
    return windows;
}

const WindowDefinition* FindWindow(std::string_view className) {
    for (const WindowDefinition& window : AllWindows()) {
        if (window.className == className)
            return &window;
    }
    return nullptr;
}

bool IsBinaryKind(ControlKind kind) {
    return kind == ControlKind::RadioButton || kind == ControlKind::CheckBox ||
           kind == ControlKind::Panel;
}

}  // namespace lexorim::ui
