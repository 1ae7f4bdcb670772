#pragma once
// The program's entries in the desktop: for one file kind (configurations ".lkfg" or indexes
// ".idx") the file type association, the "Send to" entry and the context-menu entries on
// folders, on all files and on listed file types, each registered, removed and checked on its
// own. Everything is written below the user's data and configuration folders; the folders are
// given, so that tests work in a folder of their own.
//
// What is written where (D = data home, C = configuration home, S = the file kind's stem
// "lexorim-lkfg" or "lexorim-idx", K = the context-menu key "OrvellLexorimLKFG" or
// "OrvellLexorimIDX"):
//   file type    D/mime/packages/S.xml (shared-mime-info: the MIME type and its glob),
//                D/applications/S.desktop (opens a file of the type with the program) and the
//                type's default in C/mimeapps.list
//   "Send to"    D/Thunar/sendto/lexorim.desktop, shared by both file kinds
//   folders      D/nemo/actions/K-folders.nemo_action
//   all files    D/nemo/actions/K-files.nemo_action
//   listed types D/nemo/actions/K-type-EXT.nemo_action, one per extension

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

enum class ShellFileKind { Configuration, Index };

// The fixed names of one file kind.
struct ShellFileNames {
    std::string_view extension;   // ".lkfg"
    std::string_view mimeType;    // "application/x-lexorim-configuration"
    std::string_view stem;        // "lexorim-lkfg", the name of its MIME package and desktop entry
    std::string_view contextKey;  // "OrvellLexorimLKFG"
    TextView typeName;            // "Orvell Lexorim Konfiguration"
};
const ShellFileNames& NamesOf(ShellFileKind kind);

// The name of the "Send to" entry, the same for both file kinds.
inline constexpr TextView kSendToName = u"Orvell Lexorim";

// The user's folders that the registrations are written to.
struct ShellFolders {
    std::filesystem::path dataHome;    // $XDG_DATA_HOME, by default ~/.local/share
    std::filesystem::path configHome;  // $XDG_CONFIG_HOME, by default ~/.config
};
// The folders the environment names, with the freedesktop defaults below $HOME.
ShellFolders ShellFoldersFromEnvironment();

// The files each registration writes.
struct ShellRegistrationFiles {
    std::filesystem::path mimePackage;
    std::filesystem::path desktopEntry;
    std::filesystem::path mimeappsList;
    std::filesystem::path sendTo;
    std::filesystem::path folderAction;
    std::filesystem::path allFilesAction;
};
ShellRegistrationFiles RegistrationFiles(ShellFileKind kind, const ShellFolders& folders);
// The action file of one listed extension (".txt").
std::filesystem::path ListedTypeActionFile(ShellFileKind kind, const ShellFolders& folders,
                                           TextView extension);

// The command that opens one file with `program`: the program as an Exec argument and the
// field code of one file, "%f". The file type association stores it.
std::string ShellCommand(const std::filesystem::path& program);
// The command that hands the selected files to `program` ("%F"): "Send to" and the context
// menus store it, as both hand over every selected file at once.
std::string SelectionCommand(const std::filesystem::path& program);

// The path of the running program file.
std::filesystem::path RunningProgramPath();

// A tool that refreshes the desktop's caches (update-mime-database, update-desktop-database)
// and did not succeed. A missing tool is no failure.
struct DesktopToolFailure {
    std::string tool;
    std::string reason;  // "exit status 2", "killed by signal 9"
};

// The registrations of one file kind for one program path. Every write that fails throws
// UserError naming the file; nothing but the entries named above is changed.
class ShellRegistration {
  public:
    ShellRegistration(ShellFileKind kind, ShellFolders folders, std::filesystem::path program);

    // The file type association. Both run the desktop's cache tools and return their failures.
    [[nodiscard]] std::vector<DesktopToolFailure> RegisterFileType() const;
    [[nodiscard]] std::vector<DesktopToolFailure> RemoveFileType() const;
    // Active when the MIME package is there and the desktop entry opens files with this
    // program's ShellCommand.
    bool FileTypeActive() const;

    void RegisterSendTo() const;
    void RemoveSendTo() const;
    bool SendToActive() const;

    // `menuText` is the menu entry's caption in the interface language.
    void RegisterFolders(TextView menuText) const;
    void RemoveFolders() const;
    bool FoldersActive() const;

    void RegisterAllFiles(TextView menuText) const;
    void RemoveAllFiles() const;
    bool AllFilesActive() const;

    // `list` is the text of the extension list, parsed by ParseExtensionList.
    void RegisterListedTypes(TextView list, TextView menuText) const;
    void RemoveListedTypes(TextView list) const;
    bool ListedTypeActive(TextView extension) const;

    const ShellRegistrationFiles& files() const { return files_; }

  private:
    ShellFileKind kind_;
    ShellFolders folders_;
    std::filesystem::path program_;
    ShellRegistrationFiles files_;
};

// Runs update-mime-database on D/mime and update-desktop-database on D/applications, each only
// when it is on PATH; returns the ones that failed.
std::vector<DesktopToolFailure> UpdateDesktopCaches(const ShellFolders& folders);

// True when the program runs with the rights of the system's administrator (root).
bool RunsAsAdministrator();

// The command line that starts `program` again with administrator rights through pkexec. pkexec
// clears the environment, so the display the program shows its windows on is handed over.
// `environment` gives a variable's value or null; by default the process environment.
using EnvironmentLookup = std::function<const char*(const char*)>;
std::vector<std::string> ElevatedRestartCommand(const std::filesystem::path& program,
                                                const EnvironmentLookup& environment = {});

}  // namespace lexorim
