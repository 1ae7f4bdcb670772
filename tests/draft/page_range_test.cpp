#include "draft/page_range.h"

#include <gtest/gtest.h>

#include "engine/errors.h"

namespace lexorim {
namespace {

TEST(PageRange, RomanNumeralsInTheirUsualForm) {
    EXPECT_EQ(RomanNumeralValue(u"iv"), 4);
    EXPECT_EQ(RomanNumeralValue(u"XII"), 12);
    EXPECT_EQ(RomanNumeralValue(u"mcmxc"), 1990);
    for (const TextView text : {u"", u"iiii", u"Xii", u"vx", u"abc", u"12"})
        EXPECT_FALSE(RomanNumeralValue(text).has_value()) << ToUtf8(text);
}

TEST(PageRange, LabelsInAndOutOfTheRange) {
    struct Case {
        const char16_t* range;
        std::vector<const char16_t*> in;
        std::vector<const char16_t*> out;
    };
    const std::vector<Case> cases = {
        {u"1-248", {u"1", u"17", u"248"}, {u"0", u"249", u"iv", u"A-1"}},
        {u"iii-xii, 1-248", {u"iii", u"xii", u"x", u"XI", u"100"}, {u"ii", u"xiii", u"249"}},
        {u" 5 ; 9-10 ,12", {u"5", u"9", u"10", u"12"}, {u"6", u"11", u"v"}},
        {u"Anhang, 3", {u"Anhang", u"3"}, {u"anhang", u"4"}},
    };
    for (const Case& c : cases) {
        const PageRange range = PageRange::Parse(c.range, Language::English);
        for (const char16_t* label : c.in)
            EXPECT_TRUE(range.Contains(label)) << ToUtf8(c.range) << " " << ToUtf8(label);
        for (const char16_t* label : c.out)
            EXPECT_FALSE(range.Contains(label)) << ToUtf8(c.range) << " " << ToUtf8(label);
    }
}

TEST(PageRange, ABadRangeIsAMessageNamingIt) {
    struct Case {
        const char16_t* range;
        const char16_t* message;
    };
    const std::vector<Case> cases = {
        {u"1-20, 30-x",
         u"The page range \"1-20, 30-x\" is not valid: \"30-x\" does not join two arabic or two "
         u"roman numbers."},
        {u"248-1", u"The page range \"248-1\" is not valid: \"248-1\" starts after its end."},
        {u"iii-",
         u"The page range \"iii-\" is not valid: \"iii-\" does not join two arabic or "
         u"two roman numbers."},
        {u" , ", u"The page range \" , \" names no page."},
    };
    for (const Case& c : cases) {
        try {
            PageRange::Parse(c.range, Language::English);
            ADD_FAILURE() << "no error for " << ToUtf8(c.range);
        } catch (const UserError& error) {
            EXPECT_EQ(error.text(), c.message);
        }
    }
    EXPECT_THROW(PageRange::Parse(u"x-5", Language::German), UserError);
}

}  // namespace
}  // namespace lexorim
