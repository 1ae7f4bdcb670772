#include "shell/shell_registration.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "engine/errors.h"
#include "engine/program_folder.h"
#include "shell/extension_list.h"
#include "shell/key_files.h"
#include "textfiles/file_access.h"

extern char** environ;

namespace lexorim {

namespace fs = std::filesystem;

namespace {

constexpr std::array<ShellFileNames, 2> kNames = {
    ShellFileNames{".lkfg", "application/x-lexorim-configuration", "lexorim-lkfg",
                   "OrvellLexorimLKFG", u"Orvell Lexorim Konfiguration"},
    ShellFileNames{".idx", "application/x-lexorim-index", "lexorim-idx", "OrvellLexorimIDX",
                   u"Orvell Lexorim Index"},
};

constexpr std::string_view kDesktopEntryGroup = "Desktop Entry";
constexpr std::string_view kNemoActionGroup = "Nemo Action";

std::string PathText(const fs::path& path) {
    return path.string();
}

Text PathMessageText(const fs::path& path) {
    return FromUtf8(path.string());
}

[[noreturn]] void ThrowFileError(std::u16string_view sentence, const fs::path& path, int error) {
    throw UserError(Text(sentence) + u" \"" + PathMessageText(path) + u"\". " +
                    SystemReason(error));
}

// Writes a whole file safely, creating the folders it lies in.
void WriteWholeFile(const fs::path& path, std::string_view bytes) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (error)
        ThrowFileError(u"Cannot create file", path, error.value());
    ReplaceFileContents(PathText(path), bytes);
}

void DeleteFileIfThere(const fs::path& path) {
    std::error_code error;
    if (!fs::remove(path, error) && error && error != std::errc::no_such_file_or_directory)
        ThrowFileError(u"Cannot delete file", path, error.value());
}

// The content of a file the status checks read; none when it is missing or unreadable, which
// makes the entry count as not active.
std::optional<std::string> ReadIfThere(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool StoresCommand(const fs::path& file, std::string_view group, const std::string& command) {
    const std::optional<std::string> text = ReadIfThere(file);
    if (!text)
        return false;
    return KeyValue(*text, group, "Exec") == command;
}

std::string EscapeXml(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string MimePackage(const ShellFileNames& names) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" +
           std::string(names.mimeType) + "\">\n    <comment>" + EscapeXml(ToUtf8(names.typeName)) +
           "</comment>\n    <glob pattern=\"*" + std::string(names.extension) +
           "\"/>\n  </mime-type>\n</mime-info>\n";
}

std::string KeyLine(std::string_view key, std::string_view value) {
    return std::string(key) + "=" + EscapeKeyValue(value) + "\n";
}

std::string FileTypeDesktopEntry(const ShellFileNames& names, const std::string& command) {
    return "[Desktop Entry]\n" + KeyLine("Type", "Application") +
           KeyLine("Name", ToUtf8(kSendToName)) + KeyLine("Comment", ToUtf8(names.typeName)) +
           KeyLine("Exec", command) + "MimeType=" + std::string(names.mimeType) + ";\n" +
           KeyLine("NoDisplay", "true") + KeyLine("Terminal", "false");
}

std::string SendToDesktopEntry(const std::string& command) {
    return "[Desktop Entry]\n" + KeyLine("Type", "Application") +
           KeyLine("Name", ToUtf8(kSendToName)) + KeyLine("Exec", command) +
           KeyLine("Terminal", "false");
}

// A Nemo action; `extensions` is Nemo's list of what it is offered on ("dir;", "nodirs;",
// "txt;").
std::string NemoAction(TextView menuText, const std::string& command,
                       const std::string& extensions) {
    return "[Nemo Action]\n" + KeyLine("Name", ToUtf8(menuText)) +
           KeyLine("Comment", ToUtf8(kSendToName)) + KeyLine("Exec", command) +
           KeyLine("Selection", "notnone") + "Extensions=" + extensions + "\n";
}

// An extension as one item of a key file list: without its ".", with ";" escaped.
std::string ExtensionListItem(TextView extension) {
    std::string item;
    for (const char c : ToUtf8(extension.substr(1))) {
        if (c == ';' || c == '\\')
            item += '\\';
        item += c;
    }
    return item + ";";
}

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string MimeappsListText(const fs::path& path) {
    return ReadIfThere(path).value_or(std::string());
}

// A program on PATH, or none.
std::optional<fs::path> FindOnPath(std::string_view name) {
    const char* path = std::getenv("PATH");
    if (path == nullptr)
        return std::nullopt;
    std::string_view rest(path);
    while (true) {
        const size_t colon = rest.find(':');
        const std::string_view folder = rest.substr(0, colon);
        if (!folder.empty()) {
            const fs::path candidate = fs::path(folder) / name;
            if (::access(candidate.c_str(), X_OK) == 0 && !fs::is_directory(candidate))
                return candidate;
        }
        if (colon == std::string_view::npos)
            return std::nullopt;
        rest.remove_prefix(colon + 1);
    }
}

// Runs a tool with its output discarded; the reason it failed, or none.
std::optional<std::string> RunQuietly(const fs::path& tool, const fs::path& argument) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string toolText = tool.string();
    std::string argumentText = argument.string();
    std::array<char*, 3> arguments = {toolText.data(), argumentText.data(), nullptr};
    pid_t child = 0;
    const int spawned =
        ::posix_spawn(&child, toolText.c_str(), &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return ToUtf8(SystemReason(spawned));
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return ToUtf8(SystemReason(errno));
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return std::nullopt;
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    return "exit status " + std::to_string(WEXITSTATUS(status));
}

}  // namespace

const ShellFileNames& NamesOf(ShellFileKind kind) {
    return kNames[kind == ShellFileKind::Configuration ? 0 : 1];
}

ShellFolders ShellFoldersFromEnvironment() {
    const auto environment = [](const char* variable) {
        const char* value = std::getenv(variable);
        return std::string(value != nullptr ? value : "");
    };
    const auto folder = [&environment](const char* variable, const char* belowHome) {
        return UserBaseFolder(environment(variable), environment("HOME"), belowHome);
    };
    return {folder("XDG_DATA_HOME", ".local/share"), folder("XDG_CONFIG_HOME", ".config")};
}

ShellRegistrationFiles RegistrationFiles(ShellFileKind kind, const ShellFolders& folders) {
    const ShellFileNames& names = NamesOf(kind);
    const std::string stem(names.stem);
    const std::string key(names.contextKey);
    const fs::path actions = folders.dataHome / "nemo" / "actions";
    return {
        folders.dataHome / "mime" / "packages" / (stem + ".xml"),
        folders.dataHome / "applications" / (stem + ".desktop"),
        folders.configHome / "mimeapps.list",
        folders.dataHome / "Thunar" / "sendto" / "lexorim.desktop",
        actions / (key + "-folders.nemo_action"),
        actions / (key + "-files.nemo_action"),
    };
}

fs::path ListedTypeActionFile(ShellFileKind kind, const ShellFolders& folders, TextView extension) {
    return folders.dataHome / "nemo" / "actions" /
           (std::string(NamesOf(kind).contextKey) + "-type-" +
            LowerAscii(ToUtf8(extension.substr(1))) + ".nemo_action");
}

std::string ShellCommand(const fs::path& program) {
    return ExecArgument(program.string()) + " %f";
}

std::string SelectionCommand(const fs::path& program) {
    return ExecArgument(program.string()) + " %F";
}

fs::path RunningProgramPath() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable;
}

