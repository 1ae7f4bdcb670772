#include <gtest/gtest.h>

#include "textindex/page_list.h"

namespace lexorim {
namespace {

struct PageView {
    Text text;
    Text label;
    bool operator==(const PageView&) const = default;
};

std::vector<PageView> Pages(const PageList& list) {
    std::vector<PageView> pages;
    Text buffer;
    for (size_t i = 0; i < list.size(); ++i) {
        pages.push_back({Text(list.PageText(i, buffer)), list.Label(i)});
    }
    return pages;
}

std::ostream& operator<<(std::ostream& os, const PageView& p) {
    return os << ToUtf8(p.label) << ":" << ToUtf8(p.text);
}

TEST(PageListFromLines, EveryLineIsAPageCountedFromTheStartPage) {
    const PageList list = PageList::FromLines(u"eins\r\n\r\ndrei\r\n", 5);
    EXPECT_EQ(Pages(list), (std::vector<PageView>{{u"eins", u"5"}, {u"", u"6"}, {u"drei", u"7"}}));
    EXPECT_TRUE(PageList::FromLines(u"", 1).empty());
}

TEST(PageListFromDesignations, BelowModeEndsAPageBeforeItsNumber) {
    const Text source = u"Erster Satz.\r\n1\r\nZweiter Satz.\r\n2";
    const PageList list = PageList::FromDesignations(source, {u"1 (1)", u"2 (3)"}, false);
    EXPECT_EQ(Pages(list),
              (std::vector<PageView>{{u".Erster Satz..", u"1"}, {u".1.Zweiter Satz..", u"2"}}));
}

TEST(PageListFromDesignations, AboveModeStartsAPageAtItsNumber) {
    const Text source = u"Vorwort\r\n1\r\nErste Seite\r\n2\r\nZweite Seite\r\nEnde";
    const PageList list = PageList::FromDesignations(source, {u"1 (1)", u"2 (3)"}, true);
    EXPECT_EQ(Pages(list),
              (std::vector<PageView>{{u".Erste Seite.", u"1"}, {u".2.Zweite Seite.Ende.", u"2"}}));
}

TEST(PageListFromDesignations, ToleratesOddItems) {
    const Text source = u"a\r\nb";
    // Line numbers past the end read as empty lines, at least one line is always taken, and an
    // item without a line number cannot place a page.
    const PageList list = PageList::FromDesignations(
        source, {u"x (0)", u"y (0)", u"bad (z)", u"z (2000000000)"}, false);
    EXPECT_EQ(Pages(list), (std::vector<PageView>{{u".a.", u"x"}, {u".b.", u"y"}, {u"..", u"z"}}));
}

}  // namespace
}  // namespace lexorim
