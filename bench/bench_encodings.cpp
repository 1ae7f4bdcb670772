// Speed of reading and writing text files in UTF-8, UTF-16 and UTF-7, against `iconv` doing the
// same conversion of the same files in the same run.
//
// usage: bench_encodings WORK_DIR   (the generated files are written there as bench-enc-*)
//
// Decoding is measured as ReadTextFile (file to text, the file already in the page cache),
// iconv as `iconv -f X -t UTF-16LE FILE > /dev/null`. Encoding is measured as EncodeText (text
// in memory to bytes), iconv as `iconv -f UTF-16LE -t X FILE > /dev/null` on the UTF-16 LE file.
// MB/s counts the bytes of the file in the encoding measured; the ratio is iconv's time divided
// by ours, so above 1 means faster than iconv.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "textfiles/text_reader.h"
#include "textfiles/text_writer.h"

extern char** environ;

namespace {

using lexorim::Text;
using lexorim::TextEncoding;
namespace encoding = lexorim::encoding;

constexpr size_t kTargetBytes = 50'000'000;
constexpr int kRuns = 3;

constexpr const char16_t* kWords[] = {
    u"Haus",  u"und",     u"der",     u"Größe",   u"Straße", u"Garten", u"mit",     u"einem",
    u"über",  u"Brücke",  u"Abend",   u"Wasser",  u"Stadt",  u"Licht",  u"Zeitung", u"Bahnhof",
    u"Reise", u"Buch",    u"Seite",   u"Kapitel", u"Index",  u"Jonas",  u"Weller",  u"fährt",
    u"schön", u"Bäcker",  u"Öffnung", u"Übung",   u"heiß",   u"die",    u"ein",     u"nach",
    u"zwölf", u"Mädchen", u"hören",   u"König",   u"Tür",    u"Käse",   u"wir",     u"sie",
};
constexpr const char16_t* kCjk[] = {u"東京", u"日本語", u"大阪の街", u"漢字", u"中文文本"};
constexpr const char16_t* kEmoji[] = {u"😀", u"🎉", u"👍", u"🚀"};

// About `targetBytes` of UTF-8: German words with umlauts in CR LF lines, a CJK phrase every
// 50 words or so and an emoji every 2000 words.
Text GenerateText(size_t targetBytes) {
    std::mt19937 random(42);
    const auto pick = [&random](size_t bound) {
        return std::uniform_int_distribution<size_t>(0, bound - 1)(random);
    };
    Text text;
    text.reserve(targetBytes);
    size_t utf8Bytes = 0;
    size_t wordsInLine = 0;
    while (utf8Bytes < targetBytes) {
        const size_t roll = pick(2000);
        const char16_t* word = roll == 0   ? kEmoji[pick(std::size(kEmoji))]
                               : roll < 40 ? kCjk[pick(std::size(kCjk))]
                                           : kWords[pick(std::size(kWords))];
        for (const char16_t* c = word; *c; ++c) {
            text += *c;
            utf8Bytes += *c < 0x80 ? 1 : *c < 0x800 ? 2 : (*c >= 0xD800 && *c < 0xE000) ? 2 : 3;
        }
        if (++wordsInLine == 12) {
            text += u"\r\n";
            utf8Bytes += 2;
            wordsInLine = 0;
        } else {
            text += u' ';
            utf8Bytes += 1;
        }
    }
    return text;
}

double Seconds(const std::function<void()>& work) {
    double best = 1e30;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

// The time iconv needs for the conversion, its output going to /dev/null; negative when iconv
// is not available or fails.
double IconvSeconds(const std::string& from, const std::string& to, const std::string& file) {
    bool failed = false;
    const double seconds = Seconds([&] {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        std::vector<std::string> args = {"iconv", "-f", from, "-t", to, file};
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        pid_t child = 0;
        int status = 0;
        if (posix_spawnp(&child, "iconv", &actions, nullptr, argv.data(), environ) != 0 ||
            waitpid(child, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            failed = true;
        }
        posix_spawn_file_actions_destroy(&actions);
    });
    return failed ? -1 : seconds;
}

void Report(const char* what, size_t bytes, double ours, double iconv) {
    const double mb = static_cast<double>(bytes) / 1e6;
    std::printf("%-20s %7.1f MB  %8.1f ms  %8.1f MB/s", what, mb, ours * 1e3, mb / ours);
    if (iconv > 0) {
        std::printf("   iconv %8.1f ms  %8.1f MB/s   ratio %5.2f\n", iconv * 1e3, mb / iconv,
                    iconv / ours);
    } else {
        std::printf("   iconv not available\n");
    }
    std::fflush(stdout);
}

struct Format {
    const char* name;
    TextEncoding code;
    const char* iconvName;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_encodings WORK_DIR\n");
        return 2;
    }
    const std::filesystem::path work(argv[1]);
    std::filesystem::create_directories(work);

    const Text text = GenerateText(kTargetBytes);
    const Format formats[] = {
        {"UTF-8", encoding::kUtf8, "UTF-8"},
        {"UTF-16 LE", encoding::kUtf16Le, "UTF-16LE"},
        {"UTF-16 BE", encoding::kUtf16Be, "UTF-16BE"},
        {"UTF-7", encoding::kUtf7, "UTF-7"},
    };
    std::vector<std::string> paths;
    std::vector<size_t> sizes;
    for (const Format& format : formats) {
        const std::string path =
            (work / ("bench-enc-" + std::string(format.iconvName) + ".txt")).string();
        lexorim::WriteTextFile(text, path, format.code, true);
        paths.push_back(path);
        sizes.push_back(std::filesystem::file_size(path));
    }
    const std::string& utf16le = paths[1];
    std::printf("text: %zu UTF-16 code units, %zu bytes of UTF-8\n", text.size(), sizes[0]);

    for (size_t i = 0; i < std::size(formats); ++i) {
        const Format& format = formats[i];
        size_t units = 0;
        const double ours = Seconds([&] { units = lexorim::ReadTextFile(paths[i]).size(); });
        if (units < text.size()) {
            std::fprintf(stderr, "%s: read %zu units, expected %zu\n", format.name, units,
                         text.size());
            return 1;
        }
        const double iconv = IconvSeconds(format.iconvName, "UTF-16LE", paths[i]);
        Report((std::string("decode ") + format.name).c_str(), sizes[i], ours, iconv);
    }
    for (size_t i = 0; i < std::size(formats); ++i) {
        const Format& format = formats[i];
        size_t bytes = 0;
        const double ours =
            Seconds([&] { bytes = lexorim::EncodeText(text, format.code, false).size(); });
        if (bytes == 0) {
            return 1;
        }
        const double iconv = IconvSeconds("UTF-16LE", format.iconvName, utf16le);
        Report((std::string("encode ") + format.name).c_str(), sizes[i], ours, iconv);
    }
    for (const std::string& path : paths) {
        std::filesystem::remove(path);
    }
    return 0;
}
