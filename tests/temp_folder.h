#pragma once
// A fresh temporary folder for one test. CTest runs test cases in parallel processes, so the
// name carries the test's name and the process id; the folder is removed at the end.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace lexorim::testing {

class TempFolder {
  public:
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name) {
            if (c == '/')
                c = '_';
        }
        path_ = std::filesystem::temp_directory_path() /
                ("lexorim-" + name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

}  // namespace lexorim::testing
