#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>

#include "engine/program_folder.h"
#include "scoped_environment.h"

namespace lexorim {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnvironment;

class ProgramFolderRules : public ::testing::Test {
  protected:
    ProgramFolderRules()
        : root_(fs::temp_directory_path() /
                ("lexorim-program-folder-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(root_ / "lexorim");
    }
    ~ProgramFolderRules() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    const fs::path root_;
};

TEST_F(ProgramFolderRules, LexorimHomeComesFirstAndIsCreated) {
    ProgramFolderInputs inputs;
    inputs.lexorimHome = (root_ / "home" / "lexorim").string();
    inputs.executableFolder = root_ / "lexorim";
    inputs.xdgDataHome = (root_ / "data").string();
    EXPECT_EQ(ChooseProgramFolder(inputs), root_ / "home" / "lexorim");
    EXPECT_TRUE(fs::is_directory(root_ / "home" / "lexorim"));
}

TEST_F(ProgramFolderRules, AWritableExecutableFolderComesNext) {
    ProgramFolderInputs inputs;
    inputs.executableFolder = root_ / "lexorim";
    inputs.xdgDataHome = (root_ / "data").string();
    EXPECT_EQ(ChooseProgramFolder(inputs), root_ / "lexorim");
    EXPECT_FALSE(fs::exists(root_ / "data"));
}

// An installed program shares its "bin" folder with every other program (~/.local/bin,
// /usr/local/bin): the user's lists and configurations go to the data folder instead.
TEST_F(ProgramFolderRules, AnInstalledProgramsBinFolderIsPassedOver) {
    fs::create_directories(root_ / "prefix" / "bin");
    ProgramFolderInputs inputs;
    inputs.executableFolder = root_ / "prefix" / "bin";
    inputs.xdgDataHome = (root_ / "data").string();
    EXPECT_EQ(ChooseProgramFolder(inputs), root_ / "data" / "lexorim");
}

TEST_F(ProgramFolderRules, OtherwiseTheDataFolderIsUsedAndCreated) {
    struct Case {
        std::string xdgDataHome;
        fs::path expected;
    };
    const Case cases[] = {
        {(root_ / "data").string(), root_ / "data" / "lexorim"},
        // Unset or relative: the default under the home folder.
        {"", root_ / "user" / ".local" / "share" / "lexorim"},
        {"relative/data", root_ / "user" / ".local" / "share" / "lexorim"},
    };
    for (const Case& c : cases) {
        ProgramFolderInputs inputs;
        inputs.executableFolder = root_ / "no-such-folder";  // a folder that is not there
        inputs.xdgDataHome = c.xdgDataHome;
        inputs.home = (root_ / "user").string();
        EXPECT_EQ(ChooseProgramFolder(inputs), c.expected) << c.xdgDataHome;
        EXPECT_TRUE(fs::is_directory(c.expected)) << c.expected;
    }
}

TEST_F(ProgramFolderRules, ANonWritableExecutableFolderIsPassedOver) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser may write everywhere";
    }
    fs::permissions(root_ / "lexorim", fs::perms::owner_read | fs::perms::owner_exec);
    ProgramFolderInputs inputs;
    inputs.executableFolder = root_ / "lexorim";
    inputs.xdgDataHome = (root_ / "data").string();
    EXPECT_EQ(ChooseProgramFolder(inputs), root_ / "data" / "lexorim");
    fs::permissions(root_ / "lexorim", fs::perms::owner_all);
}

TEST_F(ProgramFolderRules, TheEnvironmentDecides) {
    {
        const ScopedEnvironment home("LEXORIM_HOME", (root_ / "from-environment").string());
        EXPECT_EQ(ProgramFolder(), root_ / "from-environment");
        EXPECT_EQ(ProgramFolderInputsFromEnvironment().lexorimHome,
                  (root_ / "from-environment").string());
    }
    // Without LEXORIM_HOME: the folder of this test program when it may be written to, else the
    // data folder.
    const ScopedEnvironment noHome("LEXORIM_HOME", std::nullopt);
    const ScopedEnvironment data("XDG_DATA_HOME", (root_ / "data").string());
    const fs::path executableFolder = fs::read_symlink("/proc/self/exe").parent_path();
    const bool writable = ::access(executableFolder.c_str(), W_OK | X_OK) == 0;
    EXPECT_EQ(ProgramFolder(), writable ? executableFolder : root_ / "data" / "lexorim");
}

TEST(TemporaryFolder, FollowsTmpdir) {
    const ScopedEnvironment tmpdir("TMPDIR", "/var/tmp");
    EXPECT_EQ(TemporaryFolder(), fs::path("/var/tmp"));
}

}  // namespace
}  // namespace lexorim
