// Files made by independent converters (iconv, Python's codecs) read to the right text, and
// what this program writes decodes with them to the original text.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "temp_folder.h"
#include "textfiles/text_reader.h"
#include "textfiles/text_writer.h"

namespace lexorim {
namespace {

using testing::TempFolder;
using testing::UnitsToHex;

// The texts of the checks, in UTF-8 as the converters take them.
const std::string kTexts[] = {
    "Grüße aus Köln, Straße 1",
    "Zeile eins\r\nZeile zwei\r\n\tEingerückt ~ \\ + - +- a+b",
    "東京 und 大阪: 日本語のテキスト",
    "Emoji 😀 und Musik 𝄞 und das letzte Zeichen \xF4\x8F\xBF\xBF",
    "€ „Anführung“ ‚einfach‘ — – … • ™ ‰ Œ œ Š š Ž ž Ÿ ƒ ˆ ˜ † ‡",
    "",
    "x",
    "!\"#$%&*;<=>@[]^_`{|}'(),-./:?",
};

// Characters that Windows-1252 has, for the checks of the ANSI code page.
const std::string kWindows1252Texts[] = {
    "Grüße aus Köln, Straße 1",
    "€ „Anführung“ ‚einfach‘ — – … • ™ ‰ Œ œ Š š Ž ž Ÿ ƒ ˆ ˜ † ‡ ¡¢£¤¥¦§¨©ª«¬­®¯°±²³´µ¶·¸¹º»¼½¾¿",
    "ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞßàáâãäåæçèéêëìíîïðñòóôõö÷øùúûüýþÿ",
};

bool HasTool(const std::string& name) {
    return std::system(("command -v " + name + " > /dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command; true when it exits with 0.
bool RunShell(const std::string& command) {
    const int status = std::system(command.c_str());
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

class IconvTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!HasTool("iconv")) {
            GTEST_SKIP() << "iconv is not installed";
        }
    }

    // The text converted by iconv from UTF-8 into `encoding`, with `signature` in front.
    std::string MakeFile(const std::string& utf8, const std::string& encoding,
                         const std::string& signature) {
        const std::string source = folder_.write("source.txt", utf8);
        const std::string converted = folder_.file("converted.bin");
        EXPECT_TRUE(RunShell("iconv -f UTF-8 -t " + encoding + " " + Quoted(source) + " > " +
                             Quoted(converted)));
        return folder_.write("made-by-iconv.txt", signature + TempFolder::read(converted));
    }

    // The file converted by iconv from `encoding` into UTF-8.
    std::string DecodeFile(const std::string& path, const std::string& encoding) {
        const std::string converted = folder_.file("decoded.txt");
        EXPECT_TRUE(RunShell("iconv -f " + encoding + " -t UTF-8 " + Quoted(path) + " > " +
                             Quoted(converted)));
        return TempFolder::read(converted);
    }

    TempFolder folder_;
};

struct MadeFileCase {
    const char* name;
    const char* iconvName;
    std::string signature;
};

void PrintTo(const MadeFileCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadIconvFileTest : public IconvTest, public ::testing::WithParamInterface<MadeFileCase> {};

TEST_P(ReadIconvFileTest, ReadsTheText) {
    const MadeFileCase& c = GetParam();
    for (const std::string& utf8 : kTexts) {
        const std::string path = MakeFile(utf8, c.iconvName, c.signature);
        EXPECT_EQ(UnitsToHex(ReadTextFile(path)), UnitsToHex(FromUtf8(utf8))) << utf8;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, ReadIconvFileTest,
    ::testing::Values(MadeFileCase{"Utf16Le", "UTF-16LE", "\xFF\xFE"},
                      MadeFileCase{"Utf16Be", "UTF-16BE", "\xFE\xFF"},
                      MadeFileCase{"Utf32Le", "UTF-32LE", std::string("\xFF\xFE\x00\x00", 4)},
                      MadeFileCase{"Utf32Be", "UTF-32BE", std::string("\x00\x00\xFE\xFF", 4)},
                      MadeFileCase{"Utf8Bom", "UTF-8", "\xEF\xBB\xBF"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IconvTest, ReadsWindows1252Files) {
    for (const std::string& utf8 : kWindows1252Texts) {
        const std::string path = MakeFile(utf8, "CP1252", "");
        EXPECT_EQ(DetectEncoding(path), encoding::kAnsi);
        EXPECT_EQ(UnitsToHex(ReadTextFile(path)), UnitsToHex(FromUtf8(utf8))) << utf8;
    }
}

TEST_F(IconvTest, ReadsUtf8FilesWithoutSignature) {
    for (const std::string& utf8 : kTexts) {
        if (utf8.size() < 2) {
            continue;  // one byte is read as ANSI
        }
        const std::string path = folder_.write("plain.txt", utf8);
        EXPECT_EQ(UnitsToHex(ReadTextFile(path)), UnitsToHex(FromUtf8(utf8))) << utf8;
    }
}

struct WrittenFileCase {
    const char* name;
    TextEncoding code;
    bool signature;
    const char* iconvName;
    const char* expectedPrefix;  // what iconv makes of the signature, in UTF-8
};

void PrintTo(const WrittenFileCase& c, std::ostream* os) {
    *os << c.name;
}

class WrittenFileTest : public IconvTest, public ::testing::WithParamInterface<WrittenFileCase> {};

TEST_P(WrittenFileTest, DecodesWithIconv) {
    const WrittenFileCase& c = GetParam();
    for (const std::string& utf8 : kTexts) {
        const std::string path = folder_.file("written.txt");
        WriteTextFile(FromUtf8(utf8), path, c.code, c.signature);
        EXPECT_EQ(DecodeFile(path, c.iconvName), c.expectedPrefix + utf8);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, WrittenFileTest,
    ::testing::Values(
        WrittenFileCase{"Utf16LeWithSignature", encoding::kUtf16Le, true, "UTF-16", ""},
        WrittenFileCase{"Utf16Le", encoding::kUtf16Le, false, "UTF-16LE", ""},
        WrittenFileCase{"Utf16BeWithSignature", encoding::kUtf16Be, true, "UTF-16", ""},
        WrittenFileCase{"Utf16Be", encoding::kUtf16Be, false, "UTF-16BE", ""},
        WrittenFileCase{"Utf32LeWithSignature", encoding::kUtf32Le, true, "UTF-32", ""},
        WrittenFileCase{"Utf32Le", encoding::kUtf32Le, false, "UTF-32LE", ""},
        WrittenFileCase{"Utf32BeWithSignature", encoding::kUtf32Be, true, "UTF-32", ""},
        WrittenFileCase{"Utf32Be", encoding::kUtf32Be, false, "UTF-32BE", ""},
        WrittenFileCase{"Utf8", encoding::kUtf8, true, "UTF-8", ""},
        WrittenFileCase{"Utf8Bom", encoding::kUtf8Bom, false, "UTF-8", "\xEF\xBB\xBF"},
        WrittenFileCase{"Utf7", encoding::kUtf7Ansi, false, "UTF-7", ""},
        WrittenFileCase{"Utf7WithSignature", encoding::kUtf7, true, "UTF-7", "\xEF\xBB\xBF"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IconvTest, WindowsAnsiFilesDecode) {
    for (const std::string& utf8 : kWindows1252Texts) {
        const std::string path = folder_.file("ansi.txt");
        WriteTextFile(FromUtf8(utf8), path, encoding::kAnsi, true);
        EXPECT_EQ(DecodeFile(path, "CP1252"), utf8);
    }
}

// Python's codec is a second, independent UTF-7 implementation.
class PythonUtf7Test : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!HasTool("python3") ||
            !RunShell("python3 -c 'import codecs; codecs.lookup(\"utf_7\")'")) {
            GTEST_SKIP() << "python3 with the utf_7 codec is not available";
        }
    }

    // Runs a Python statement with `in` and `out` naming the two files.
    bool Python(const std::string& statement, const std::string& in, const std::string& out) {
        return RunShell("python3 -c 'import sys; in_, out = sys.argv[1], sys.argv[2]; " +
                        statement + "' " + Quoted(in) + " " + Quoted(out));
    }

    TempFolder folder_;
};

TEST_F(PythonUtf7Test, WrittenFilesDecode) {
    for (const std::string& utf8 : kTexts) {
        for (const bool signature : {false, true}) {
            const std::string path = folder_.file("utf7.txt");
            const std::string decoded = folder_.file("decoded.txt");
            WriteTextFile(FromUtf8(utf8), path, encoding::kUtf7, signature);
            ASSERT_TRUE(
                Python("open(out, \"wb\").write(open(in_, \"rb\").read().decode(\"utf_7\")"
                       ".encode(\"utf-8\", \"surrogatepass\"))",
                       path, decoded));
            EXPECT_EQ(TempFolder::read(decoded), (signature ? "\xEF\xBB\xBF" : "") + utf8);
        }
    }
}

TEST_F(PythonUtf7Test, FilesMadeByPythonRead) {
    for (const std::string& utf8 : kTexts) {
        const std::string source = folder_.write("source.txt", utf8);
        const std::string made = folder_.file("made.txt");
        ASSERT_TRUE(Python(
            "open(out, \"wb\").write(open(in_, \"rb\").read().decode(\"utf-8\").encode(\"utf_7\"))",
            source, made));
        const std::string bytes = TempFolder::read(made);
        EXPECT_EQ(UnitsToHex(DecodeText(bytes, encoding::kUtf7)), UnitsToHex(FromUtf8(utf8)))
            << bytes;
        // With the signature in front the file is recognised as UTF-7.
        const std::string withSignature = folder_.write("signed.txt", "+/v8-" + bytes);
        EXPECT_EQ(DetectEncoding(withSignature), encoding::kUtf7);
        EXPECT_EQ(UnitsToHex(ReadTextFile(withSignature)), UnitsToHex(FromUtf8(utf8))) << bytes;
    }
}

}  // namespace
}  // namespace lexorim
