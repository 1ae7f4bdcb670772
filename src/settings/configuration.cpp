#include "settings/configuration.h"

#include <algorithm>
#include <system_error>

#include "engine/program_folder.h"
#include "settings/profile_file.h"

namespace lexorim {

namespace {

Text Ascii(std::string_view text) {
    return Text(text.begin(), text.end());
}

Text StoredText(const ui::ControlDefinition& control, TextView value) {
    return ui::IsBinaryKind(control.kind) ? Text(value) : ProtectQuotes(value);
}

Text YesNo(bool value) {
    return value ? u"1" : u"0";
}

// The value a control takes from the file, or nothing to leave it as it is.
std::optional<Text> ReadControlValue(const ProfileFile& file, const Text& section,
                                     const ui::ControlDefinition& control) {
    const Text key = Ascii(control.name);
    if (ui::IsBinaryKind(control.kind)) {
        const std::optional<bool> on = file.ReadYesNo(section, key);
        if (!on)
            return std::nullopt;
        return YesNo(*on);
    }
    return file.ReadString(section, key);
}

void LoadGeometry(const ProfileFile& file, bool startup, MainWindowGeometry& geometry,
                  const ScreenSize& screen) {
    if (file.ReadYesNo(u"SP", u"PF").value_or(geometry.maximized)) {
        // A window saved maximised comes back at the top edge (and at the left edge when
        // loaded later by the user), but not maximised.
        geometry.top = 0;
        if (!startup)
            geometry.left = 0;
        geometry.maximized = false;
        return;
    }
    // A value beyond the screen leaves its dimension as it is; so does a size of zero or less,
    // which would leave no window to see. Edges may be negative (a screen to the left).
    auto apply = [&file](std::u16string_view key, int32_t& value, int32_t limit, bool isSize) {
        const int32_t read = file.ReadInteger(u"SP", key).value_or(value);
        if (read <= limit && (!isSize || read > 0))
            value = read;
    };
    apply(u"PB", geometry.clientWidth, screen.width, true);
    apply(u"PH", geometry.clientHeight, screen.height, true);
    apply(u"PT", geometry.top, screen.height, false);
    apply(u"PL", geometry.left, screen.width, false);
}

}  // namespace

std::string ConfigurationSection(const ui::WindowDefinition& window,
                                 const ui::ControlDefinition& control) {
    const std::string_view kind = ui::KindCode(control.kind);
    if (window.code.empty() || kind.empty())
        return {};
    return std::string(window.code) + std::string(kind);
}

void KonfigurationSpeichern(const std::string& path, const Settings& settings,
                            const ShellState& shell) {
    ProfileFile file = ProfileFile::ReadForUpdate(path);
    for (const ui::WindowDefinition& window : ui::AllWindows()) {
        for (const ui::ControlDefinition& control : window.controls) {
            const std::string section = ConfigurationSection(window, control);
            if (section.empty())
                continue;
            file.WriteString(Ascii(section), Ascii(control.name),
                             StoredText(control, settings.Value({&window, &control})));
        }
    }
    const MainWindowGeometry& g = shell.geometry;
    file.WriteString(u"SP", u"PF", YesNo(g.maximized));
    file.WriteString(u"SP", u"PB", DecimalText(g.clientWidth));
    file.WriteString(u"SP", u"PH", DecimalText(g.clientHeight));
    file.WriteString(u"SP", u"PT", DecimalText(g.top));
    file.WriteString(u"SP", u"PL", DecimalText(g.left));
    file.WriteString(u"AS", u"N", YesNo(shell.autoSave.never));
    file.WriteString(u"AS", u"A", YesNo(shell.autoSave.all));
    file.Save(path);
}

void KonfigurationLaden(const std::string& path, bool startup, Settings& settings,
                        ShellState& shell, const ScreenSize& screen,
                        const std::function<void()>& reapplyTexts) {
    ApplyConfiguration(ProfileFile::ReadOrEmpty(path), startup, settings, shell, screen);
    if (reapplyTexts)
        reapplyTexts();
}

void ApplyConfiguration(const ProfileFile& file, bool startup, Settings& settings,
                        ShellState& shell, const ScreenSize& screen) {
    for (const ui::WindowDefinition& window : ui::AllWindows()) {
        for (const ui::ControlDefinition& control : window.controls) {
            const std::string section = ConfigurationSection(window, control);
            if (section.empty())
                continue;
            if (const std::optional<Text> value = ReadControlValue(file, Ascii(section), control))
                settings.Set({&window, &control}, *value);
        }
    }
    LoadGeometry(file, startup, shell.geometry, screen);
    shell.autoSave.never = file.ReadYesNo(u"AS", u"N").value_or(shell.autoSave.never);
    shell.autoSave.all = file.ReadYesNo(u"AS", u"A").value_or(shell.autoSave.all);
}

const std::vector<StandardValue>& StandardConfiguration() {
    static const std::vector<StandardValue> values = {
        {"Tprog", "squpfad", u""},
        {"Tprog", "edit_quelle", u""},
        {"Tprog", "qudatei", u""},
        {"Tprog", "sz_beginn", u"1"},
        {"Tprog", "stw_max", u"3"},
        {"Tprog", "kt_max", u"3"},
        {"Tprog", "dkt_max", u"3"},
        {"Tprog", "squdocsearch", u"1"},
        {"Tprog", "stw_kleinraus", u"1"},
        {"Tprog", "stw_htmlraus", u"1"},
        {"Tprog", "stw_maxl", u"1"},
        {"Tprog", "stw_zahlenraus", u"1"},
        {"Tprog", "stw_neg", u"1"},
        {"Tprog", "stw_doppelt", u"1"},
        {"Tprog", "stw_zus", u"1"},
        {"Tprog", "stw_alphabetisch", u"1"},
        {"Tprog", "Zeilenumbruch", u"1"},
        {"Tprog", "kt_kleineraus", u"1"},
        {"Tprog", "kt_maxl", u"1"},
        {"Tprog", "kt_zahlen", u"1"},
        {"Tprog", "kt_negativliste", u"1"},
        {"Tprog", "kt_keinedoppeltenseiten", u"1"},
        {"Tprog", "kt_zusdoppelt", u"1"},
        {"Tprog", "kt_zusammen", u"1"},
        {"Tprog", "la", u"1"},
        {"Tprog", "dkt_kleineraus", u"1"},
        {"Tprog", "htmlraus", u"1"},
        {"Tprog", "dkt_maxl", u"1"},
        {"Tprog", "dkt_zahlenraus", u"1"},
        {"Tprog", "dkt_negativliste", u"1"},
        {"Tprog", "dkt_keinedoppeltenseiten", u"1"},
        {"Tprog", "dkt_zusdoppelt", u"1"},
        {"Tprog", "dkt_zusammen", u"1"},
        {"Tprog", "qu_datei", u"1"},
        {"Tprog", "sz_auslesen", u"1"},
        {"Tprog", "htmlindex", u"1"},
        {"Tprog", "stw_grossraus", u"0"},
        {"Tprog", "stw_pos", u"0"},
        {"Tprog", "stw_design", u"0"},
        {"Tprog", "stw_untereinander", u"0"},
        {"Tprog", "kt_grosseraus", u"0"},
        {"Tprog", "kt_positivliste", u"0"},
        {"Tprog", "kt_integrieren", u"0"},
        {"Tprog", "kt_design", u"0"},
        {"Tprog", "dkt_grosseraus", u"0"},
        {"Tprog", "dkt_positivliste", u"0"},
        {"Tprog", "dkt_design", u"0"},
        {"Tprog", "dkt_integrieren", u"0"},
        {"Tprog", "qu_text", u"0"},
        {"Tprog", "sz_zeilezuseite", u"0"},
        {"Tprog", "textindex", u"0"},
        {"Tdesign", "dabsatz_abc", u"1"},
        {"Tdesign", "kt_alphabet", u"1"},
        {"Tdesign", "dsep", u", "},
        {"Tdesign", "dzw", u" "},
        {"Tdesign", "ub", u"Index"},
        {"Teditneg", "wahl", u"Index: TextIndex"},
        {"Teditneg", "sitzung", u"0"},
        {"Teditpos", "wahl", u"Index: TextIndex"},
        {"Teditpos", "sitzung", u"0"},
        {"Tedittxt", "cb_l2skeinedoppelt", u"1"},
        {"Tedittxt", "curaut", u"1"},
        {"Tedittxt", "Zeilenumbruch", u"1"},
        {"Tedittxt", "l2sstart", u"1"},
        {"Tedittxt", "cursak", u"1"},
        {"Tedittxt", "zes", u"1"},
        {"Tedittxt", "zez", u"#"},
        {"Tedittxt", "vor", u"#NL"},
        {"Tedittxt", "nach", u"#NL"},
        {"Tedittxt2idx", "bentf", u";"},
        {"Tedittxt2idx", "zwsl", u">"},
        {"Tedittxt2idx", "lentf", u"3"},
        {"Tedittxt2idx", "zus_eintrag", u"1"},
        {"Tedittxt2idx", "sl", u"1"},
        {"Tedittxt2idx", "zus_seite", u"0"},
        {"Tedittxt2idx", "zus_auslassen", u"0"},
        {"Tedittxt2idx", "ls", u"0"},
        {"Tedittxt2idx", "cb_linksvorhanden", u"0"},
        {"Tedittxt2idx", "cb_deletetxt", u"0"},
        {"Tedittxt2idx", "cb_deleteidx", u"0"},
        {"Tedittxt2idx", "zws", u", "},
        {"Tedittxt2idx", "zwes", u" "},
        {"Teinstausgabe", "Edit1", u"#FFFFFF"},
        {"Teinstausgabe", "rb_beibehalten", u"1"},
        {"Teinstausgabe", "rb_ansi", u"0"},
        {"Teinstausgabe", "rb_utf7", u"0"},
        {"Teinstausgabe", "rb_utf8", u"0"},
        {"Teinstausgabe", "rb_utf7ansi", u"0"},
        {"Teinstausgabe", "rb_utf16le", u"0"},
        {"Teinstausgabe", "rb_utf_be", u"0"},
        {"Teinstausgabe", "rb_utf32le", u"0"},
        {"Teinstausgabe", "rb_utf32be", u"0"},
        {"Teinstausgabe", "rb_utf8bom", u"0"},
        {"Teinstausgabe", "jazubom", u"1"},
        {"Thdesign", "kt_alphabet", u"1"},
        {"Thdesign", "linkleiste", u"1"},
        {"Thdesign", "schriftart", u"Verdana, Arial, Helvetica, Sans-Serif"},
        {"Thdesign", "ft1", u"24"},
        {"Thdesign", "ft2", u"16"},
        {"Thdesign", "ftt", u"12"},
        {"Thdesign", "farbe_text", u"#333333"},
        {"Thdesign", "farbe_links", u"#0000FF"},
        {"Thdesign", "farbe_hg", u"#FFFFFF"},
        {"Thdesign", "LinkTrenner", u" | "},
        {"Thdesign", "breite_all", u"600px"},
        {"Thdesign", "breite_links", u"180px"},
        {"Thdesign", "breite_rechts", u"350px"},
        {"Thdesign", "breite_top", u"100%"},
        {"Thdesign", "abs_linksrechts", u"10px"},
        {"Thdesign", "abs_zwabschnitt", u"25px"},
        {"Thdesign", "abs_obenunten", u"5px"},
        {"Thdesign", "abs_zwtext", u"0px"},
        {"Thdesign", "htmltitel", u"Index"},
        {"Thdesign", "Ueberschrift", u"Index"},
        {"Tindexhinzu", "edit_quelle", u""},
        {"Tquhopt", "doppelteweg", u"1"},
        {"Tquhopt", "namengross", u"1"},
        {"Tquhopt", "rb1", u"1"},
        {"Tquhopt", "dadweitere", u"0"},
        {"Tquhopt", "endungenweg", u"0"},
        {"Tquhopt", "rb2", u"0"},
        {"Tquhopt", "rb3", u"0"},
        {"Tsdesign", "bez", u"0"},
        {"Tsdesign", "dateiname", u"1"},
        {"Tsdesign", "leerzeile", u"1"},
        {"Tsdesign", "zwe", u", "},
        {"Tsdesign", "zw", u":  "},
        {"Tsdesign", "v", u""},
        {"Tsdesign", "zwdl", u" "},
        {"Tsdesign", "ne", u""},
        {"Tszbearbeiten", "ed1", u""},
        {"Tszbearbeiten", "ed2", u""},
        {"Tszkriterien", "sz_laenge", u"5"},
        {"Tszkriterien", "cb_pluswert", u"1"},
        {"Tszkriterien", "sz_bwdefs", u"- ( ) [ ]"},
        {"Tszkriterien", "sz_zeichen", u""},
        {"Tszkriterien", "sz_nurzahl", u"1"},
        {"Tszkriterien", "sz_kuerzen", u"1"},
        {"Tszkriterien", "sz_zeichenweg", u"1"},
        {"Tszkriterien", "sz_bwstandard", u"1"},
        {"Tszkriterien", "posunter", u"1"},
        {"Tszkriterien", "sz_zeichbeginn", u"0"},
        {"Tszkriterien", "cb_plus", u"0"},
        {"Tszkriterien", "sz_bwdef", u"0"},
        {"Tszkriterien", "posueber", u"0"},
        {"Ttextdesign", "kt_alphabet", u"1"},
        {"Ttextdesign", "namen", u"1"},
        {"Ttextdesign", "links", u"1"},
        {"Ttextdesign", "s", u" | "},
        {"Ttextdesign", "es", u":  "},
        {"Ttextdesign", "b", u""},
        {"Ttextdesign", "bl", u" ["},
        {"Ttextdesign", "l", u"]"},
        {"Ttextdesign", "titel", u"Index"},
    };
    return values;
}

void KonfigurationLadenStandard(Settings& settings, AutoSaveChoice& autoSave) {
    for (const StandardValue& standard : StandardConfiguration()) {
        settings.Set(std::string(standard.window) + "." + std::string(standard.control),
                     standard.value);
    }
    autoSave = AutoSaveChoice{};
}

std::filesystem::path StartConfigurationPath() {
    return ProgramFolder() / "Auto.lkfg";
}

bool ConfigurationMenu::Add(const std::string& path) {
    if (path == startHint_)
        return false;
    for (const ConfigurationMenuItem& item : items_) {
        if (item.hint == path)
            return false;
    }
    items_.push_back({"m_konfig_" + std::to_string(kFixedItems + items_.size()),
                      ShortenPath(FromUtf8(path), kCaptionWidth, width_), path});
    return true;
}

void ConfigurationMenu::AddFolder(const std::filesystem::path& folder) {
    std::vector<std::string> paths;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (it->path().extension() == ".lkfg" && it->is_regular_file(typeError))
            paths.push_back(it->path().string());
    }
    std::sort(paths.begin(), paths.end());
    for (const std::string& path : paths)
        Add(path);
}

}  // namespace lexorim
