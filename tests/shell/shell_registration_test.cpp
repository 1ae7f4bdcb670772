#include "shell/shell_registration.h"
#include "engine/scoped_environment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>

#include "engine/errors.h"
#include "shell/key_files.h"
#include "temp_folder.h"

namespace lexorim {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

using ScopedVariable = testing::ScopedEnvironment;

constexpr const char* kProgram = "/opt/lexorim/lexorim";
constexpr const char* kOtherProgram = "/home/user/copy of lexorim/lexorim";
constexpr TextView kMenuText = u"Öffnen mit Orvell Lexorim";

class ShellRegistrationTest : public ::testing::Test {
  protected:
    ShellFolders Folders() const { return {home_ / "data", home_ / "config"}; }
    ShellRegistration For(ShellFileKind kind, const char* program = kProgram) const {
        return ShellRegistration(kind, Folders(), program);
    }
    std::string Read(const fs::path& path) const { return TempFolder::read(path.string()); }

    TempFolder home_;
    // No cache tool runs unless a test puts one on the path.
    ScopedVariable path_{"PATH", (home_ / "no-tools").string()};
};

TEST_F(ShellRegistrationTest, NamesBothFileKinds) {
    const ShellFileNames& index = NamesOf(ShellFileKind::Index);
    EXPECT_EQ(index.extension, ".idx");
    EXPECT_EQ(index.mimeType, "application/x-lexorim-index");
    EXPECT_EQ(index.contextKey, "OrvellLexorimIDX");
    EXPECT_EQ(index.typeName, u"Orvell Lexorim Index");
    const ShellFileNames& configuration = NamesOf(ShellFileKind::Configuration);
    EXPECT_EQ(configuration.extension, ".lkfg");
    EXPECT_EQ(configuration.mimeType, "application/x-lexorim-configuration");
    EXPECT_EQ(configuration.contextKey, "OrvellLexorimLKFG");
    EXPECT_EQ(configuration.typeName, u"Orvell Lexorim Konfiguration");
    EXPECT_EQ(ShellCommand(kProgram), "/opt/lexorim/lexorim %f");
    EXPECT_EQ(SelectionCommand(kOtherProgram), "\"/home/user/copy of lexorim/lexorim\" %F");
}

TEST_F(ShellRegistrationTest, FileTypeWritesTheMimePackageTheDesktopEntryAndTheDefault) {
    const ShellRegistration index = For(ShellFileKind::Index);
    EXPECT_FALSE(index.FileTypeActive());
    EXPECT_TRUE(index.RegisterFileType().empty());
    EXPECT_TRUE(index.FileTypeActive());

    const ShellRegistrationFiles& files = index.files();
    EXPECT_EQ(files.mimePackage, home_ / "data/mime/packages/lexorim-idx.xml");
    EXPECT_EQ(files.desktopEntry, home_ / "data/applications/lexorim-idx.desktop");
    EXPECT_EQ(files.mimeappsList, home_ / "config/mimeapps.list");
    EXPECT_EQ(Read(files.mimePackage),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
              "  <mime-type type=\"application/x-lexorim-index\">\n"
              "    <comment>Orvell Lexorim Index</comment>\n"
              "    <glob pattern=\"*.idx\"/>\n"
              "  </mime-type>\n"
              "</mime-info>\n");
    EXPECT_EQ(Read(files.desktopEntry),
              "[Desktop Entry]\nType=Application\nName=Orvell Lexorim\n"
              "Comment=Orvell Lexorim Index\nExec=/opt/lexorim/lexorim %f\n"
              "MimeType=application/x-lexorim-index;\nNoDisplay=true\nTerminal=false\n");
    EXPECT_EQ(Read(files.mimeappsList),
              "[Default Applications]\napplication/x-lexorim-index=lexorim-idx.desktop;\n");
    // The other kind is a registration of its own.
    EXPECT_FALSE(For(ShellFileKind::Configuration).FileTypeActive());
}

TEST_F(ShellRegistrationTest, EntriesOfAnotherProgramPathAreNotActive) {
    const ShellRegistration mine = For(ShellFileKind::Configuration);
    EXPECT_TRUE(mine.RegisterFileType().empty());
    mine.RegisterSendTo();
    mine.RegisterFolders(kMenuText);
    mine.RegisterAllFiles(kMenuText);
    mine.RegisterListedTypes(u"txt", kMenuText);

    const ShellRegistration copy = For(ShellFileKind::Configuration, kOtherProgram);
    EXPECT_FALSE(copy.FileTypeActive());
    EXPECT_FALSE(copy.SendToActive());
    EXPECT_FALSE(copy.FoldersActive());
    EXPECT_FALSE(copy.AllFilesActive());
    EXPECT_FALSE(copy.ListedTypeActive(u".txt"));
    // Registering from the copy makes the copy's entries the active ones.
    copy.RegisterFolders(kMenuText);
    EXPECT_TRUE(copy.FoldersActive());
    EXPECT_FALSE(mine.FoldersActive());
    EXPECT_EQ(KeyValue(Read(copy.files().folderAction), "Nemo Action", "Exec"),
              "\"/home/user/copy of lexorim/lexorim\" %F");
}

TEST_F(ShellRegistrationTest, RemovingTakesAwayOnlyOurEntries) {
    const fs::path list = home_ / "config/mimeapps.list";
    fs::create_directories(list.parent_path());
    const std::string foreign =
        "[Default Applications]\ntext/html=firefox.desktop\n\n[Added Associations]\n"
        "text/plain=gedit.desktop;\n";
    home_.write("config/mimeapps.list", foreign);
    const fs::path otherEntry = home_ / "data/applications/gedit.desktop";
    fs::create_directories(otherEntry.parent_path());
    home_.write("data/applications/gedit.desktop", "[Desktop Entry]\nExec=gedit %F\n");

    const ShellRegistration index = For(ShellFileKind::Index);
    EXPECT_TRUE(index.RegisterFileType().empty());
    EXPECT_EQ(Read(list),
              "[Default Applications]\ntext/html=firefox.desktop\n"
              "application/x-lexorim-index=lexorim-idx.desktop;\n\n[Added Associations]\n"
              "text/plain=gedit.desktop;\n");
    index.RegisterSendTo();
    index.RegisterFolders(kMenuText);
    index.RegisterAllFiles(kMenuText);

    EXPECT_TRUE(index.RemoveFileType().empty());
    index.RemoveSendTo();
    index.RemoveFolders();
    index.RemoveAllFiles();
    EXPECT_FALSE(index.FileTypeActive());
    EXPECT_FALSE(index.SendToActive());
    EXPECT_FALSE(index.FoldersActive());
    EXPECT_FALSE(index.AllFilesActive());
    for (const fs::path& file :
         {index.files().mimePackage, index.files().desktopEntry, index.files().sendTo,
          index.files().folderAction, index.files().allFilesAction})
        EXPECT_FALSE(fs::exists(file)) << file;
    EXPECT_EQ(Read(list), foreign);
    EXPECT_TRUE(fs::exists(otherEntry));
    // Removing what is not there is no failure.
    EXPECT_TRUE(index.RemoveFileType().empty());
    index.RemoveFolders();
}

TEST_F(ShellRegistrationTest, ContextMenuEntriesAreNemoActions) {
    const ShellRegistration index = For(ShellFileKind::Index);
    index.RegisterFolders(kMenuText);
    index.RegisterAllFiles(u"Open with Orvell Lexorim");
    EXPECT_EQ(index.files().folderAction,
              home_ / "data/nemo/actions/OrvellLexorimIDX-folders.nemo_action");
    EXPECT_EQ(Read(index.files().folderAction),
              "[Nemo Action]\nName=Öffnen mit Orvell Lexorim\nComment=Orvell Lexorim\n"
              "Exec=/opt/lexorim/lexorim %F\nSelection=notnone\nExtensions=dir;\n");
    EXPECT_EQ(Read(index.files().allFilesAction),
              "[Nemo Action]\nName=Open with Orvell Lexorim\nComment=Orvell Lexorim\n"
              "Exec=/opt/lexorim/lexorim %F\nSelection=notnone\nExtensions=nodirs;\n");
    EXPECT_TRUE(index.FoldersActive());
    EXPECT_TRUE(index.AllFilesActive());
    EXPECT_FALSE(For(ShellFileKind::Configuration).FoldersActive());
}

TEST_F(ShellRegistrationTest, ListedTypesGetOneActionPerParsedExtension) {
    const ShellRegistration index = For(ShellFileKind::Index);
    index.RegisterListedTypes(u"  TXT  ,.log,x:y,.", kMenuText);
    const fs::path actions = home_ / "data/nemo/actions";
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(actions))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"OrvellLexorimIDX-type-log.nemo_action",
                                               "OrvellLexorimIDX-type-txt.nemo_action"}));
    EXPECT_EQ(KeyValue(Read(actions / names[1]), "Nemo Action", "Extensions"), "TXT;");
    EXPECT_TRUE(index.ListedTypeActive(u".txt"));
    EXPECT_TRUE(index.ListedTypeActive(u".log"));

    // Removing a list takes away the entries of its extensions, whatever their case.
    index.RemoveListedTypes(u"txt");
    EXPECT_FALSE(index.ListedTypeActive(u".TXT"));
    EXPECT_TRUE(index.ListedTypeActive(u".log"));
}

