#include <gtest/gtest.h>

#include "engine/case_rules.h"
#include "engine/collation.h"
#include "engine/text_helpers.h"

namespace lexorim {
namespace {

TEST(ReplaceAll, ReplacesFromTheLeftWithoutOverlap) {
    EXPECT_EQ(ReplaceAll(u"aaaa", u"aa", u"b"), u"bb");
    EXPECT_EQ(ReplaceAll(u"aaa", u"aa", u"b"), u"ba");
    EXPECT_EQ(ReplaceAll(u"a<br>b<br>", u"<br>", u" . "), u"a . b . ");
    EXPECT_EQ(ReplaceAll(u"abc", u"b", u""), u"ac");
    EXPECT_EQ(ReplaceAll(u"", u"a", u"b"), u"");
    EXPECT_EQ(ReplaceAll(u"abc", u"", u"x"), u"abc");
    EXPECT_EQ(ReplaceAll(u"abc", u"b", u"b"), u"abc");
    EXPECT_EQ(ReplaceAll(u"Abc", u"a", u"x"), u"Abc");  // case-sensitive
}

TEST(SplitAt, HasOnePieceMoreThanSeparators) {
    EXPECT_EQ(SplitAt(u"", u"."), (std::vector<Text>{u""}));
    EXPECT_EQ(SplitAt(u"a.", u"."), (std::vector<Text>{u"a", u""}));
    EXPECT_EQ(SplitAt(u"a..b", u"."), (std::vector<Text>{u"a", u"", u"b"}));
    EXPECT_EQ(SplitAt(u"a\r\nb", u"\r\n"), (std::vector<Text>{u"a", u"b"}));
}

TEST(IntegerText, AcceptsWhatANumericBoxReads) {
    struct Case {
        const char16_t* text;
        std::optional<int32_t> value;
    };
    const Case cases[] = {
        {u"3", 3},
        {u"  42", 42},
        {u"-2", -2},
        {u"+7", 7},
        {u"007", 7},
        {u"$1F", 31},
        {u"0x10", 16},
        {u"2147483647", 2147483647},
        {u"-2147483648", INT32_MIN},
        {u"2147483648", std::nullopt},
        {u"", std::nullopt},
        {u" ", std::nullopt},
        {u"3 ", std::nullopt},
        {u"12a", std::nullopt},
        {u"-", std::nullopt},
        {u"$", std::nullopt},
        {u"1.5", std::nullopt},
        {u"Benutzerdefiniert..", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseIntegerText(c.text), c.value) << ToUtf8(c.text);
    }
    EXPECT_EQ(IntegerOr(u"x", 2), 2);
}

TEST(ToUtf8, ConvertsPlainStartsAndEverythingAfterThem) {
    const std::pair<Text, std::string> cases[] = {
        {u"", ""},
        {u"plain <a href=\"x\">", "plain <a href=\"x\">"},
        {u"\u00FCber",
         "\xC3\xBC"
         "ber"},
        {u"Gr\u00FC\u00DFe \U0001D11E!",
         "Gr\xC3\xBC\xC3\x9F"
         "e \xF0\x9D\x84\x9E!"},
        {u"a\xD800", "a\xEF\xBF\xBD"},  // half a pair becomes the replacement character
    };
    for (const auto& [text, utf8] : cases)
        EXPECT_EQ(ToUtf8(text), utf8);
}

TEST(SplitLines, CutsAtEveryKindOfLineBreak) {
    EXPECT_EQ(SplitLines(u"").size(), 0u);
    EXPECT_EQ(SplitLines(u"a\r\nb\nc\rd"), (std::vector<TextView>{u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(SplitLines(u"a\r\n"), (std::vector<TextView>{u"a"}));
    EXPECT_EQ(SplitLines(u"a\r\n\r\n"), (std::vector<TextView>{u"a", u""}));
    EXPECT_EQ(SplitLines(u"\r\n"), (std::vector<TextView>{u""}));
}

// AnyLine sees the lines SplitLines gives, in order, and stops at the first that holds.
TEST(AnyLine, AsksLineByLineUntilOneHolds) {
    const TextView text = u"a\r\n\r\nbc\rd\n";
    std::vector<TextView> seen;
    EXPECT_FALSE(AnyLine(text, [&](TextView line) {
        seen.push_back(line);
        return false;
    }));
    EXPECT_EQ(seen, SplitLines(text));
    seen.clear();
    EXPECT_TRUE(AnyLine(text, [&](TextView line) {
        seen.push_back(line);
        return line == u"bc";
    }));
    EXPECT_EQ(seen, (std::vector<TextView>{u"a", u"", u"bc"}));
    EXPECT_FALSE(AnyLine(u"", [](TextView) { return true; }));
}

// Line breaks at every position of long lines, where the search looks at several units at once:
// the lines are those of a search unit by unit.
TEST(SplitLines, FindsBreaksAtEveryPositionOfLongLines) {
    for (const TextView lineBreak : {TextView(u"\r\n"), TextView(u"\n"), TextView(u"\r")}) {
        for (size_t length = 0; length < 40; ++length) {
            std::vector<Text> expected;
            Text text;
            for (size_t line = 0; line < 5; ++line) {
                expected.emplace_back(length + line, u'a' + static_cast<char16_t>(line));
                text += expected.back();
                text += lineBreak;
            }
            text += u"Ende";
            expected.emplace_back(u"Ende");
            const std::vector<TextView> lines = SplitLines(text);
            ASSERT_EQ(lines.size(), expected.size()) << length;
            for (size_t k = 0; k < lines.size(); ++k) {
                EXPECT_EQ(lines[k], expected[k]) << length << " " << k;
            }
        }
    }
}

TEST(CaseRules, UseSimpleMappingsPerCodeUnit) {
    EXPECT_EQ(ToUpper(u"straße äöü"), u"STRAßE ÄÖÜ");
    EXPECT_EQ(ToLower(u"ÄPFEL"), u"äpfel");
    EXPECT_TRUE(EqualsIgnoringCase(u"Haus", u"HAUS"));
    EXPECT_FALSE(EqualsIgnoringCase(u"Haus", u"Hausbau"));
    EXPECT_TRUE(IsUnchangedByUpperCasing(u'7'));
    EXPECT_FALSE(IsUnchangedByUpperCasing(u'é'));
}

TEST(LocaleCollator, SortsAlphabeticallyIgnoringCase) {
    const LocaleCollator collator("de_DE");
    EXPECT_EQ(collator.Compare(u"haus", u"HAUS"), 0);
    EXPECT_LT(collator.Compare(u"Apfel", u"Äpfel"), 0);
    EXPECT_LT(collator.Compare(u"Äpfel", u"Birne"), 0);
    EXPECT_LT(collator.Compare(u"apfel", u"Birne"), 0);
}

TEST(LocaleCollator, TakesTheLocaleFromTheEnvironment) {
    ::setenv("LC_ALL", "de_DE.UTF-8", 1);
    EXPECT_EQ(LocaleNameFromEnvironment(), "de_DE");
    ::setenv("LC_ALL", "C", 1);
    EXPECT_EQ(LocaleNameFromEnvironment(), "");
    ::setenv("LC_ALL", "de_DE.UTF-8", 1);
}

}  // namespace
}  // namespace lexorim
