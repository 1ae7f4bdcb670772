// Reading text files: detection, every decoder and the error texts.

#include "textfiles/text_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <thread>

#include "engine/errors.h"
#include "temp_folder.h"
#include "textfiles/internal/codecs.h"

namespace lexorim {
namespace {

using testing::Hex;
using testing::TempFolder;
using testing::ToHex;
using testing::UnitsToHex;

// ---------------------------------------------------------------------------------------------
// Detection

struct DetectionCase {
    const char* name;
    std::string bytes;
    TextEncoding expected;
};

void PrintTo(const DetectionCase& c, std::ostream* os) {
    *os << c.name;
}

class DetectionTest : public ::testing::TestWithParam<DetectionCase> {};

TEST_P(DetectionTest, ClassifiesTheBytes) {
    const DetectionCase& c = GetParam();
    EXPECT_EQ(DetectEncodingOfBytes(c.bytes), c.expected) << ToHex(c.bytes);
}

TEST_P(DetectionTest, ClassifiesTheFile) {
    const DetectionCase& c = GetParam();
    TempFolder folder;
    EXPECT_EQ(DetectEncoding(folder.write("file.txt", c.bytes)), c.expected) << ToHex(c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Signatures, DetectionTest,
    ::testing::Values(
        DetectionCase{"Empty", "", encoding::kAnsi},
        DetectionCase{"OneAsciiByte", "A", encoding::kAnsi},
        DetectionCase{"OneHighByte", Hex("FC"), encoding::kAnsi},
        DetectionCase{"Ascii", "ABC", encoding::kUtf8},
        DetectionCase{"TwoZeroBytes", Hex("00 00"), encoding::kUtf8},
        DetectionCase{"Utf8Signature", Hex("EF BB BF"), encoding::kUtf8Bom},
        DetectionCase{"Utf8SignatureWithText", Hex("EF BB BF 41 42"), encoding::kUtf8Bom},
        DetectionCase{"Utf8SignatureWithBrokenText", Hex("EF BB BF FC"), encoding::kUtf8Bom},
        DetectionCase{"IncompleteUtf8Signature", Hex("EF BB"), encoding::kAnsi},
        DetectionCase{"Utf7Signature", "+/v8", encoding::kUtf7},
        DetectionCase{"Utf7SignatureWithText", "+/v8-Ab", encoding::kUtf7},
        DetectionCase{"Utf7SignatureForm9IsAscii", "+/v9", encoding::kUtf8},
        DetectionCase{"Utf7SignatureFormPlusIsAscii", "+/v+", encoding::kUtf8},
        DetectionCase{"Utf7SignatureFormSlashIsAscii", "+/v/", encoding::kUtf8},
        DetectionCase{"IncompleteUtf7Signature", "+/v", encoding::kUtf8},
        DetectionCase{"Utf32LeSignature", Hex("FF FE 00 00"), encoding::kUtf32Le},
        DetectionCase{"Utf32BeSignature", Hex("00 00 FE FF"), encoding::kUtf32Be},
        DetectionCase{"IncompleteUtf32BeSignature", Hex("00 00 FE"), encoding::kAnsi},
        DetectionCase{"Utf16LeSignature", Hex("FF FE"), encoding::kUtf16Le},
        DetectionCase{"Utf16LeSignatureAndOneZero", Hex("FF FE 00"), encoding::kUtf16Le},
        DetectionCase{"Utf16LeText", Hex("FF FE 41 00"), encoding::kUtf16Le},
        DetectionCase{"Utf16LeFirstCharacterZeroLooksLikeUtf32", Hex("FF FE 00 00 41 00"),
                      encoding::kUtf32Le},
        DetectionCase{"Utf16BeSignature", Hex("FE FF"), encoding::kUtf16Be},
        DetectionCase{"Utf16BeText", Hex("FE FF 00 41"), encoding::kUtf16Be},
        DetectionCase{"GruesseInWindows1252", Hex("47 72 FC DF 65"), encoding::kAnsi},
        DetectionCase{"GruesseInUtf8", Hex("47 72 C3 BC C3 9F 65"), encoding::kUtf8},
        DetectionCase{"FourByteUtf8", Hex("F0 9F 98 80 21"), encoding::kUtf8},
        DetectionCase{"SurrogatesAsTwoThreeByteSequences", Hex("ED A0 BD ED B8 80"),
                      encoding::kUtf8},
        DetectionCase{"TruncatedTwoByteSequence", Hex("41 C3"), encoding::kAnsi},
        DetectionCase{"BadContinuation", Hex("C3 41"), encoding::kAnsi}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EncodingName, NamesEveryCode) {
    const std::pair<TextEncoding, Text> names[] = {
        {0, u"ANSI"},          {1200, u"UTF-16 LE"}, {1201, u"UTF-16 BE"},  {64999, u"UTF-7 ANSI"},
        {65000, u"UTF-7"},     {65001, u"UTF-8"},    {65002, u"UTF-8 BOM"}, {65005, u"UTF-32 LE"},
        {65006, u"UTF-32 BE"}, {65003, u""},         {1252, u""},           {-1, u""}};
    for (const auto& [code, name] : names) {
        EXPECT_EQ(EncodingName(code), name) << code;
    }
}

TEST(DetectEncoding, AnAsciiFileIsNamedUtf8) {
    TempFolder folder;
    EXPECT_EQ(EncodingName(DetectEncoding(folder.write("ascii.txt", "plain ASCII text"))),
              u"UTF-8");
}

TEST(DetectEncoding, GivesAnsiForAFileThatCannotBeRead) {
    TempFolder folder;
    EXPECT_EQ(DetectEncoding(folder.file("missing.txt")), encoding::kAnsi);
    EXPECT_EQ(DetectEncoding(folder.path().string()), encoding::kAnsi);
}

// ---------------------------------------------------------------------------------------------
// The UTF-8 decoder

struct Utf8Case {
    const char* name;
    std::string bytes;
    std::optional<Text> expected;  // nothing: the decoding fails
};

void PrintTo(const Utf8Case& c, std::ostream* os) {
    *os << c.name;
}

class Utf8DecoderTest : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8DecoderTest, Decodes) {
    const Utf8Case& c = GetParam();
    const std::optional<Text> text = DecodeUtf8(c.bytes);
    ASSERT_EQ(text.has_value(), c.expected.has_value()) << ToHex(c.bytes);
    if (text) {
        EXPECT_EQ(UnitsToHex(*text), UnitsToHex(*c.expected)) << ToHex(c.bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8DecoderTest,
    ::testing::Values(
        Utf8Case{"Empty", "", Text()}, Utf8Case{"Ascii", "ABC", u"ABC"},
        Utf8Case{"ControlCharacters", std::string("\0\x01\x7F", 3), Text(u"\0\x01\x7F", 3)},
        Utf8Case{"TwoBytes", Hex("C3 A4"), u"ä"}, Utf8Case{"ThreeBytes", Hex("E2 82 AC"), u"€"},
        Utf8Case{"Cjk", Hex("E4 B8 80 E6 9D B1"), u"一東"},
        Utf8Case{"HighestThreeByteValue", Hex("EF BF BF"), u"\uFFFF"},
        Utf8Case{"FourBytesGiveAPair", Hex("F0 9F 98 80"), u"\U0001F600"},
        Utf8Case{"LowestFourByteValue", Hex("F0 90 80 80"), u"\U00010000"},
        Utf8Case{"HighestFourByteValue", Hex("F4 8F BF BF"), u"\U0010FFFF"},
        Utf8Case{"FourBytesBetweenAscii", Hex("61 F0 9F 98 80 62"), u"a\U0001F600b"},
        Utf8Case{"SurrogatePairAsTwoThreeByteSequences", Hex("ED A0 BD ED B8 80"), u"\U0001F600"},
        Utf8Case{"LoneHighSurrogate", Hex("ED A0 BD 41"),
                 Text(u"\xD83D"
                      u"A")},
        Utf8Case{"LoneLowSurrogate", Hex("ED B8 80"), Text(u"\xDE00")},
        // The reading rule is lenient about lead bytes and overlong forms.
        Utf8Case{"ContinuationByteAsLead", Hex("80 80"), Text(u"\0", 1)},
        Utf8Case{"OverlongTwoBytes", Hex("C0 80"), Text(u"\0", 1)},
        Utf8Case{"OverlongThreeBytes", Hex("E0 81 81"), u"A"},
        Utf8Case{"LeadByteFFReadsThreeBytes", Hex("FF BF BF"), u"\uFFFF"},
        // Four-byte-like sequences that are not standard fall back to the three-byte rule.
        Utf8Case{"BeyondU10FFFF", Hex("F4 90 80 80 80"), Text(u"\x4400\0", 2)},
        Utf8Case{"BeyondU10FFFFAtTheEnd", Hex("F4 90 80 80"), std::nullopt},
        Utf8Case{"OverlongFourBytes", Hex("F0 8F BF BF"), std::nullopt},
        Utf8Case{"LeadF5", Hex("F5 80 80 80"), std::nullopt},
        Utf8Case{"TruncatedFourBytesReadAsThree", Hex("F0 9F 98"), Text(u"\x07D8")},
        Utf8Case{"Truncated", Hex("F0 9F"), std::nullopt},
        Utf8Case{"TruncatedTwoBytes", Hex("41 C3"), std::nullopt},
        Utf8Case{"TruncatedThreeBytes", Hex("E2 82"), std::nullopt},
        Utf8Case{"BadFirstContinuation", Hex("E2 41 AC"), std::nullopt},
        Utf8Case{"BadSecondContinuation", Hex("E2 82 C0"), std::nullopt},
        Utf8Case{"GruesseInWindows1252", Hex("47 72 FC DF 65"), std::nullopt},
        Utf8Case{"LongAsciiThenInvalid", std::string(40, 'x') + Hex("C3"), std::nullopt},
        Utf8Case{"LongAsciiThenUmlaut", std::string(33, 'x') + Hex("C3 A4"),
                 Text(33, u'x') + u"ä"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// The UTF-7 decoder

struct Utf7Case {
    const char* name;
    std::string bytes;
    std::optional<Text> expected;  // nothing: "Invalid UTF7"
};

void PrintTo(const Utf7Case& c, std::ostream* os) {
    *os << c.name;
}

class Utf7DecoderTest : public ::testing::TestWithParam<Utf7Case> {};

TEST_P(Utf7DecoderTest, Decodes) {
    const Utf7Case& c = GetParam();
    const std::optional<Text> text = DecodeUtf7(c.bytes);
    ASSERT_EQ(text.has_value(), c.expected.has_value()) << c.bytes;
    if (text) {
        EXPECT_EQ(UnitsToHex(*text), UnitsToHex(*c.expected)) << c.bytes;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, Utf7DecoderTest,
    ::testing::Values(
        Utf7Case{"Empty", "", Text()}, Utf7Case{"Direct", "Hi there!", u"Hi there!"},
        Utf7Case{"UndirectAsciiIsAccepted", "a~b\\c", u"a~b\\c"},
        Utf7Case{"PlusMinus", "a+-b", u"a+b"}, Utf7Case{"PlusMinusAtEnd", "+-", u"+"},
        Utf7Case{"RunClosedByMinus", "+AMQ-x", u"Äx"}, Utf7Case{"RunAtEnd", "+AMQ", u"Ä"},
        Utf7Case{"RunEndedByOtherByte", "+AMQ.", u"Ä."},
        Utf7Case{"RunEndedByBlank", "+AMQ x", u"Ä x"},
        Utf7Case{"OnlyOneMinusIsConsumed", "+AMQ--", u"Ä-"}, Utf7Case{"TwoUnits", "+AMQA1g", u"ÄÖ"},
        Utf7Case{"SurrogatePair", "+2D3eAA-", u"\U0001F600"},
        Utf7Case{"Signature", "+/v8", u"\uFEFF"},
        Utf7Case{"SignatureThenDirect", "+/v8-Ab", u"\uFEFFAb"},
        Utf7Case{"RunEndedByPlusMinus", "+AMQ-+-", u"Ä+"},
        Utf7Case{"LeftoverBitsNotZero", "+AMR", std::nullopt},
        Utf7Case{"PlusAtEnd", "a+", std::nullopt}, Utf7Case{"EmptyRun", "+!", std::nullopt},
        Utf7Case{"RunTooShortForAUnit", "+AM-", std::nullopt},
        Utf7Case{"HighByteOutside", "a\xC4", std::nullopt},
        Utf7Case{"HighByteInsideRun", "+AMQ\xC4", std::nullopt},
        Utf7Case{"HighByteAfterPlus", "+\xC4", std::nullopt},
        Utf7Case{"LongRunWithZeroLeftover", "+AAAAAA", Text(u"\0\0", 2)}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Windows-1252, UTF-16 and UTF-32

TEST(Windows1252, ReadsEveryByte) {
    const Text high = u"€\x81‚ƒ„…†‡ˆ‰Š‹Œ\x8DŽ\x8F\x90‘’“”•–—˜™š›œ\x9DžŸ";
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    const Text text = DecodeWindows1252(bytes);
    ASSERT_EQ(text.size(), 256u);
    for (int b = 0; b < 256; ++b) {
        const char16_t expected =
            b >= 0x80 && b <= 0x9F ? high[b - 0x80] : static_cast<char16_t>(b);
        EXPECT_EQ(text[b], expected) << "byte " << b;
    }
}

TEST(Windows1252, WritesEveryCharacterItHasAndQuestionMarksOtherwise) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    std::string written;
    AppendWindows1252(DecodeWindows1252(all), written);
    EXPECT_EQ(written, all);

    std::string lacking;
    AppendWindows1252(u"\u0080\u009F\u0100東\U0001F600\xD800x\xDC00", lacking);
    EXPECT_EQ(lacking, "??????x?");
}

TEST(Utf16, ReadsPairsInBothByteOrders) {
    EXPECT_EQ(DecodeUtf16(Hex("41 00 E4 00 3D D8 00 DE"), false), u"Aä\U0001F600");
    EXPECT_EQ(DecodeUtf16(Hex("00 41 00 E4 D8 3D DE 00"), true), u"Aä\U0001F600");
    EXPECT_EQ(DecodeUtf16(Hex("41 00 42"), false), u"A");
    EXPECT_EQ(DecodeUtf16(Hex("41"), true), u"");
}

TEST(Utf32, ReadsUnitsAndReplacesValuesThatAreNoCodePoints) {
    EXPECT_EQ(DecodeUtf32(Hex("41 00 00 00 00 F6 01 00"), false), u"A\U0001F600");
    EXPECT_EQ(DecodeUtf32(Hex("00 00 00 41 00 01 F6 00"), true), u"A\U0001F600");
    EXPECT_EQ(DecodeUtf32(Hex("00 00 11 00 00 D8 00 00 FF FF FF FF"), false), u"???");
    EXPECT_EQ(DecodeUtf32(Hex("41 00 00 00 42 00 00"), false), u"A");
}

// ---------------------------------------------------------------------------------------------
// Code points

TEST(CodePointToUtf16, GivesOneUnitAPairOrAQuestionMark) {
    EXPECT_EQ(CodePointToUtf16(0x41), u"A");
    EXPECT_EQ(CodePointToUtf16(0), Text(1, u'\0'));
    EXPECT_EQ(CodePointToUtf16(0xFFFF), u"\uFFFF");
    EXPECT_EQ(CodePointToUtf16(0x10000), u"\U00010000");
    EXPECT_EQ(CodePointToUtf16(0x1F600), Text(u"\xD83D\xDE00"));
    EXPECT_EQ(CodePointToUtf16(0x10FFFF), Text(u"\xDBFF\xDFFF"));
    EXPECT_EQ(CodePointToUtf16(0x110000), u"?");
    EXPECT_EQ(CodePointToUtf16(0xFFFFFFFF), u"?");
    EXPECT_EQ(CodePointToUtf16(0xD800), u"?");
    EXPECT_EQ(CodePointToUtf16(0xDFFF), u"?");
    EXPECT_EQ(CodePointToUtf16(0xD7FF), u"\uD7FF");
    EXPECT_EQ(CodePointToUtf16(0xE000), u"\uE000");
}

struct CodePointAtCase {
    const char* name;
    Text text;
    int64_t position;
    uint32_t expected;
};

void PrintTo(const CodePointAtCase& c, std::ostream* os) {
    *os << c.name;
}

class CodePointAtTest : public ::testing::TestWithParam<CodePointAtCase> {};

TEST_P(CodePointAtTest, GivesTheCodePoint) {
    const CodePointAtCase& c = GetParam();
    EXPECT_EQ(Utf16CodePointAt(c.text, c.position), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, CodePointAtTest,
    ::testing::Values(
        CodePointAtCase{"First", u"AB", 1, 'A'}, CodePointAtCase{"Last", u"AB", 2, 'B'},
        CodePointAtCase{"Zero", u"AB", 0, '?'}, CodePointAtCase{"Negative", u"AB", -5, '?'},
        CodePointAtCase{"PastTheEnd", u"AB", 3, '?'}, CodePointAtCase{"EmptyText", u"", 1, '?'},
        CodePointAtCase{"ValidPair", u"a\U0001F600", 2, 0x1F600},
        CodePointAtCase{"SecondHalfOfAPair", u"a\U0001F600", 3, 0xDE00},
        CodePointAtCase{"LoneLowSurrogate", Text(u"a\xDE00"), 2, '?'},
        CodePointAtCase{"LoneLowSurrogateFirst", Text(u"\xDE00"), 1, '?'},
        CodePointAtCase{"HighSurrogateAtEnd", Text(u"a\xD83D"), 2, '?'},
        CodePointAtCase{"HighSurrogateBeforeOther",
                        Text(u"\xD83D"
                             u"a"),
                        1, '?'},
        CodePointAtCase{"TwoHighSurrogates", Text(u"\xD83D\xD83D\xDE00"), 1, '?'},
        CodePointAtCase{"HighestPair", Text(u"\xDBFF\xDFFF"), 1, 0x10FFFF},
        CodePointAtCase{"Umlaut", u"ä", 1, 0xE4}, CodePointAtCase{"Nul", Text(1, u'\0'), 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Reading files

struct FileCase {
    const char* name;
    std::string bytes;
    Text expected;
};

void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadTextFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(ReadTextFileTest, ReadsTheText) {
    const FileCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.write("source.txt", c.bytes);
    EXPECT_EQ(UnitsToHex(ReadTextFile(path)), UnitsToHex(c.expected)) << ToHex(c.bytes);
    EXPECT_EQ(UnitsToHex(DecodeDetectedText(c.bytes)), UnitsToHex(c.expected)) << ToHex(c.bytes);
    EXPECT_EQ(UnitsToHex(DecodeText(c.bytes, DetectEncodingOfBytes(c.bytes))),
              UnitsToHex(c.expected))
        << ToHex(c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadTextFileTest,
    ::testing::Values(
        FileCase{"Empty", "", u""}, FileCase{"OneByte", "A", u"A"},
        FileCase{"OneHighByteIsAnsi", Hex("80"), u"€"},
        FileCase{"OnlyUtf16LeSignature", Hex("FF FE"), u""},
        FileCase{"OnlyUtf32LeSignature", Hex("FF FE 00 00"), u""},
        FileCase{"OnlyUtf16BeSignature", Hex("FE FF"), u""},
        FileCase{"OnlyUtf32BeSignature", Hex("00 00 FE FF"), u""},
        FileCase{"Utf16LeSignatureAndOneByte", Hex("FF FE 41"), u""},
        FileCase{"Utf16LeOddLengthLosesLastByte", Hex("FF FE 41 00 42"), u"A"},
        FileCase{"Utf16Le", Hex("FF FE 47 00 72 00 FC 00 DF 00 65 00"), u"Grüße"},
        FileCase{"Utf16Be", Hex("FE FF 00 47 00 72 00 FC 00 DF 00 65"), u"Grüße"},
        FileCase{"Utf16LeLoneSurrogatesPass", Hex("FF FE 00 D8 41 00 00 DC"),
                 Text(u"\xD800"
                      u"A\xDC00")},
        FileCase{"Utf16LeFirstCharacterZeroReadsAsUtf32", Hex("FF FE 00 00 41 00 42 00"), u"?"},
        FileCase{"Utf32BePair", Hex("00 00 FE FF 00 01 F6 00"), u"\U0001F600"},
        FileCase{"Utf32BeBeyondU10FFFF", Hex("00 00 FE FF 00 11 00 00"), u"?"},
        FileCase{"Utf32LeIncompleteLastUnit", Hex("FF FE 00 00 41 00 00 00 42 00"), u"A"},
        FileCase{"Utf32LeSurrogateValue", Hex("FF FE 00 00 3D D8 00 00"), u"?"},
        FileCase{"Utf32LeSignatureAndThreeBytes", Hex("FF FE 00 00 41 00 00"), u""},
        FileCase{"GruesseInWindows1252", Hex("47 72 FC DF 65"), u"Grüße"},
        FileCase{"GruesseInUtf8", Hex("47 72 C3 BC C3 9F 65"), u"Grüße"},
        FileCase{"Utf8WithSignature", Hex("EF BB BF 47 72 C3 BC C3 9F 65"), u"Grüße"},
        FileCase{"Utf8SignatureThenInvalid", Hex("EF BB BF 41 FC 42"), u""},
        FileCase{"Utf8SignatureOnly", Hex("EF BB BF"), u""},
        FileCase{"FourByteUtf8WithoutSignature", Hex("F0 9F 98 80 21"), u"\U0001F600!"},
        FileCase{"ThreePlusThreeByteSurrogates", Hex("ED A0 BD ED B8 80"), u"\U0001F600"},
        FileCase{"AnsiWithUndefinedBytes", Hex("41 81 8D 8F 90 9D"),
                 Text(u"A\x0081\x008D\x008F\x0090\x009D")},
        FileCase{"Utf7SignatureOnly", "+/v8", u""},
        FileCase{"Utf7SignatureThenText", "+/v8-Ab", u"Ab"},
        FileCase{"Utf7SignatureThenBlank", "+/v8 b", u" b"},
        FileCase{"Utf7SignatureThenLineBreak", "+/v8\r\nx", u"\r\nx"},
        FileCase{"Utf7SignatureSharedRun", "+/v8AxA-x", u"Äx"},
        FileCase{"OtherUtf7SignatureReadsAsAscii", "+/v9OAA", u"+/v9OAA"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeText, DropsOnlyOneLeadingSignatureOfUtf7) {
    EXPECT_EQ(DecodeText("+/v/+/w", encoding::kUtf7), u"\uFEFF");
    EXPECT_EQ(DecodeText("x+/v8", encoding::kUtf7), u"x\uFEFF");
}

TEST(DecodeText, SkipsOnlySignaturesThatArePresent) {
    EXPECT_EQ(DecodeText(Hex("41 00"), encoding::kUtf16Le), u"A");
    EXPECT_EQ(DecodeText(Hex("00 41"), encoding::kUtf16Be), u"A");
    EXPECT_EQ(DecodeText(Hex("41 00 00 00"), encoding::kUtf32Le), u"A");
    EXPECT_EQ(DecodeText("A", encoding::kUtf8Bom), u"A");
    EXPECT_EQ(DecodeText(Hex("EF BB BF 41"), encoding::kUtf8), u"A");
}

TEST(DecodeText, UnknownCodesReadAsAnsi) {
    for (const TextEncoding code : {0, 1, 1252, 64999, 65003, -1}) {
        EXPECT_EQ(DecodeText(Hex("47 72 FC DF 65 80"), code), u"Grüße€") << code;
    }
}

TEST(DecodeText, Utf8SignatureWithBrokenContentIsEmpty) {
    EXPECT_EQ(DecodeText(Hex("EF BB BF FC"), encoding::kUtf8Bom), u"");
    EXPECT_EQ(DecodeText(Hex("FC"), encoding::kUtf8), u"");
}

TEST(ReadTextFile, ReadsAFileLargerThanOneChunk) {
    TempFolder folder;
    std::string bytes;
    Text expected;
    for (int i = 0; i < 100000; ++i) {
        bytes += "Grüße 東京 ";
        expected += u"Grüße 東京 ";
    }
    EXPECT_EQ(ReadTextFile(folder.write("big.txt", bytes)), expected);
}

// Large files are read in parts of 256 KiB; sequences cut by the end of a part must read as if
// the file were decoded whole.
TEST(ReadTextFile, SequencesAcrossPartBoundaries) {
    constexpr size_t kPart = 256 * 1024;
    TempFolder folder;
    const std::string tails[] = {
        Hex("F0 9F 98 80"),    Hex("E2 82 AC"), Hex("C3 A4"), Hex("ED A0 BD ED B8 80"),
        Hex("F4 90 80 80 80"), Hex("C3"),       Hex("E2 82"), Hex("F0 9F 98"),
        Hex("FC DF")};
    for (const std::string& tail : tails) {
        for (size_t padding = kPart - 8; padding <= kPart + 2; ++padding) {
            for (const std::string& signature : {std::string(), std::string("\xEF\xBB\xBF")}) {
                const std::string bytes = signature + std::string(padding, 'a') + tail + "z";
                const std::string path = folder.write("parts.txt", bytes);
                ASSERT_EQ(UnitsToHex(ReadTextFile(path)), UnitsToHex(DecodeDetectedText(bytes)))
                    << ToHex(tail) << " after " << padding;
                ASSERT_EQ(DetectEncoding(path), DetectEncodingOfBytes(bytes))
                    << ToHex(tail) << " after " << padding;
            }
        }
    }
}

TEST(ReadTextFile, LargeFilesReadAsTheirBytesDecodeWhole) {
    TempFolder folder;
    std::mt19937 random(77);
    const std::string pieces[] = {"Grüße ", "東京 ", Hex("F0 9F 98 80"), "\r\n", "plain words "};
    for (int round = 0; round < 12; ++round) {
        std::string bytes;
        const std::string starts[] = {"", "\xEF\xBB\xBF", "+/v8-"};
        bytes = starts[round % 3];
        while (bytes.size() < 700000) {
            bytes += pieces[random() % std::size(pieces)];
        }
        if (round >= 6) {
            bytes[random() % bytes.size()] = static_cast<char>(0xFC);  // then not UTF-8
        }
        const std::string path = folder.write("large.txt", bytes);
        EXPECT_EQ(DetectEncoding(path), DetectEncodingOfBytes(bytes)) << round;
        Text expected;
        try {
            expected = DecodeDetectedText(bytes);
        } catch (const InvalidUtf7&) {
            EXPECT_THROW(ReadTextFile(path), UserError);
            continue;
        }
        ASSERT_EQ(ReadTextFile(path), expected) << round;
    }
}

// Files of several megabytes are decoded in stretches on all cores, cut where a byte is no
// continuation byte. Wherever the cut falls (inside a sequence, at a run of continuation bytes
// that the lenient reading takes as two-byte sequences, before an invalid byte), the text is the
// one of the bytes decoded whole, and an invalid byte in any stretch makes the file ANSI.
TEST(ReadTextFile, FilesReadInStretchesReadAsTheirBytesDecodeWhole) {
    constexpr size_t kSize = size_t{10} << 20;
    TempFolder folder;
    struct Case {
        const char* name;
        std::string filler;    // repeated up to kSize
        std::string atMiddle;  // written over the middle of the file
    };
    const Case cases[] = {
        {"TwoByteSequences", "ä", ""},
        {"ThreeByteSequences", "東京", ""},
        {"FourByteSequences", Hex("F0 9F 98 80"), ""},
        {"MixedWithLineBreaks", "Grüße 東京\r\n", ""},
        {"ContinuationRunAtTheCut", "ab", std::string(200, '\x80')},
        {"InvalidByteAtTheCut", "Grüße ", Hex("FC")},
        {"TruncatedSequenceBeforeTheCut", "Grüße ", Hex("E2 82") + "z"},
    };
    for (const Case& c : cases) {
        for (const std::string& signature : {std::string(), std::string("\xEF\xBB\xBF")}) {
            std::string bytes = signature;
            while (bytes.size() < kSize)
                bytes += c.filler;
            // Over every likely cut: the middle for two threads, the thirds and quarters for more.
            for (const size_t parts : {2, 3, 4}) {
                for (size_t k = 1; k < parts; ++k) {
                    const size_t at = bytes.size() * k / parts - c.atMiddle.size() / 2;
                    bytes.replace(at, c.atMiddle.size(), c.atMiddle);
                }
            }
            const std::string path = folder.write("stretches.txt", bytes);
            const Text expected = DecodeDetectedText(bytes);
            ASSERT_TRUE(ReadTextFile(path) == expected) << c.name << signature.size();
            EXPECT_EQ(DetectEncoding(path), DetectEncodingOfBytes(bytes)) << c.name;
        }
    }
}

TEST(ReadTextFile, LargeUtf16FilesInBothByteOrders) {
    TempFolder folder;
    Text text;
    while (text.size() < 400000) {
        text += u"Grüße 東京 \U0001F600 ";
    }
    for (const bool bigEndian : {false, true}) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        AppendUtf16(text, bigEndian, bytes);
        EXPECT_EQ(ReadTextFile(folder.write("wide.txt", bytes)), text);
        EXPECT_EQ(ReadTextFile(folder.write("wide.txt", bytes + "x")), text);
    }
}

TEST(ReadTextFile, ReadsFromAPipe) {
    TempFolder folder;
    const std::string path = folder.file("pipe");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    for (const std::string& bytes :
         {std::string("Grüße aus der Röhre"), Hex("47 72 FC DF 65"), Hex("FF FE 41 00 42 00")}) {
        std::thread writer([&] {
            std::ofstream out(path, std::ios::binary);
            out << bytes;
        });
        const Text text = ReadTextFile(path);
        writer.join();
        EXPECT_EQ(text, DecodeDetectedText(bytes));
    }
}

TEST(ReadTextFile, RejectsABrokenUtf7File) {
    TempFolder folder;
    for (const std::string bytes : {"+/v8\x80", "+/v8+", "+/v8-+", "+/v8-+!x", "+/v8AMR"}) {
        const std::string path = folder.write("broken.txt", bytes);
        try {
            ReadTextFile(path);
            ADD_FAILURE() << "no error for " << bytes;
        } catch (const UserError& error) {
            EXPECT_EQ(error.text(), u"Cannot read file \"" + FromUtf8(path) + u"\". Invalid UTF7")
                << bytes;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Errors

Text CannotOpen(const std::string& path, int errorNumber) {
    return u"Cannot open file \"" + FromUtf8(path) + u"\". " + FromUtf8(std::strerror(errorNumber));
}

Text ReadError(const std::string& path) {
    try {
        ReadTextFile(path);
    } catch (const UserError& error) {
        return error.text();
    }
    return u"(no error)";
}

TEST(ReadTextFileErrors, MissingFile) {
    TempFolder folder;
    const std::string path = folder.file("missing.txt");
    EXPECT_EQ(ReadError(path), CannotOpen(path, ENOENT));
}

TEST(ReadTextFileErrors, MissingFolder) {
    TempFolder folder;
    const std::string path = folder.file("no folder/file.txt");
    EXPECT_EQ(ReadError(path), CannotOpen(path, ENOENT));
}

TEST(ReadTextFileErrors, Folder) {
    TempFolder folder;
    const std::string path = folder.path().string();
    EXPECT_EQ(ReadError(path), CannotOpen(path, EISDIR));
}

TEST(ReadTextFileErrors, PathWithNonAsciiCharacters) {
    TempFolder folder;
    const std::string path = folder.file("Grüße.txt");
    EXPECT_EQ(ReadError(path), CannotOpen(path, ENOENT));
    EXPECT_NE(ReadError(path).find(u"Grüße.txt"), Text::npos);
}

TEST(ReadTextFileErrors, NoPermission) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not apply to root";
    }
    TempFolder folder;
    const std::string path = folder.write("secret.txt", "abc");
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    EXPECT_EQ(ReadError(path), CannotOpen(path, EACCES));
}

// ---------------------------------------------------------------------------------------------
// Documents go to the document reader, decided by the extension of the file name alone.

TEST(ReadTextFileDispatch, DocumentExtensionsAreNotReadAsText) {
    TempFolder folder;
    for (const char* name : {"a.docx", "b.DOC", "c.Odt", "d.pdf", "e.txt.DOCX"}) {
        const std::string path = folder.write(name, "plain words");
        EXPECT_THROW(ReadTextFile(path), UserError) << name;
    }
}

TEST(ReadTextFileDispatch, OtherExtensionsAreText) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "book.docx");
    for (const char* name : {"a.txt", "b", "c.docx.txt", "d.docxx", "book.docx/readme"}) {
        const std::string path = folder.write(name, "plain words");
        EXPECT_EQ(ReadTextFile(path), u"plain words") << name;
    }
}

}  // namespace
}  // namespace lexorim