TEST_F(ShellRegistrationTest, BothKindsShareTheSendToEntry) {
    const ShellRegistration index = For(ShellFileKind::Index);
    const ShellRegistration configuration = For(ShellFileKind::Configuration);
    index.RegisterSendTo();
    EXPECT_EQ(index.files().sendTo, home_ / "data/Thunar/sendto/lexorim.desktop");
    EXPECT_EQ(Read(index.files().sendTo),
              "[Desktop Entry]\nType=Application\nName=Orvell Lexorim\n"
              "Exec=/opt/lexorim/lexorim %F\nTerminal=false\n");
    EXPECT_TRUE(configuration.SendToActive());
    configuration.RemoveSendTo();
    EXPECT_FALSE(index.SendToActive());
}

TEST_F(ShellRegistrationTest, AWriteFailureNamesTheFile) {
    // A plain file where the desktop entries' folder should be: no folder can be made there,
    // not even by root.
    fs::create_directories(home_ / "data");
    home_.write("data/applications", "not a folder");
    const ShellRegistration index = For(ShellFileKind::Index);
    try {
        (void)index.RegisterFileType();
        FAIL() << "no error";
    } catch (const UserError& error) {
        const std::string expected = "Cannot create file \"" +
                                     (home_ / "data/applications/lexorim-idx.desktop").string() +
                                     "\".";
        EXPECT_TRUE(std::string(error.what()).starts_with(expected)) << error.what();
    }
    home_.write("data/nemo", "not a folder");
    try {
        index.RegisterFolders(kMenuText);
        FAIL() << "no error";
    } catch (const UserError& error) {
        EXPECT_NE(std::string(error.what()).find("OrvellLexorimIDX-folders.nemo_action"),
                  std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(index.FoldersActive());
}

TEST_F(ShellRegistrationTest, CacheToolsRunWhenPresentAndTheirFailuresAreReported) {
    const fs::path tools = home_ / "tools";
    fs::create_directories(tools);
    home_.write("tools/update-mime-database", "#!/bin/sh\n[ -d \"$1\" ] && exit 3\nexit 0\n");
    home_.write("tools/update-desktop-database",
                "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/desktop-ran\"\n");
    for (const char* tool : {"update-mime-database", "update-desktop-database"})
        fs::permissions(tools / tool, fs::perms::owner_all);
    ScopedVariable path("PATH", tools.string() + ":/usr/bin:/bin");

    const std::vector<DesktopToolFailure> failures = For(ShellFileKind::Index).RegisterFileType();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].tool, "update-mime-database");
    EXPECT_EQ(failures[0].reason, "exit status 3");
    EXPECT_EQ(Read(tools / "desktop-ran"), (home_ / "data/applications").string() + "\n");
}

