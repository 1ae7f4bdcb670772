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
        {ui::tprog::squpfad, u""},
        {ui::tprog::edit_quelle, u""},
        {ui::tprog::qudatei, u""},
        {ui::tprog::sz_beginn, u"1"},
        {ui::tprog::stw_max, u"3"},
        {ui::tprog::kt_max, u"3"},
        {ui::tprog::dkt_max, u"3"},
        {ui::tprog::squdocsearch, u"1"},
        {ui::tprog::stw_kleinraus, u"1"},
        {ui::tprog::stw_htmlraus, u"1"},
        {ui::tprog::stw_maxl, u"1"},
        {ui::tprog::stw_zahlenraus, u"1"},
        {ui::tprog::stw_neg, u"1"},
        {ui::tprog::stw_doppelt, u"1"},
        {ui::tprog::stw_zus, u"1"},
        {ui::tprog::stw_alphabetisch, u"1"},
        {ui::tprog::Zeilenumbruch, u"1"},
        {ui::tprog::kt_kleineraus, u"1"},
        {ui::tprog::kt_maxl, u"1"},
        {ui::tprog::kt_zahlen, u"1"},
        {ui::tprog::kt_negativliste, u"1"},
        {ui::tprog::kt_keinedoppeltenseiten, u"1"},
        {ui::tprog::kt_zusdoppelt, u"1"},
        {ui::tprog::kt_zusammen, u"1"},
        {ui::tprog::la, u"1"},
        {ui::tprog::dkt_kleineraus, u"1"},
        {ui::tprog::htmlraus, u"1"},
        {ui::tprog::dkt_maxl, u"1"},
        {ui::tprog::dkt_zahlenraus, u"1"},
        {ui::tprog::dkt_negativliste, u"1"},
        {ui::tprog::dkt_keinedoppeltenseiten, u"1"},
        {ui::tprog::dkt_zusdoppelt, u"1"},
        {ui::tprog::dkt_zusammen, u"1"},
        {ui::tprog::qu_datei, u"1"},
        {ui::tprog::sz_auslesen, u"1"},
        {ui::tprog::htmlindex, u"1"},
        {ui::tprog::stw_grossraus, u"0"},
        {ui::tprog::stw_pos, u"0"},
        {ui::tprog::stw_design, u"0"},
        {ui::tprog::stw_untereinander, u"0"},
        {ui::tprog::kt_grosseraus, u"0"},
        {ui::tprog::kt_positivliste, u"0"},
        {ui::tprog::kt_integrieren, u"0"},
        {ui::tprog::kt_design, u"0"},
        {ui::tprog::dkt_grosseraus, u"0"},
        {ui::tprog::dkt_positivliste, u"0"},
        {ui::tprog::dkt_design, u"0"},
        {ui::tprog::dkt_integrieren, u"0"},
        {ui::tprog::qu_text, u"0"},
        {ui::tprog::sz_zeilezuseite, u"0"},
        {ui::tprog::textindex, u"0"},
        {ui::tdesign::dabsatz_abc, u"1"},
        {ui::tdesign::kt_alphabet, u"1"},
        {ui::tdesign::dsep, u", "},
        {ui::tdesign::dzw, u" "},
        {ui::tdesign::ub, u"Index"},
        {ui::teditneg::wahl, u"Index: TextIndex"},
        {ui::teditneg::sitzung, u"0"},
        {ui::teditpos::wahl, u"Index: TextIndex"},
        {ui::teditpos::sitzung, u"0"},
        {ui::tedittxt::cb_l2skeinedoppelt, u"1"},
        {ui::tedittxt::curaut, u"1"},
        {ui::tedittxt::Zeilenumbruch, u"1"},
        {ui::tedittxt::l2sstart, u"1"},
        {ui::tedittxt::cursak, u"1"},
        {ui::tedittxt::zes, u"1"},
        {ui::tedittxt::zez, u"#"},
        {ui::tedittxt::vor, u"#NL"},
        {ui::tedittxt::nach, u"#NL"},
        {ui::tedittxt2idx::bentf, u";"},
        {ui::tedittxt2idx::zwsl, u">"},
        {ui::tedittxt2idx::lentf, u"3"},
        {ui::tedittxt2idx::zus_eintrag, u"1"},
        {ui::tedittxt2idx::sl, u"1"},
        {ui::tedittxt2idx::zus_seite, u"0"},
        {ui::tedittxt2idx::zus_auslassen, u"0"},
        {ui::tedittxt2idx::ls, u"0"},
        {ui::tedittxt2idx::cb_linksvorhanden, u"0"},
        {ui::tedittxt2idx::cb_deletetxt, u"0"},
        {ui::tedittxt2idx::cb_deleteidx, u"0"},
        {ui::tedittxt2idx::zws, u", "},
        {ui::tedittxt2idx::zwes, u" "},
        {ui::teinstausgabe::Edit1, u"#FFFFFF"},
        {ui::teinstausgabe::rb_beibehalten, u"1"},
        {ui::teinstausgabe::rb_ansi, u"0"},
        {ui::teinstausgabe::rb_utf7, u"0"},
        {ui::teinstausgabe::rb_utf8, u"0"},
        {ui::teinstausgabe::rb_utf7ansi, u"0"},
        {ui::teinstausgabe::rb_utf16le, u"0"},
        {ui::teinstausgabe::rb_utf_be, u"0"},
        {ui::teinstausgabe::rb_utf32le, u"0"},
        {ui::teinstausgabe::rb_utf32be, u"0"},
        {ui::teinstausgabe::rb_utf8bom, u"0"},
        {ui::teinstausgabe::jazubom, u"1"},
        {ui::thdesign::kt_alphabet, u"1"},
        {ui::thdesign::linkleiste, u"1"},
        {ui::thdesign::schriftart, u"Verdana, Arial, Helvetica, Sans-Serif"},
        {ui::thdesign::ft1, u"24"},
        {ui::thdesign::ft2, u"16"},
        {ui::thdesign::ftt, u"12"},
        {ui::thdesign::farbe_text, u"#333333"},
        {ui::thdesign::farbe_links, u"#0000FF"},
        {ui::thdesign::farbe_hg, u"#FFFFFF"},
        {ui::thdesign::LinkTrenner, u" | "},
        {ui::thdesign::breite_all, u"600px"},
        {ui::thdesign::breite_links, u"180px"},
        {ui::thdesign::breite_rechts, u"350px"},
        {ui::thdesign::breite_top, u"100%"},
        {ui::thdesign::abs_linksrechts, u"10px"},
        {ui::thdesign::abs_zwabschnitt, u"25px"},
        {ui::thdesign::abs_obenunten, u"5px"},
        {ui::thdesign::abs_zwtext, u"0px"},
        {ui::thdesign::htmltitel, u"Index"},
        {ui::thdesign::Ueberschrift, u"Index"},
        {ui::tindexhinzu::edit_quelle, u""},
        {ui::tquhopt::doppelteweg, u"1"},
        {ui::tquhopt::namengross, u"1"},
        {ui::tquhopt::rb1, u"1"},
        {ui::tquhopt::dadweitere, u"0"},
        {ui::tquhopt::endungenweg, u"0"},
        {ui::tquhopt::rb2, u"0"},
        {ui::tquhopt::rb3, u"0"},
        {ui::tsdesign::bez, u"0"},
        {ui::tsdesign::dateiname, u"1"},
        {ui::tsdesign::leerzeile, u"1"},
        {ui::tsdesign::zwe, u", "},
        {ui::tsdesign::zw, u":  "},
        {ui::tsdesign::v, u""},
        {ui::tsdesign::zwdl, u" "},
        {ui::tsdesign::ne, u""},
        {ui::tszbearbeiten::ed1, u""},
        {ui::tszbearbeiten::ed2, u""},
        {ui::tszkriterien::sz_laenge, u"5"},
        {ui::tszkriterien::cb_pluswert, u"1"},
        {ui::tszkriterien::sz_bwdefs, u"- ( ) [ ]"},
        {ui::tszkriterien::sz_zeichen, u""},
        {ui::tszkriterien::sz_nurzahl, u"1"},
        {ui::tszkriterien::sz_kuerzen, u"1"},
        {ui::tszkriterien::sz_zeichenweg, u"1"},
        {ui::tszkriterien::sz_bwstandard, u"1"},
        {ui::tszkriterien::posunter, u"1"},
        {ui::tszkriterien::sz_zeichbeginn, u"0"},
        {ui::tszkriterien::cb_plus, u"0"},
        {ui::tszkriterien::sz_bwdef, u"0"},
        {ui::tszkriterien::posueber, u"0"},
        {ui::ttextdesign::kt_alphabet, u"1"},
        {ui::ttextdesign::namen, u"1"},
        {ui::ttextdesign::links, u"1"},
        {ui::ttextdesign::s, u" | "},
        {ui::ttextdesign::es, u":  "},
        {ui::ttextdesign::b, u""},
        {ui::ttextdesign::bl, u" ["},
        {ui::ttextdesign::l, u"]"},
        {ui::ttextdesign::titel, u"Index"},
        // The standard is the plain index: no draft option.
        {ui::tentwurf::ew_kopfzeilen, u"0"},
        {ui::tentwurf::ew_inhaltsseiten, u"0"},
        {ui::tentwurf::ew_gedrucktenummern, u"0"},
        {ui::tentwurf::ew_versatzdokumente, u"0"},
        {ui::tentwurf::ew_stoppwoerter, u"0"},
        {ui::tentwurf::ew_fachbegriffe, u"0"},
        {ui::tentwurf::ew_wortformen, u"0"},
        {ui::tentwurf::ew_schreibweisen, u"0"},
        {ui::tentwurf::ew_kopfvorzeilen, u"0"},
        {ui::tentwurf::ew_wiederholungen, u"0"},
        {ui::tentwurf::ew_kurzwoerter, u"0"},
        {ui::tentwurf::ew_relevanz, u"0"},
        {ui::tentwurf::ew_haeufigewoerter, u"0"},
        {ui::tentwurf::ew_seitenbereich, u""},
        {ui::tentwurf::ew_sprache, u"auto"},
        {ui::tentwurf::ew_stichwortanzahl, u"15"},
        {ui::tentwurf::ew_dokumentanteil, u"80"},
    };
    return values;
}

void KonfigurationLadenStandard(Settings& settings, AutoSaveChoice& autoSave) {
    for (const StandardValue& standard : StandardConfiguration()) {
        settings.Set(standard.control, standard.value);
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