ShellRegistration::ShellRegistration(ShellFileKind kind, ShellFolders folders, fs::path program)
    : kind_(kind),
      folders_(std::move(folders)),
      program_(std::move(program)),
      files_(RegistrationFiles(kind_, folders_)) {}

std::vector<DesktopToolFailure> ShellRegistration::RegisterFileType() const {
    const ShellFileNames& names = NamesOf(kind_);
    WriteWholeFile(files_.mimePackage, MimePackage(names));
    WriteWholeFile(files_.desktopEntry, FileTypeDesktopEntry(names, ShellCommand(program_)));
    const std::string list = MimeappsListText(files_.mimeappsList);
    const std::string changed =
        WithDefaultApplication(list, names.mimeType, files_.desktopEntry.filename().string());
    if (changed != list)
        WriteWholeFile(files_.mimeappsList, changed);
    return UpdateDesktopCaches(folders_);
}

std::vector<DesktopToolFailure> ShellRegistration::RemoveFileType() const {
    const ShellFileNames& names = NamesOf(kind_);
    DeleteFileIfThere(files_.mimePackage);
    DeleteFileIfThere(files_.desktopEntry);
    const std::string list = MimeappsListText(files_.mimeappsList);
    const std::string changed =
        WithoutDefaultApplication(list, names.mimeType, files_.desktopEntry.filename().string());
    if (changed != list)
        WriteWholeFile(files_.mimeappsList, changed);
    return UpdateDesktopCaches(folders_);
}

