// Writing text files: the bytes of every encoding, UTF-7, the safe replacement of files and the
// error texts.

#include "textfiles/text_writer.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "engine/errors.h"
#include "temp_folder.h"
#include "textfiles/internal/codecs.h"
#include "textfiles/text_reader.h"

namespace lexorim {
namespace {

using testing::Hex;
using testing::TempFolder;
using testing::ToHex;
using testing::UnitsToHex;

// ---------------------------------------------------------------------------------------------
// Bytes of every encoding

struct EncodeCase {
    const char* name;
    Text text;
    TextEncoding code;
    bool signature;
    std::string expected;
};

void PrintTo(const EncodeCase& c, std::ostream* os) {
    *os << c.name;
}

class EncodeTextTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeTextTest, GivesTheBytes) {
    const EncodeCase& c = GetParam();
    EXPECT_EQ(ToHex(EncodeText(c.text, c.code, c.signature)), ToHex(c.expected));
}

TEST_P(EncodeTextTest, WritesTheBytesToTheFile) {
    const EncodeCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.file("out.txt");
    WriteTextFile(c.text, path, c.code, c.signature);
    EXPECT_EQ(ToHex(TempFolder::read(path)), ToHex(c.expected));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"out.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Codes, EncodeTextTest,
    ::testing::Values(
        EncodeCase{"Utf16LeSignature", u"A", encoding::kUtf16Le, true, Hex("FF FE 41 00")},
        EncodeCase{"Utf16LeNoSignature", u"A", encoding::kUtf16Le, false, Hex("41 00")},
        EncodeCase{"Utf16BeSignature", u"A", encoding::kUtf16Be, true, Hex("FE FF 00 41")},
        EncodeCase{"Utf16BeNoSignature", u"A", encoding::kUtf16Be, false, Hex("00 41")},
        EncodeCase{"Utf32LeSignature", u"A", encoding::kUtf32Le, true,
                   Hex("FF FE 00 00 41 00 00 00")},
        EncodeCase{"Utf32LeNoSignature", u"A", encoding::kUtf32Le, false, Hex("41 00 00 00")},
        EncodeCase{"Utf32BeSignature", u"A", encoding::kUtf32Be, true,
                   Hex("00 00 FE FF 00 00 00 41")},
        EncodeCase{"Utf32BeNoSignature", u"A", encoding::kUtf32Be, false, Hex("00 00 00 41")},
        EncodeCase{"Utf8BomSignature", u"A", encoding::kUtf8Bom, true, Hex("EF BB BF 41")},
        EncodeCase{"Utf8BomAlwaysHasItsSignature", u"A", encoding::kUtf8Bom, false,
                   Hex("EF BB BF 41")},
        EncodeCase{"Utf8NeverHasASignature", u"A", encoding::kUtf8, true, Hex("41")},
        EncodeCase{"Utf8NoSignature", u"A", encoding::kUtf8, false, Hex("41")},
        EncodeCase{"Utf7Signature", u"A", encoding::kUtf7, true, "+/v8-A"},
        EncodeCase{"Utf7NoSignature", u"A", encoding::kUtf7, false, "A"},
        EncodeCase{"Utf7AnsiNeverHasASignature", u"A", encoding::kUtf7Ansi, true, "A"},
        EncodeCase{"Ansi", u"Grüße €", encoding::kAnsi, true, Hex("47 72 FC DF 65 20 80")},
        EncodeCase{"AnsiLacksCharacters", u"a東\U0001F600b", encoding::kAnsi, false, "a??b"},
        EncodeCase{"UnknownCodeIsEmpty", u"A", 1252, true, ""},
        EncodeCase{"NegativeCodeIsEmpty", u"A", -1, true, ""},
        EncodeCase{"Code65003IsEmpty", u"A", 65003, true, ""},
        EncodeCase{"EmptyTextUtf16Le", u"", encoding::kUtf16Le, true, Hex("FF FE")},
        EncodeCase{"EmptyTextUtf8", u"", encoding::kUtf8, true, ""},
        EncodeCase{"EmptyTextUtf7", u"", encoding::kUtf7, true, "+/v8"},
        EncodeCase{"PairInUtf32Le", u"\U0001F600", encoding::kUtf32Le, false, Hex("00 F6 01 00")},
        EncodeCase{"PairInUtf32Be", u"\U0001F600", encoding::kUtf32Be, false, Hex("00 01 F6 00")},
        EncodeCase{"LoneHighSurrogateInUtf32",
                   Text(u"\xD83D"
                        u"A"),
                   encoding::kUtf32Le, false, Hex("3F 00 00 00 41 00 00 00")},
        EncodeCase{"HighSurrogateAtEndInUtf32", Text(u"A\xD83D"), encoding::kUtf32Le, false,
                   Hex("41 00 00 00 3F 00 00 00")},
        EncodeCase{"LoneLowSurrogateDroppedInUtf32",
                   Text(u"A\xDE00"
                        u"B"),
                   encoding::kUtf32Be, false, Hex("00 00 00 41 00 00 00 42")},
        EncodeCase{"PairInUtf16Le", u"\U0001F600", encoding::kUtf16Le, false, Hex("3D D8 00 DE")},
        EncodeCase{"PairInUtf16Be", u"\U0001F600", encoding::kUtf16Be, false, Hex("D8 3D DE 00")},
        EncodeCase{"PairInUtf8IsFourBytes", u"\U0001F600", encoding::kUtf8, false,
                   Hex("F0 9F 98 80")},
        EncodeCase{"HighestPairInUtf8", u"\U0010FFFF", encoding::kUtf8, false, Hex("F4 8F BF BF")},
        EncodeCase{"LowestPairInUtf8", u"\U00010000", encoding::kUtf8, false, Hex("F0 90 80 80")},
        EncodeCase{"LoneSurrogatesInUtf8AreThreeBytes", Text(u"\xDE00\xD83D"), encoding::kUtf8,
                   false, Hex("ED B8 80 ED A0 BD")},
        EncodeCase{"Utf8Lengths", u"A\u007F\u0080\u07FF\u0800\uFFFF", encoding::kUtf8, false,
                   Hex("41 7F C2 80 DF BF E0 A0 80 EF BF BF")},
        EncodeCase{"Utf8Nul", Text(1, u'\0'), encoding::kUtf8, false, Hex("00")},
        EncodeCase{"LongAsciiThenUmlautInUtf8", Text(20, u'x') + u"ä", encoding::kUtf8, false,
                   std::string(20, 'x') + Hex("C3 A4")}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// UTF-7

struct Utf7Case {
    const char* name;
    Text text;
    bool signature;
    std::string expected;
};

void PrintTo(const Utf7Case& c, std::ostream* os) {
    *os << c.name;
}

class Utf7EncoderTest : public ::testing::TestWithParam<Utf7Case> {};

TEST_P(Utf7EncoderTest, Encodes) {
    const Utf7Case& c = GetParam();
    std::string bytes;
    AppendUtf7(c.text, c.signature, bytes);
    EXPECT_EQ(bytes, c.expected);
}

TEST_P(Utf7EncoderTest, DecodesBack) {
    const Utf7Case& c = GetParam();
    std::string bytes;
    AppendUtf7(c.text, c.signature, bytes);
    const std::optional<Text> decoded = DecodeUtf7(bytes);
    ASSERT_TRUE(decoded.has_value()) << bytes;
    EXPECT_EQ(UnitsToHex(*decoded), UnitsToHex((c.signature ? u"\uFEFF" : u"") + c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf7EncoderTest,
    ::testing::Values(Utf7Case{"Empty", u"", false, ""},
                      Utf7Case{"PlusSign", u"a+b", false, "a+-b"},
                      Utf7Case{"RunBeforeLetter", u"Äx", false, "+AMQ-x"},
                      Utf7Case{"RunAtEnd", u"Ä", false, "+AMQ"},
                      Utf7Case{"RunBeforeDigit", u"Ä1", false, "+AMQ-1"},
                      Utf7Case{"RunBeforeSlash", u"Ä/", false, "+AMQ-/"},
                      Utf7Case{"RunBeforeMinus", u"Ä-", false, "+AMQ--"},
                      Utf7Case{"RunBeforePlus", u"Ä+", false, "+AMQ-+-"},
                      Utf7Case{"RunBeforeFullStop", u"Ä.", false, "+AMQ."},
                      Utf7Case{"RunBeforeBlank", u"Ä b", false, "+AMQ b"},
                      Utf7Case{"RunBeforeLineBreak", u"Ä\r\n", false, "+AMQ\r\n"},
                      Utf7Case{"TwoCharactersInOneRun", u"ÄÖ", false, "+AMQA1g"},
                      Utf7Case{"Pair", u"\U0001F600", false, "+2D3eAA"},
                      Utf7Case{"Tilde", u"~", false, "+AH4"},
                      Utf7Case{"Backslash", u"\\", false, "+AFw"},
                      Utf7Case{"ControlCharacter", u"\x01", false, "+AAE"},
                      Utf7Case{"Nul", Text(1, u'\0'), false, "+AAA"},
                      Utf7Case{"SetD", u"Az09'(),-./:?", false, "Az09'(),-./:?"},
                      Utf7Case{"SetO", u"!\"#$%&*;<=>@[]^_`{|}", false, "!\"#$%&*;<=>@[]^_`{|}"},
                      Utf7Case{"Whitespace", u" \t\r\n", false, " \t\r\n"},
                      Utf7Case{"LoneSurrogate", Text(u"\xD800"), false, "+2AA"},
                      Utf7Case{"SignatureBeforeLetter", u"Ab", true, "+/v8-Ab"},
                      Utf7Case{"SignatureBeforeBlank", u" b", true, "+/v8 b"},
                      Utf7Case{"SignatureBeforeLineBreak", u"\r\nb", true, "+/v8\r\nb"},
                      Utf7Case{"SignatureSharesTheRun", u"Äx", true, "+/v8AxA-x"},
                      Utf7Case{"SignatureBeforeU4000", u"\u4E00", true, "+/v9OAA"},
                      Utf7Case{"SignatureBeforeU8000", u"\u8000", true, "+/v+AAA"},
                      Utf7Case{"SignatureBeforeUC000", u"\uC000", true, "+/v/AAA"},
                      Utf7Case{"SignatureOnly", u"", true, "+/v8"},
                      Utf7Case{"SignatureBeforePlus", u"+", true, "+/v8-+-"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Utf7File, WithSignatureReadsBackWhenTheTextStartsBelowU4000) {
    TempFolder folder;
    for (const Text& text : {Text(u"Ab"), Text(u" b"), Text(u"\r\nx"), Text(u"Äx+y-z~"),
                             Text(u"\u3FFF\U0001F600"), Text(u"")}) {
        const std::string path = folder.file("utf7.txt");
        WriteTextFile(text, path, encoding::kUtf7, true);
        EXPECT_EQ(DetectEncoding(path), encoding::kUtf7);
        EXPECT_EQ(UnitsToHex(ReadTextFile(path)), UnitsToHex(text));
    }
}

TEST(Utf7File, WithSignatureAndATextFromU4000IsReadAsAscii) {
    TempFolder folder;
    const std::string path = folder.file("utf7.txt");
    WriteTextFile(u"\u4E00", path, encoding::kUtf7, true);
    EXPECT_EQ(DetectEncoding(path), encoding::kUtf8);
    EXPECT_EQ(ReadTextFile(path), u"+/v9OAA");
}

// ---------------------------------------------------------------------------------------------
// Round trips through files

const Text kMixedText = u"Grüße, 東京! a+b-c ~\\ \r\n\t€ Ÿ \U0001F600\U0010FFFF end";

struct RoundTripCase {
    const char* name;
    TextEncoding code;
    bool signature;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.name;
}

class RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, ReadsBackWhatWasWritten) {
    const RoundTripCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.file("round.txt");
    WriteTextFile(kMixedText, path, c.code, c.signature);
    EXPECT_EQ(UnitsToHex(ReadTextFile(path)), UnitsToHex(kMixedText));
}

INSTANTIATE_TEST_SUITE_P(Encodings, RoundTripTest,
                         ::testing::Values(RoundTripCase{"Utf16Le", encoding::kUtf16Le, true},
                                           RoundTripCase{"Utf16Be", encoding::kUtf16Be, true},
                                           RoundTripCase{"Utf32Le", encoding::kUtf32Le, true},
                                           RoundTripCase{"Utf32Be", encoding::kUtf32Be, true},
                                           RoundTripCase{"Utf8", encoding::kUtf8, false},
                                           RoundTripCase{"Utf8Bom", encoding::kUtf8Bom, true},
                                           RoundTripCase{"Utf8BomFlagOff", encoding::kUtf8Bom,
                                                         false},
                                           RoundTripCase{"Utf7", encoding::kUtf7, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RoundTrip, LoneSurrogatesSurviveUtf8AndUtf16) {
    const Text text = Text(
                          u"a\xDE00"
                          u"b\xD83D") +
                      u"\U0001F600" + Text(u"\xD83D\xD83D\xDE00");
    TempFolder folder;
    const std::string path = folder.file("lone.txt");
    for (const TextEncoding code : {encoding::kUtf8, encoding::kUtf8Bom, encoding::kUtf16Le,
                                    encoding::kUtf16Be, encoding::kUtf7}) {
        WriteTextFile(text, path, code, true);
        EXPECT_EQ(UnitsToHex(ReadTextFile(path)), UnitsToHex(text)) << code;
    }
}

TEST(RoundTrip, AnsiKeepsEveryWindows1252Character) {
    Text text = u"Grüße Œuvre — “quoted” ‰ ™ ";
    for (char16_t c = 0xA0; c <= 0xFF; ++c) {
        text += c;
    }
    TempFolder folder;
    const std::string path = folder.file("ansi.txt");
    WriteTextFile(text, path, encoding::kAnsi, true);
    EXPECT_EQ(DetectEncoding(path), encoding::kAnsi);
    EXPECT_EQ(UnitsToHex(ReadTextFile(path)), UnitsToHex(text));
}

TEST(RoundTrip, LargeTextInEveryEncoding) {
    Text text;
    for (int i = 0; i < 20000; ++i) {
        text += u"Zeile ";
        text += static_cast<char16_t>(u'0' + i % 10);
        text += u" Grüße 東 \U0001F600\r\n";
    }
    TempFolder folder;
    const std::string path = folder.file("large.txt");
    for (const TextEncoding code :
         {encoding::kUtf8, encoding::kUtf8Bom, encoding::kUtf16Le, encoding::kUtf16Be,
          encoding::kUtf32Le, encoding::kUtf32Be, encoding::kUtf7}) {
        WriteTextFile(text, path, code, true);
        EXPECT_EQ(ReadTextFile(path), text) << code;
    }
}

TEST(WriteTextFile, ATextOfManyMegabytesGivesTheBytesOfTheWholeText) {
    // Long enough to be written in pieces, with pairs and lone surrogates at every offset.
    Text text;
    for (int i = 0; text.size() < (size_t{3} << 19); ++i) {
        text += u"Grüße ";
        text.append(static_cast<size_t>(i % 7), u'x');
        text += i % 5 == 0 ? u"\xD800 " : u"\U0001F600 ";
    }
    TempFolder folder;
    const std::string path = folder.file("pieces.txt");
    for (const TextEncoding code :
         {encoding::kUtf8, encoding::kUtf8Bom, encoding::kUtf16Le, encoding::kUtf16Be,
          encoding::kUtf32Le, encoding::kUtf32Be, encoding::kUtf7, encoding::kAnsi}) {
        for (const bool signature : {false, true}) {
            WriteTextFile(text, path, code, signature);
            EXPECT_TRUE(TempFolder::read(path) == EncodeText(text, code, signature))
                << code << " " << signature;
        }
    }
}

TEST(WriteWithoutSignature, Utf16LeWritesNoSignatureButUtf8BomDoes) {
    EXPECT_EQ(EncodeText(u"A", encoding::kUtf16Le, false).substr(0, 2), Hex("41 00"));
    EXPECT_EQ(EncodeText(u"A", encoding::kUtf8Bom, false).substr(0, 3), Hex("EF BB BF"));
}

// ---------------------------------------------------------------------------------------------
// Pictures

TEST(IsPicturePath, ByTheExtensionOfTheFileName) {
    for (const char* path :
         {"a.bmp", "a.BMP", "dir/a.Gif", "a.jpg", "a.JPEG", "a.txt.jpeg", "/x.y/a.JpG"}) {
        EXPECT_TRUE(IsPicturePath(path)) << path;
    }
    for (const char* path :
         {"a.txt", "a", "a.jpgx", "a.jp", "jpg", "a.bmp/b", "a.bmp.txt", "dir.jpg/file", ""}) {
        EXPECT_FALSE(IsPicturePath(path)) << path;
    }
}

// ---------------------------------------------------------------------------------------------
// Replacing files safely

Text CannotCreate(const std::string& path, int errorNumber) {
    return u"Cannot create file \"" + FromUtf8(path) + u"\". " +
           FromUtf8(std::strerror(errorNumber));
}

Text WriteError(const std::string& path, TextView text = u"new") {
    try {
        WriteTextFile(text, path, encoding::kUtf8, false);
    } catch (const UserError& error) {
        return error.text();
    }
    return u"(no error)";
}

TEST(WriteTextFilePicture, WritesAPictureAndReportsWhenItCannot) {
    TempFolder folder;
    for (const char* name : {"picture.jpg", "picture.BMP", "picture.gif", "picture.Jpeg"}) {
        const std::string path = folder.file(name);
        EXPECT_NO_THROW(WriteTextFile(u"hello", path, encoding::kUtf8, false));
        ASSERT_TRUE(std::filesystem::exists(path)) << name;
        EXPECT_NE(TempFolder::read(path), "hello") << name;
    }
    // A picture that cannot be saved is an error, not a success without a file.
    const std::string missing = folder.file("missing folder/picture.jpg");
    EXPECT_EQ(WriteError(missing), CannotCreate(missing, ENOENT));
}

mode_t PermissionBits(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0);
    return status.st_mode & 07777;
}

TEST(WriteTextFileReplace, ReplacesTheOldContent) {
    TempFolder folder;
    const std::string path = folder.write("file.txt", "a much longer old content than the new");
    WriteTextFile(u"new", path, encoding::kUtf8, false);
    EXPECT_EQ(TempFolder::read(path), "new");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"file.txt"});
}

TEST(WriteTextFileReplace, KeepsThePermissionBitsOfTheOldFile) {
    TempFolder folder;
    for (const mode_t mode : {0600, 0640, 0604, 0755}) {
        const std::string path = folder.write("file.txt", "old");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        WriteTextFile(u"new", path, encoding::kUtf8, false);
        EXPECT_EQ(PermissionBits(path), mode);
        EXPECT_EQ(TempFolder::read(path), "new");
    }
}

TEST(WriteTextFileReplace, NewFileGetsTheUsualPermissions) {
    TempFolder folder;
    const mode_t mask = ::umask(022);
    const std::string path = folder.file("new.txt");
    WriteTextFile(u"x", path, encoding::kUtf8, false);
    ::umask(mask);
    EXPECT_EQ(PermissionBits(path), 0644u);
}

TEST(WriteTextFileReplace, WritesThroughASymbolicLink) {
    TempFolder folder;
    const std::string target = folder.write("target.txt", "old");
    const std::string link = folder.file("link.txt");
    std::filesystem::create_symlink(target, link);
    WriteTextFile(u"new", link, encoding::kUtf8, false);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(TempFolder::read(target), "new");
}

TEST(WriteTextFileReplace, CreatesAFileThroughADanglingSymbolicLinkAsAFile) {
    TempFolder folder;
    const std::string link = folder.file("link.txt");
    std::filesystem::create_symlink(folder.file("nowhere.txt"), link);
    WriteTextFile(u"new", link, encoding::kUtf8, false);
    EXPECT_EQ(TempFolder::read(link), "new");
}

TEST(WriteTextFileReplace, RelativePathInTheCurrentFolder) {
    TempFolder folder;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    WriteTextFile(u"here", "relative.txt", encoding::kUtf8, false);
    std::filesystem::current_path(previous);
    EXPECT_EQ(TempFolder::read(folder.file("relative.txt")), "here");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"relative.txt"});
}

TEST(WriteTextFileReplace, VeryLongFileName) {
    TempFolder folder;
    const std::string name = std::string(250, 'n') + ".txt";
    const std::string path = folder.file(name);
    WriteTextFile(u"long", path, encoding::kUtf8, false);
    EXPECT_EQ(TempFolder::read(path), "long");
    EXPECT_EQ(folder.names(), std::vector<std::string>{name});
}

TEST(WriteTextFileReplace, DeviceIsWrittenAndNotReplaced) {
    WriteTextFile(u"nothing", "/dev/null", encoding::kUtf8, false);
    struct stat status {};
    ASSERT_EQ(::stat("/dev/null", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
}

TEST(WriteTextFileReplace, PipeIsWrittenAndNotReplaced) {
    TempFolder folder;
    const std::string path = folder.file("pipe");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = TempFolder::read(path); });
    WriteTextFile(u"through the pipe", path, encoding::kUtf8, false);
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST(WriteTextFileErrors, MissingFolder) {
    TempFolder folder;
    const std::string path = folder.file("no folder/file.txt");
    EXPECT_EQ(WriteError(path), CannotCreate(path, ENOENT));
    EXPECT_TRUE(folder.names().empty());
}

TEST(WriteTextFileErrors, TargetIsAFolder) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "sub");
    const std::string path = folder.file("sub");
    EXPECT_EQ(WriteError(path), CannotCreate(path, EISDIR));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"sub"});
}

