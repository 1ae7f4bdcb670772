// Fontconfig keeps its configuration until it is told to let go; the picture tests release it
// after the last test so that leak checking sees only what the program itself keeps.

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

namespace {

class FontconfigCleanup : public ::testing::Environment {
  public:
    void TearDown() override { FcFini(); }
};

// Google Test owns and runs the environment.
[[maybe_unused]] ::testing::Environment* const kCleanup =
    ::testing::AddGlobalTestEnvironment(new FontconfigCleanup);

}  // namespace
