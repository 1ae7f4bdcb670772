#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "settings/configuration.h"
#include "settings/languages.h"
#include "settings/profile_file.h"
#include "temp_folder.h"

namespace lexorim {
namespace {

using testing::TempFolder;

std::vector<ControlRef> StoredControls() {
    std::vector<ControlRef> controls;
    for (const ui::WindowDefinition& window : ui::AllWindows()) {
        for (const ui::ControlDefinition& control : window.controls) {
            if (!ConfigurationSection(window, control).empty())
                controls.push_back({&window, &control});
        }
    }
    return controls;
}

// Gives every stored control a value other than its default, as a user would.
void ChangeEverything(Settings& settings) {
    for (const ControlRef& ref : StoredControls()) {
        const ui::ControlDefinition& control = *ref.control;
        if (control.kind == ui::ControlKind::RadioButton) {
            if (control.defaultValue == u"0")
                settings.Set(ref, u"1");
        } else if (ui::IsBinaryKind(control.kind)) {
            settings.Set(ref, control.defaultValue == u"1" ? u"0" : u"1");
        } else {
            settings.Set(ref, u" 'changed' " + Text(control.defaultValue));
        }
    }
}

ShellState Shell(int width, int height) {
    ShellState shell;
    shell.geometry = {false, width, height, 20, 30};
    return shell;
}

TEST(Configuration, StandardValuesComeBackIntoAChangedProgram) {
    const TempFolder folder;
    const std::string path = folder.file("standard.lkfg");
    Settings standard;
    ShellState shell = Shell(900, 700);
    KonfigurationLadenStandard(standard, shell.autoSave);
    KonfigurationSpeichern(path, standard, shell);

    Settings changed;
    ChangeEverything(changed);
    for (const ControlRef& ref : StoredControls()) {
        if (ref.control->kind != ui::ControlKind::RadioButton) {
            ASSERT_NE(changed.Value(ref), ref.control->defaultValue) << ref.control->name;
        }
    }
    std::multiset<std::string> notified;
    changed.AddListener([&](const ControlRef& ref) {
        notified.insert(std::string(ref.window->className) + "." + std::string(ref.control->name));
    });
    ShellState changedShell = Shell(400, 300);
    changedShell.autoSave = {false, true};
    KonfigurationLaden(path, false, changed, changedShell, ScreenSize{});

    std::multiset<std::string> expectedNotified;
    for (const ControlRef& ref : StoredControls()) {
        EXPECT_EQ(changed.Value(ref), ref.control->defaultValue)
            << ref.window->className << "." << ref.control->name;
        expectedNotified.insert(std::string(ref.window->className) + "." +
                                std::string(ref.control->name));
    }
    // Radio buttons that were off before and after are not reported.
    for (const ControlRef& ref : StoredControls()) {
        if (ref.control->kind == ui::ControlKind::RadioButton &&
            ref.control->defaultValue == u"0" &&
            !notified.contains(std::string(ref.window->className) + "." +
                               std::string(ref.control->name))) {
            expectedNotified.erase(std::string(ref.window->className) + "." +
                                   std::string(ref.control->name));
        }
    }
    EXPECT_EQ(notified, expectedNotified);
    EXPECT_EQ(changedShell.geometry.clientWidth, 900);
    EXPECT_EQ(changedShell.geometry.clientHeight, 700);
    EXPECT_TRUE(changedShell.autoSave.never);
    EXPECT_FALSE(changedShell.autoSave.all);
}

TEST(Configuration, ChangedValuesComeBackIntoAFreshProgram) {
    const TempFolder folder;
    const std::string path = folder.file("changed.lkfg");
    Settings changed;
    ChangeEverything(changed);
    KonfigurationSpeichern(path, changed, ShellState{});
    Settings fresh;
    ShellState shell;
    KonfigurationLaden(path, true, fresh, shell, ScreenSize{});
    for (const ControlRef& ref : StoredControls()) {
        EXPECT_EQ(fresh.Value(ref), changed.Value(ref))
            << ref.window->className << "." << ref.control->name;
    }
}

TEST(Configuration, NewFilesAreUtf16StartingWithTheSideBarPanel) {
    const TempFolder folder;
    const std::string path = folder.file("new.lkfg");
    KonfigurationSpeichern(path, Settings{}, ShellState{});
    const std::string bytes = TempFolder::read(path);
    ASSERT_GE(bytes.size(), 16u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    const ProfileFile file = ProfileFile::FromBytes(bytes);
    EXPECT_EQ(file.SectionNames().front(), u"PBPA");
    EXPECT_EQ(file.SectionEntries(u"PBPA").front().first, u"rand");
    EXPECT_EQ(file.SectionNames().back(), u"AS");

    // Saving again leaves one line per key.
    KonfigurationSpeichern(path, Settings{}, ShellState{});
    EXPECT_EQ(TempFolder::read(path), bytes);
}

TEST(Configuration, KeepsWhatAUserAddedByHand) {
    const TempFolder folder;
    const std::string path =
        folder.write("hand.lkfg",
                     "; my own notes\r\n[PBCH]\r\nkt_design=1\r\nmy_key=mine\r\n\r\n"
                     "[Unknown]\r\nvalue=kept\r\n[XXED]\r\nfoo=bar\r\n");
    Settings settings;
    ShellState shell;
    KonfigurationLaden(path, false, settings, shell, ScreenSize{});
    EXPECT_TRUE(settings.IsOn("Tprog", "kt_design"));
    settings.Set("Tprog.kt_design", u"0");
    KonfigurationSpeichern(path, settings, shell);
    const std::string bytes = TempFolder::read(path);
    EXPECT_EQ(bytes.substr(0, 16), "; my own notes\r\n");  // no signature: stays Windows-1252
    const ProfileFile file = ProfileFile::FromBytes(bytes);
    EXPECT_EQ(file.ReadString(u"Unknown", u"value"), u"kept");
    EXPECT_EQ(file.ReadString(u"PBCH", u"my_key"), u"mine");
    EXPECT_EQ(file.ReadString(u"PBCH", u"kt_design"), u"0");
    EXPECT_EQ(file.ReadString(u"XXED", u"foo"), u"bar");
}

TEST(Configuration, LoadingTakesWhatItCanRead) {
    const TempFolder folder;
    Settings settings;
    settings.Set("Tdesign.ub", u"Mein Index");
    ShellState shell = Shell(640, 480);
    int reapplied = 0;
    auto load = [&](const std::string& bytes) {
        const std::string path = folder.write("load.lkfg", bytes);
        KonfigurationLaden(path, false, settings, shell, ScreenSize{1024, 768},
                           [&] { ++reapplied; });
    };
    load("[AS]\r\nN=0\r\nA=1\r\n");
    EXPECT_EQ(settings.Value("Tdesign", "ub"), u"Mein Index");
    EXPECT_FALSE(shell.autoSave.never);
    EXPECT_TRUE(shell.autoSave.all);
    load("[PBCH]\r\nkt_design=yes\r\nkt_zahlen=0x0\r\n[PBRB]\r\nqu_text=7\r\n");
    EXPECT_FALSE(settings.IsOn("Tprog", "kt_design"));
    EXPECT_FALSE(settings.IsOn("Tprog", "kt_zahlen"));
    EXPECT_TRUE(settings.IsOn("Tprog", "qu_text"));
    EXPECT_FALSE(settings.IsOn("Tprog", "qu_datei"));  // switched off as a click would
    load("[SP]\r\nPB=5000\r\nPH=500\r\nPT=10\r\nPL=2000\r\n");
    EXPECT_EQ(shell.geometry.clientWidth, 640);
    EXPECT_EQ(shell.geometry.clientHeight, 500);
    EXPECT_EQ(shell.geometry.top, 10);
    EXPECT_EQ(shell.geometry.left, 30);
    load("[SP]\r\nPB=0\r\nPH=-20\r\nPT=-5\r\nPL=-1280\r\n");
    EXPECT_EQ(shell.geometry.clientWidth, 640);
    EXPECT_EQ(shell.geometry.clientHeight, 500);
    EXPECT_EQ(shell.geometry.top, -5);
    EXPECT_EQ(shell.geometry.left, -1280);
    KonfigurationLaden(folder.file("missing.lkfg"), false, settings, shell, ScreenSize{},
                       [&] { ++reapplied; });
    EXPECT_EQ(reapplied, 5);
}

TEST(Configuration, AMaximisedWindowComesBackAtTheTopEdge) {
    const TempFolder folder;
    const std::string path = folder.write("max.lkfg", "[SP]\r\nPF=1\r\nPB=100\r\n");
    for (const bool startup : {true, false}) {
        Settings settings;
        ShellState shell = Shell(640, 480);
        KonfigurationLaden(path, startup, settings, shell, ScreenSize{});
        EXPECT_EQ(shell.geometry.top, 0);
        EXPECT_EQ(shell.geometry.left, startup ? 30 : 0);
        EXPECT_EQ(shell.geometry.clientWidth, 640);
    }
}

TEST(Configuration, StandardConfigurationLeavesPanelsAndLabels) {
    Settings settings;
    settings.Set("Tprog.pstart", u"0");
    settings.Set("Tprog.pgtxt", u"1");
    settings.Set("Tprog.kt_index", u"/home/ute/buch.idx");
    settings.Set("Tdesign.ub", u"Anders");
    AutoSaveChoice autoSave{false, true};
    KonfigurationLadenStandard(settings, autoSave);
    EXPECT_FALSE(settings.IsOn("Tprog", "pstart"));
    EXPECT_TRUE(settings.IsOn("Tprog", "pgtxt"));
    EXPECT_EQ(settings.Value("Tprog", "kt_index"), u"/home/ute/buch.idx");
    EXPECT_EQ(settings.Value("Tdesign", "ub"), u"Index");
    EXPECT_TRUE(autoSave.never);
    EXPECT_FALSE(autoSave.all);
}

TEST(Configuration, StartConfigurationLivesInTheProgramFolder) {
    EXPECT_EQ(StartConfigurationPath().filename(), "Auto.lkfg");
}

TEST(ConfigurationMenu, OffersEachPathOnce) {
    ConfigurationMenu menu;
    menu.SetStartConfigurationHint("/data/Auto.lkfg");
    EXPECT_FALSE(menu.Add("/data/Auto.lkfg"));
    EXPECT_TRUE(menu.Add("/data/a.lkfg"));
    EXPECT_FALSE(menu.Add("/data/a.lkfg"));
    EXPECT_TRUE(menu.Add("/data/A.lkfg"));
    ASSERT_EQ(menu.items().size(), 2u);
    EXPECT_EQ(menu.items()[0].name, "m_konfig_8");
    EXPECT_EQ(menu.items()[1].name, "m_konfig_9");
    EXPECT_EQ(menu.items()[1].hint, "/data/A.lkfg");
    EXPECT_EQ(menu.items()[1].caption, u"/data/A.lkfg");
    ConfigurationMenu narrow([](TextView text) { return static_cast<int>(text.size()) * 40; });
    narrow.Add("/home/ute/konfigurationen/a.lkfg");
    EXPECT_EQ(narrow.items()[0].caption, u"/.../a.lkfg");
}

TEST(ConfigurationMenu, OffersTheConfigurationsOfAFolder) {
    const TempFolder folder;
    folder.write("b.lkfg", "");
    folder.write("a.lkfg", "");
    folder.write("notes.txt", "");
    std::filesystem::create_directory(folder / "sub.lkfg");
    ConfigurationMenu menu;
    menu.SetStartConfigurationHint(folder.file("a.lkfg"));
    menu.AddFolder(folder.path());
    ASSERT_EQ(menu.items().size(), 1u);
    EXPECT_EQ(menu.items()[0].hint, folder.file("b.lkfg"));
    menu.AddFolder(folder / "missing");
    EXPECT_EQ(menu.items().size(), 1u);
}

TEST(Settings, TellListenersOncePerChange) {
    Settings settings;
    std::vector<std::string> changed;
    const size_t id = settings.AddListener(
        [&](const ControlRef& ref) { changed.emplace_back(ref.control->name); });
    settings.Set("kt_design", u"0");  // unchanged
    settings.Set("kt_design", u"1");
    settings.Set("sz_zeilezuseite", u"1");
    settings.Set("sz_zeilezuseite", u"1");
    settings.Set("Tdesign.ub", u"Index");
    settings.Set("Tdesign.ub", u"Buch");
    EXPECT_EQ(changed,
              (std::vector<std::string>{"kt_design", "sz_auslesen", "sz_zeilezuseite", "ub"}));
    changed.clear();
    settings.ResetToDefaults();
    EXPECT_EQ(changed.size(), 4u);
    Settings copy = settings;
    copy.Set("kt_design", u"1");
    EXPECT_EQ(changed.size(), 4u);  // a copy has no listeners
    settings.RemoveListener(id);
    settings.Set("kt_design", u"1");
    EXPECT_EQ(changed.size(), 4u);
}

TEST(Settings, UnqualifiedNamesMeanTheMainWindowFirst) {
    Settings settings;
    settings.Set("edit_quelle", u"buch.txt");
    EXPECT_EQ(settings.Value("Tprog", "edit_quelle"), u"buch.txt");
    EXPECT_EQ(settings.Value("Tindexhinzu", "edit_quelle"), u"");
    EXPECT_THROW(settings.Set("kt_alphabet", u"0"), SettingsError);
    EXPECT_THROW(settings.Set("wahl", u"x"), SettingsError);
    settings.Set("Teditpos.wahl", u"Index: DateiIndex");
    EXPECT_EQ(settings.Value("Teditneg", "wahl"), u"Index: TextIndex");
}

TEST(Languages, ChosenByTheMarkerFiles) {
    const TempFolder folder;
    EXPECT_EQ(LanguageFromMarkerFiles(folder.path()), Language::German);
    folder.write("en", "");
    EXPECT_EQ(LanguageFromMarkerFiles(folder.path()), Language::English);
    folder.write("de", "");
    EXPECT_EQ(LanguageFromMarkerFiles(folder.path()), Language::German);
    EXPECT_EQ(LanguageCode(Language::English), "en");
}

TEST(Languages, EverySwitchedWindowHasItsTexts) {
    for (const std::string_view window : LanguageSwitchOrder()) {
        ASSERT_NE(ui::FindWindow(window), nullptr) << window;
        const std::vector<ShownText> german = WindowTextsFor(window, Language::German);
        const std::vector<ShownText> english = WindowTextsFor(window, Language::English);
        ASSERT_EQ(german.size(), english.size());
        EXPECT_FALSE(german.empty()) << window;
    }
    const std::vector<ShownText> editor = WindowTextsFor("Tedittxt", Language::English);
    EXPECT_EQ(editor.front().text, u"Editor: Write Folio to Text");
}

TEST(Languages, SwitchingKeepsAChosenIndexAndShowsTheLanguagesInformation) {
    Settings settings;
    settings.Set("Tprog.kt_index", u"/home/ute/buch.idx");
    ApplyLanguageState(settings, Language::English);
    EXPECT_EQ(settings.Value("Tprog", "dkt_index"), u"No Index Selected");
    EXPECT_TRUE(settings.IsOn("Tprog", "pinfo_en"));
    EXPECT_FALSE(settings.IsOn("Tprog", "pinfo_de"));
    ApplyLanguageState(settings, Language::German);
    EXPECT_EQ(settings.Value("Tprog", "kt_index"), u"/home/ute/buch.idx");
    EXPECT_EQ(settings.Value("Tprog", "dkt_index"), u"Kein anderer Index ausgewählt");
    EXPECT_TRUE(settings.IsOn("Tprog", "pinfo_de"));
    EXPECT_FALSE(settings.IsOn("Tprog", "pinfo_en"));
}

TEST(Languages, StateDependentTexts) {
    EXPECT_EQ(StatusTextFor(StatusText::Writing, Language::German), u"Index schreiben..");
    EXPECT_EQ(StatusTextFor(StatusText::ReadingFile, Language::English), u"Reading File: ");
    EXPECT_EQ(ExistingIndexCaption(u"Kein anderer Index ausgewählt", Language::English),
              u"No Index Selected");
    EXPECT_EQ(ExistingIndexCaption(u"", Language::German), u"Kein anderer Index ausgewählt");
    EXPECT_EQ(ExistingIndexCaption(u"/home/ute/buch.idx", Language::English),
              u"/home/ute/buch.idx");
    EXPECT_EQ(ExistingIndexCaption(u"C:\\buch.idx", Language::German), u"C:\\buch.idx");
    const TextView german = WindowText("Tprog", "kt_max", Language::German, ui::TextRole::Items);
    const Text english = MinimumLengthItems(german, Language::English);
    EXPECT_EQ(english, WindowText("Tprog", "kt_max", Language::English, ui::TextRole::Items));
    EXPECT_EQ(MinimumLengthItems(english, Language::German), german);
}

}  // namespace
}  // namespace lexorim