TEST(WriteTextFileErrors, EmptyPath) {
    EXPECT_EQ(WriteError(""), CannotCreate("", ENOENT));
}

TEST(WriteTextFileErrors, PathThroughAFile) {
    TempFolder folder;
    folder.write("plain", "x");
    const std::string path = folder.file("plain/file.txt");
    EXPECT_EQ(WriteError(path), CannotCreate(path, ENOTDIR));
}

// Limits the size of files this process may write, so that writing fails part way.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        ::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    sighandler_t previousHandler_;
};

TEST(WriteTextFileErrors, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    TempFolder folder;
    const std::string path = folder.write("keep.txt", "the old content");
    Text error;
    {
        FileSizeLimit limit(4096);
        error = WriteError(path, Text(100000, u'x'));
    }
    EXPECT_EQ(error, CannotCreate(path, EFBIG));
    EXPECT_EQ(TempFolder::read(path), "the old content");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"keep.txt"});
}

TEST(WriteTextFileErrors, AFailedWriteOfANewFileLeavesNothing) {
    TempFolder folder;
    Text error;
    const std::string path = folder.file("new.txt");
    {
        FileSizeLimit limit(100);
        error = WriteError(path, Text(5000, u'y'));
    }
    EXPECT_EQ(error, CannotCreate(path, EFBIG));
    EXPECT_TRUE(folder.names().empty());
}

TEST(WriteTextFileErrors, ReadOnlyFolder) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not apply to root";
    }
    TempFolder folder;
    const std::string path = folder.file("new.txt");
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    EXPECT_EQ(WriteError(path), CannotCreate(path, EACCES));
}

TEST(WriteTextFileReplace, WritableFileInAReadOnlyFolderIsOverwritten) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not apply to root";
    }
    TempFolder folder;
    const std::string path = folder.write("file.txt", "old");
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    WriteTextFile(u"new", path, encoding::kUtf8, false);
    EXPECT_EQ(TempFolder::read(path), "new");
}

TEST(WriteTextFileErrors, ReadOnlyFileInAReadOnlyFolder) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not apply to root";
    }
    TempFolder folder;
    const std::string path = folder.write("file.txt", "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    EXPECT_EQ(WriteError(path), CannotCreate(path, EACCES));
    EXPECT_EQ(TempFolder::read(path), "old");
}

}  // namespace
}  // namespace lexorim
