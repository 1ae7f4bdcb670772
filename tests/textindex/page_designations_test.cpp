#include <gtest/gtest.h>

#include "textindex/page_designations.h"

namespace lexorim {
namespace {

std::vector<Text> ReadOut(std::initializer_list<TextView> lines,
                          const DesignationCriteria& criteria = {}) {
    return ReadOutDesignations(std::vector<TextView>(lines), criteria);
}

TEST(ReadOutDesignations, FindsShortNumberLinesWithTheDefaults) {
    EXPECT_EQ(ReadOut({u"Erster Satz.", u"1", u"Zweiter Satz.", u"2"}),
              (std::vector<Text>{u"1 (1)", u"2 (3)"}));
    // Lines of five or more characters are never examined; blanks and hyphens are removed.
    EXPECT_EQ(ReadOut({u"12345", u"1 2", u"-7-", u"x"}), (std::vector<Text>{u"12 (1)", u"7 (2)"}));
}

TEST(ReadOutDesignations, AppliesEveryCriterion) {
    struct Case {
        const char* name;
        DesignationCriteria criteria;
        std::vector<TextView> lines;
        std::vector<Text> items;
    };
    DesignationCriteria longLines;
    longLines.maxLength = 9;
    DesignationCriteria marker;
    marker.markerRequired = true;
    marker.marker = u"#";
    DesignationCriteria markerKept = marker;
    markerKept.removeMarker = false;
    markerKept.numbersOnly = false;
    DesignationCriteria emptyMarker;
    emptyMarker.markerRequired = true;
    DesignationCriteria plus;
    plus.addValue = true;
    plus.addNumber = -2;
    plus.numbersOnly = false;
    DesignationCriteria plusOne;
    plusOne.addValue = true;
    DesignationCriteria custom;
    custom.standardCharacters = false;
    custom.numbersOnly = false;
    DesignationCriteria notCut;
    notCut.removeCharacters = false;

    const std::vector<Case> cases = {
        {"Seite 12 is not a number", longLines, {u"Seite 12"}, {}},
        {"marker removed", marker, {u"#12", u"12"}, {u"12 (0)"}},
        {"marker kept", markerKept, {u"#12"}, {u"#12 (0)"}},
        {"empty marker never matches", emptyMarker, {u"12"}, {}},
        {"value added", plus, {u"5", u"ab"}, {u"3 (0)", u"ab (1)"}},
        {"007 plus one", plusOne, {u"007"}, {u"8 (0)"}},
        {"custom characters", custom, {u"[4]", u"(x)", u"a b"}, {u"4 (0)", u"x (1)", u"ab (2)"}},
        {"characters kept", notCut, {u"1 2"}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadOutDesignations(c.lines, c.criteria), c.items) << c.name;
    }
}

TEST(DesignationItems, ParseAtTheLastOpeningParenthesis) {
    const DesignationItem plain = ParseDesignationItem(u"17 (40)");
    EXPECT_EQ(plain.designation, u"17");
    EXPECT_EQ(plain.lineNumber, 40);
    // A designation that contains " (" stays whole instead of corrupting the line number.
    const DesignationItem nested = ParseDesignationItem(u"a (b (7)");
    EXPECT_EQ(nested.designation, u"a (b");
    EXPECT_EQ(nested.lineNumber, 7);
    EXPECT_FALSE(ParseDesignationItem(u"x (y)").lineNumber.has_value());
    EXPECT_FALSE(ParseDesignationItem(u"plain").lineNumber.has_value());
}

TEST(SortDesignationLines, KeepsWellFormedLinesSortedByLineNumber) {
    EXPECT_EQ(SortDesignationLines({u"B (9)", u"x", u"A (2)"}),
              (std::vector<Text>{u"A (2)", u"B (9)"}));
    EXPECT_EQ(SortDesignationLines({u"  C (007)", u"D (1) tail)", u"E (x)", u"F(3)"}),
              (std::vector<Text>{u"C (7)"}));
    EXPECT_TRUE(SortDesignationLines({}).empty());
}

}  // namespace
}  // namespace lexorim
