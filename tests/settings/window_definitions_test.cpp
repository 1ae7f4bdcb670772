#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "settings/configuration.h"
#include "settings/languages.h"
#include "ui/window_definitions.h"

namespace lexorim {
namespace {

// The keys of every configuration section in the order the controls are written, as the file
// format fixes them.
const std::map<std::string, std::string>& ExpectedSections() {
    static const std::map<std::string, std::string> sections = {
        {"PBED", "squpfad edit_quelle sz_beginn qudatei"},
        {"PBCB", "stw_max kt_max dkt_max"},
        {"PBRB", "qu_datei qu_text sz_zeilezuseite sz_auslesen htmlindex textindex"},
        {"PBCH",
         "squdocsearch stw_kleinraus stw_grossraus stw_htmlraus stw_maxl stw_zahlenraus stw_neg "
         "stw_pos stw_design stw_doppelt stw_zus stw_untereinander stw_alphabetisch Zeilenumbruch "
         "kt_kleineraus kt_grosseraus kt_maxl kt_zahlen kt_negativliste kt_positivliste "
         "kt_keinedoppeltenseiten kt_zusdoppelt kt_integrieren kt_design kt_zusammen la "
         "dkt_kleineraus dkt_grosseraus htmlraus dkt_maxl dkt_zahlenraus dkt_negativliste "
         "dkt_positivliste dkt_design dkt_keinedoppeltenseiten dkt_zusdoppelt dkt_integrieren "
         "dkt_zusammen"},
        {"PBPA",
         "rand pgstw pstw Panel7 Panel8 pgtxt ptxt Panel1 Panel2 pgdateien pdateien Panel5 Panel6 "
         "pstart pstart_de pinfo pinfo_en Panel10 Panel9 pinfo_de Panel3 Panel4"},
        {"DSCH", "dabsatz_abc kt_alphabet"},
        {"DSLE", "dsep dzw ub"},
        {"ENCB", "wahl"},
        {"EPCB", "wahl"},
        {"ENCH", "sitzung"},
        {"EPCH", "sitzung"},
        {"ETCH", "cb_l2skeinedoppelt curaut Zeilenumbruch"},
        {"ETLE", "l2sstart cursak zes zez vor nach"},
        {"EIED", "bentf zwsl"},
        {"EICB", "lentf"},
        {"EIRB", "zus_eintrag zus_seite zus_auslassen sl ls"},
        {"EICH", "cb_linksvorhanden cb_deletetxt cb_deleteidx"},
        {"EIPA", "Panel1 Panel2 Panel3 Panel4"},
        {"EILE", "zws zwes"},
        {"EAED", "Edit1"},
        {"EARB",
         "rb_ansi rb_utf7 rb_utf8 rb_beibehalten rb_utf7ansi rb_utf16le rb_utf_be rb_utf32le "
         "rb_utf32be rb_utf8bom"},
        {"EACH", "jazubom"},
        {"HDED", "farbe_text farbe_links farbe_hg"},
        {"HDCB", "schriftart ft1 ft2 ftt"},
        {"HDCH", "kt_alphabet linkleiste"},
        {"HDPA", "pafa_text pafa_links pafa_hg"},
        {"HDLE",
         "LinkTrenner breite_all breite_links breite_rechts breite_top abs_linksrechts "
         "abs_zwabschnitt abs_obenunten abs_zwtext htmltitel Ueberschrift"},
        {"IHED", "edit_quelle"},
        {"QORB", "rb1 rb2 rb3"},
        {"QOCH", "doppelteweg dadweitere endungenweg namengross"},
        {"SDCH", "bez dateiname leerzeile"},
        {"SDLE", "zwe zw v zwdl ne"},
        {"SBLE", "ed1 ed2"},
        {"SKED", "sz_bwdefs sz_zeichen"},
        {"SKCB", "sz_laenge cb_pluswert"},
        {"SKRB", "sz_bwstandard sz_bwdef posueber posunter"},
        {"SKCH", "sz_nurzahl sz_kuerzen sz_zeichbeginn sz_zeichenweg cb_plus"},
        {"TDCH", "kt_alphabet namen links"},
        {"TDLE", "s es b bl l titel"},
        // The draft options are this program's own: sections that older files do not have,
        // after all the others, so a file without them loads as the plain index.
        {"EWCH",
         "ew_kopfzeilen ew_inhaltsseiten ew_gedrucktenummern ew_versatzdokumente ew_stoppwoerter "
         "ew_fachbegriffe ew_wortformen ew_schreibweisen ew_kopfvorzeilen ew_wiederholungen "
         "ew_kurzwoerter ew_relevanz ew_haeufigewoerter"},
        {"EWED", "ew_seitenbereich ew_stichwortanzahl ew_dokumentanteil"},
        {"EWCB", "ew_sprache"},
    };
    return sections;
}

TEST(WindowDefinitions, StoreExactlyTheSectionsAndKeysOfTheFileFormat) {
    std::map<std::string, std::string> actual;
    for (const ui::WindowDefinition& window : ui::AllWindows()) {
        for (const ui::ControlDefinition& control : window.controls) {
            const std::string section = ConfigurationSection(window, control);
            if (section.empty())
                continue;
            std::string& keys = actual[section];
            keys += (keys.empty() ? "" : " ") + std::string(control.name);
        }
    }
    EXPECT_EQ(actual, ExpectedSections());
}

TEST(WindowDefinitions, KeepTheWindowOrderOfConfigurations) {
    std::string codes;
    for (const ui::WindowDefinition& window : ui::AllWindows()) {
        if (!window.code.empty())
            codes += std::string(window.code) + " ";
    }
    EXPECT_EQ(codes, "PB DS EN EP ET EI EA HD IH NL PL QO SD SB SK TD EW ");
    EXPECT_EQ(ui::AllWindows().front().controls.front().name, "rand");
}

TEST(WindowDefinitions, HaveUniqueNamesAndOneDefaultRadioButtonPerGroup) {
    std::set<std::string_view> classes;
    for (const ui::WindowDefinition& window : ui::AllWindows()) {
        EXPECT_TRUE(classes.insert(window.className).second) << window.className;
        std::set<std::string_view> names;
        std::map<std::string_view, int> radioButtonsOn;
        for (const ui::ControlDefinition& control : window.controls) {
            EXPECT_TRUE(names.insert(control.name).second)
                << window.className << "." << control.name;
            if (ui::IsBinaryKind(control.kind)) {
                EXPECT_TRUE(control.defaultValue == u"1" || control.defaultValue == u"0")
                    << control.name;
            }
            if (control.kind == ui::ControlKind::RadioButton) {
                EXPECT_FALSE(control.radioGroup.empty()) << control.name;
                radioButtonsOn[control.radioGroup] += control.defaultValue == u"1" ? 1 : 0;
            }
        }
        for (const auto& [group, on] : radioButtonsOn)
            EXPECT_EQ(on, 1) << window.className << " group " << group;
    }
}

TEST(WindowDefinitions, DefaultsAreTheStandardConfiguration) {
    for (const StandardValue& standard : StandardConfiguration()) {
        const ui::ControlId id = standard.control;
        const ui::WindowDefinition* window = ui::FindWindow(id.window);
        ASSERT_NE(window, nullptr) << id.window;
        const ui::ControlDefinition* control = window->FindControl(id.name);
        ASSERT_NE(control, nullptr) << id.window << "." << id.name;
        EXPECT_EQ(control->defaultValue, standard.value) << id.window << "." << id.name;
    }
}

TEST(WindowDefinitions, GiveEveryTextInBothLanguages) {
    struct Case {
        std::string_view window, name;
        ui::TextRole role;
        std::u16string_view german, english;
    };
    for (const Case& c : std::vector<Case>{
             {"Tprog", "StatusReadingPage", ui::TextRole::Message, u"Seite einlesen: ",
              u"Reading Page: "},
             {"Tprog", "szwischenablage", ui::TextRole::Caption, u"Zwischenablage", u"To Clipboad"},
             {"Tprog", "KonfigurationSpeichernDialog", ui::TextRole::DefaultFileName,
              u"Konfiguration.lkfg", u"Configuration.lkfg"},
             {"Tedittxt", "", ui::TextRole::Caption, u"Editor: Seitenzahlen in Text schreiben",
              u"Editor: Write Folio to Text"},
             {"Tedittxt", "tab2", ui::TextRole::Hint,
              u"Fügt eine Seitenzahl an der Cursorposition ein.",
              u"Insert a Page Number at Cursor Position."},
             {"Tedittxt2idx", "zus_seite", ui::TextRole::Caption, u"Zu Seiten Zählen",
              u"Add to Page Numbers"},
             {"Tquhopt", "namengross", ui::TextRole::Caption, u"Bezeichnung: Groß schreiben",
              u"Synonym: Write Uppercase"},
             {"Tdesign", "gb1", ui::TextRole::Caption, u"Überschriften", u"Headlinge"},
         }) {
        EXPECT_EQ(WindowText(c.window, c.name, Language::German, c.role), c.german) << c.name;
        EXPECT_EQ(WindowText(c.window, c.name, Language::English, c.role), c.english) << c.name;
    }
    EXPECT_TRUE(WindowText("Tprog", "no_such_text", Language::German).empty());
    EXPECT_TRUE(WindowText("Tnothing", "", Language::German).empty());
}

TEST(WindowDefinitions, EveryWindowHasATitleOrItsTexts) {
    for (const ui::WindowDefinition& window : ui::AllWindows())
        EXPECT_FALSE(window.texts.empty()) << window.className;
}

}  // namespace
}  // namespace lexorim
