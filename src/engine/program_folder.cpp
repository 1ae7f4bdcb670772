#include "engine/program_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace lexorim {

namespace {

namespace fs = std::filesystem;

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

bool IsWritableFolder(const fs::path& folder) {
    std::error_code error;
    return !folder.empty() && fs::is_directory(folder, error) &&
           ::access(folder.c_str(), W_OK | X_OK) == 0;
}

fs::path HomeFolder(const std::string& home) {
    if (!home.empty()) {
        return home;
    }
    if (const passwd* entry = ::getpwuid(::getuid());
        entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return {};
}

fs::path DataFolder(const ProgramFolderInputs& inputs) {
    const fs::path data = UserBaseFolder(inputs.xdgDataHome, inputs.home, ".local/share");
    return (data.empty() ? TemporaryFolder() : data) / "lexorim";
}

fs::path Created(fs::path folder) {
    // A folder that cannot be created is not reported here: saving a file into it fails later
    // with the file's own error, which names the path.
    std::error_code error;
    fs::create_directories(folder, error);
    return folder;
}

}  // namespace

fs::path UserBaseFolder(const std::string& value, const std::string& home, const char* belowHome) {
    // A relative value is not a folder of the user's and does not count.
    if (!value.empty() && fs::path(value).is_absolute()) {
        return value;
    }
    const fs::path homeFolder = HomeFolder(home);
    return homeFolder.empty() ? fs::path() : homeFolder / belowHome;
}

ProgramFolderInputs ProgramFolderInputsFromEnvironment() {
    ProgramFolderInputs inputs;
    inputs.lexorimHome = EnvironmentValue("LEXORIM_HOME");
    inputs.xdgDataHome = EnvironmentValue("XDG_DATA_HOME");
    inputs.home = EnvironmentValue("HOME");
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        inputs.executableFolder = executable.parent_path();
    }
    return inputs;
}

fs::path ChooseProgramFolder(const ProgramFolderInputs& inputs) {
    if (!inputs.lexorimHome.empty()) {
        std::error_code error;
        fs::path folder = fs::absolute(inputs.lexorimHome, error);
        return Created(error ? fs::path(inputs.lexorimHome) : folder);
    }
    // An installed program's "bin" folder holds every other program too; the user's lists and
    // configurations do not belong there even when it may be written to.
    const bool installed = inputs.executableFolder.filename() == "bin";
    if (!installed && IsWritableFolder(inputs.executableFolder)) {
        return inputs.executableFolder;
    }
    return Created(DataFolder(inputs));
}

fs::path ProgramFolder() {
    return ChooseProgramFolder(ProgramFolderInputsFromEnvironment());
}

fs::path TemporaryFolder() {
    std::error_code error;
    fs::path folder = fs::temp_directory_path(error);
    return error || folder.empty() ? fs::path("/tmp") : folder;
}

}  // namespace lexorim
