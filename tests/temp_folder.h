#pragma once
// A fresh folder for the files of one test, removed with everything in it afterwards. Its
// name is random, so test cases that CTest runs in parallel never share a folder.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace lexorim::testing {

class TempFolder {
  public:
    TempFolder() {
        std::random_device seed;
        const auto* const info = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string name = info ? std::string(info->name()) : std::string("test");
        for (;;) {
            path_ = std::filesystem::temp_directory_path() /
                    ("lexorim-" + SafeName(name) + "-" + std::to_string(seed()));
            if (std::filesystem::create_directory(path_)) {
                break;
            }
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        // Folders made read-only by a test must be writable again before they can be removed.
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    std::string file(std::string_view name) const { return (path_ / name).string(); }

    std::string write(std::string_view name, std::string_view bytes) const {
        const std::string target = file(name);
        std::ofstream out(target, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return target;
    }

    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // The names of every file in the folder.
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            result.push_back(entry.path().filename().string());
        }
        std::sort(result.begin(), result.end());
        return result;
    }

  private:
    static std::string SafeName(std::string name) {
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) {
                c = '_';
            }
        }
        return name;
    }

    std::filesystem::path path_;
};

// Bytes written as hexadecimal pairs, e.g. Hex("FF FE 41 00").
inline std::string Hex(std::string_view pairs) {
    std::string bytes;
    int pending = -1;
    for (const char c : pairs) {
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            continue;
        }
        if (pending < 0) {
            pending = digit;
        } else {
            bytes += static_cast<char>(pending * 16 + digit);
            pending = -1;
        }
    }
    return bytes;
}

// Bytes as hexadecimal pairs separated by blanks, for readable failure messages.
inline std::string ToHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : bytes) {
        if (!text.empty()) {
            text += ' ';
        }
        text += kDigits[static_cast<unsigned char>(c) >> 4];
        text += kDigits[static_cast<unsigned char>(c) & 15];
    }
    return text;
}

// UTF-16 code units as hexadecimal, for readable failure messages.
inline std::string UnitsToHex(std::u16string_view text) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string result;
    for (const char16_t unit : text) {
        if (!result.empty()) {
            result += ' ';
        }
        for (int shift = 12; shift >= 0; shift -= 4) {
            result += kDigits[(unit >> shift) & 15];
        }
    }
    return result;
}

}  // namespace lexorim::testing
