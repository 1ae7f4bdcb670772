#pragma once
// Where the program keeps its own files (neg.txt, pos.txt, Auto.lkfg and other configurations)
// and its temporary files.

#include <filesystem>
#include <optional>
#include <string>

namespace lexorim {

// The program's folder: $LEXORIM_HOME when set; else the folder of the executable when it is
// writable and not an installed "bin" folder; else $XDG_DATA_HOME/lexorim (by default
// ~/.local/share/lexorim). The folder is created when it does not exist yet.
std::filesystem::path ProgramFolder();

// A base folder of the user's files: `value` (of XDG_DATA_HOME, XDG_CONFIG_HOME, ...) when it is
// an absolute path, else `belowHome` in the home folder (`home`, else the user's entry in the
// password database); empty when there is no home folder.
std::filesystem::path UserBaseFolder(const std::string& value, const std::string& home,
                                     const char* belowHome);

// The system's folder for temporary files ($TMPDIR, else /tmp).
std::filesystem::path TemporaryFolder();

// What ProgramFolder decides from; each value empty when it is not set or not known.
struct ProgramFolderInputs {
    std::string lexorimHome;
    std::filesystem::path executableFolder;
    std::string xdgDataHome;
    std::string home;
};

// The inputs as the environment and /proc/self/exe give them.
ProgramFolderInputs ProgramFolderInputsFromEnvironment();

// The rule of ProgramFolder for given inputs; creates the chosen folder when it is missing.
std::filesystem::path ChooseProgramFolder(const ProgramFolderInputs& inputs);

}  // namespace lexorim