bool ShellRegistration::FileTypeActive() const {
    return fs::exists(files_.mimePackage) &&
           StoresCommand(files_.desktopEntry, kDesktopEntryGroup, ShellCommand(program_));
}

void ShellRegistration::RegisterSendTo() const {
    WriteWholeFile(files_.sendTo, SendToDesktopEntry(SelectionCommand(program_)));
}

void ShellRegistration::RemoveSendTo() const {
    DeleteFileIfThere(files_.sendTo);
}

bool ShellRegistration::SendToActive() const {
    return StoresCommand(files_.sendTo, kDesktopEntryGroup, SelectionCommand(program_));
}

void ShellRegistration::RegisterFolders(TextView menuText) const {
    WriteWholeFile(files_.folderAction, NemoAction(menuText, SelectionCommand(program_), "dir;"));
}

void ShellRegistration::RemoveFolders() const {
    DeleteFileIfThere(files_.folderAction);
}

bool ShellRegistration::FoldersActive() const {
    return StoresCommand(files_.folderAction, kNemoActionGroup, SelectionCommand(program_));
}

void ShellRegistration::RegisterAllFiles(TextView menuText) const {
    WriteWholeFile(files_.allFilesAction,
                   NemoAction(menuText, SelectionCommand(program_), "nodirs;"));
}

void ShellRegistration::RemoveAllFiles() const {
    DeleteFileIfThere(files_.allFilesAction);
}

bool ShellRegistration::AllFilesActive() const {
    return StoresCommand(files_.allFilesAction, kNemoActionGroup, SelectionCommand(program_));
}

void ShellRegistration::RegisterListedTypes(TextView list, TextView menuText) const {
    for (const Text& extension : ParseExtensionList(list)) {
        WriteWholeFile(
            ListedTypeActionFile(kind_, folders_, extension),
            NemoAction(menuText, SelectionCommand(program_), ExtensionListItem(extension)));
    }
}

void ShellRegistration::RemoveListedTypes(TextView list) const {
    for (const Text& extension : ParseExtensionList(list))
        DeleteFileIfThere(ListedTypeActionFile(kind_, folders_, extension));
}

bool ShellRegistration::ListedTypeActive(TextView extension) const {
    return StoresCommand(ListedTypeActionFile(kind_, folders_, extension), kNemoActionGroup,
                         SelectionCommand(program_));
}

std::vector<DesktopToolFailure> UpdateDesktopCaches(const ShellFolders& folders) {
    std::vector<DesktopToolFailure> failures;
    const auto run = [&failures](const char* tool, const fs::path& folder) {
        if (!fs::is_directory(folder))
            return;
        const std::optional<fs::path> found = FindOnPath(tool);
        if (!found)
            return;
        if (std::optional<std::string> reason = RunQuietly(*found, folder))
            failures.push_back({tool, std::move(*reason)});
    };
    run("update-mime-database", folders.dataHome / "mime");
    run("update-desktop-database", folders.dataHome / "applications");
    return failures;
}

bool RunsAsAdministrator() {
    return ::geteuid() == 0;
}

std::vector<std::string> ElevatedRestartCommand(const fs::path& program,
                                                const EnvironmentLookup& environment) {
    const EnvironmentLookup lookup =
        environment ? environment
                    : [](const char* name) -> const char* { return std::getenv(name); };
    std::vector<std::string> handedOver;
    for (const char* variable : {"DISPLAY", "XAUTHORITY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"}) {
        if (const char* value = lookup(variable); value != nullptr && *value != '\0')
            handedOver.push_back(std::string(variable) + "=" + value);
    }
    std::vector<std::string> command{"pkexec"};
    if (!handedOver.empty()) {
        command.emplace_back("env");
        command.insert(command.end(), handedOver.begin(), handedOver.end());
    }
    command.push_back(program.string());
    return command;
}

}  // namespace lexorim