TEST_F(ShellRegistrationTest, TheDesktopNamesTheRegisteredEntryAsDefault) {
    ScopedVariable path("PATH", "/usr/local/bin:/usr/bin:/bin");
    if (system("command -v xdg-mime > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "xdg-mime is not installed (package xdg-utils)";
    // xdg-mime checks that the entry's program exists; this test program does.
    const ShellRegistration index(ShellFileKind::Index, Folders(), RunningProgramPath());
    const std::vector<DesktopToolFailure> failures = index.RegisterFileType();
    EXPECT_TRUE(failures.empty());
    const std::string command =
        "env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION "
        "-u GNOME_DESKTOP_SESSION_ID XDG_DATA_HOME='" +
        Folders().dataHome.string() + "' XDG_CONFIG_HOME='" + Folders().configHome.string() +
        "' xdg-mime query default application/x-lexorim-index";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string answer;
    char buffer[256];
    while (const size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
        answer.append(buffer, got);
    ::pclose(pipe);
    EXPECT_EQ(answer.substr(0, answer.find('\n')), "lexorim-idx.desktop");
}

TEST(AdministratorRestart, GoesThroughPkexecWithTheDisplay) {
    const std::map<std::string, std::string> environment = {
        {"DISPLAY", ":1"}, {"XAUTHORITY", "/home/user/.Xauthority"}, {"HOME", "/home/user"}};
    const auto lookup = [&environment](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    };
    EXPECT_EQ(
        ElevatedRestartCommand("/opt/lexorim/lexorim", lookup),
        (std::vector<std::string>{"pkexec", "env", "DISPLAY=:1",
                                  "XAUTHORITY=/home/user/.Xauthority", "/opt/lexorim/lexorim"}));
    EXPECT_EQ(ElevatedRestartCommand("/opt/lexorim/lexorim",
                                     [](const char*) -> const char* { return nullptr; }),
              (std::vector<std::string>{"pkexec", "/opt/lexorim/lexorim"}));
    EXPECT_EQ(RunsAsAdministrator(), ::geteuid() == 0);
}

TEST(ShellFoldersFromEnvironment, FollowTheBaseDirectoryRules) {
    ScopedVariable home("HOME", "/home/user");
    {
        ScopedVariable data("XDG_DATA_HOME", std::nullopt);
        ScopedVariable config("XDG_CONFIG_HOME", "relative/is/ignored");
        const ShellFolders folders = ShellFoldersFromEnvironment();
        EXPECT_EQ(folders.dataHome, "/home/user/.local/share");
        EXPECT_EQ(folders.configHome, "/home/user/.config");
    }
    ScopedVariable data("XDG_DATA_HOME", "/x/data");
    ScopedVariable config("XDG_CONFIG_HOME", "/x/config");
    EXPECT_EQ(ShellFoldersFromEnvironment().dataHome, "/x/data");
    EXPECT_EQ(ShellFoldersFromEnvironment().configHome, "/x/config");
}

}  // namespace
}  // namespace lexorim
