#include <gtest/gtest.h>

#include "textfiles/internal/document_pages.h"

namespace lexorim {
namespace {

TEST(FormatDocumentPages, EachPageIsFollowedByItsNumberLine) {
    EXPECT_EQ(FormatDocumentPages({u"one\r", u"two\r"}, -1), u"one\r\n\r\n1\r\ntwo\r\n\r\n2\r\n");
}

TEST(FormatDocumentPages, LineBreaksOfAnyPageBecomeCrLf) {
    // A lone CR (Word's paragraph mark) and a CR LF both end as one CR LF; a lone LF stays.
    EXPECT_EQ(FormatDocumentPages({u"a\rb\r\nc\nd"}, -1), u"a\r\nb\r\nc\nd\r\n1\r\n");
}

TEST(FormatDocumentPages, PageLimitCutsAfterThatManyPages) {
    const std::vector<Text> pages = {u"p1\r", u"p2\r", u"p3\r"};
    struct Case {
        int limit;
        Text expected;
    };
    const Case cases[] = {
        {-1, u"p1\r\n\r\n1\r\np2\r\n\r\n2\r\np3\r\n\r\n3\r\n"},
        {-5, u"p1\r\n\r\n1\r\np2\r\n\r\n2\r\np3\r\n\r\n3\r\n"},
        {0, u""},
        {1, u"p1\r\n\r\n1\r\n"},
        {2, u"p1\r\n\r\n1\r\np2\r\n\r\n2\r\n"},
        {3, u"p1\r\n\r\n1\r\np2\r\n\r\n2\r\np3\r\n\r\n3\r\n"},
        {99, u"p1\r\n\r\n1\r\np2\r\n\r\n2\r\np3\r\n\r\n3\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatDocumentPages(pages, c.limit), c.expected) << "limit " << c.limit;
    }
}

TEST(FormatDocumentPages, NumberLinesReplaceThePositionWhereGiven) {
    EXPECT_EQ(FormatDocumentPages({u"a", u"b", u"c"}, {u"xii", u"xiii"}, -1),
              u"a\r\nxii\r\nb\r\nxiii\r\nc\r\n3\r\n");
}

TEST(FormatDocumentPages, NoPagesGiveAnEmptyText) {
    EXPECT_EQ(FormatDocumentPages({}, -1), u"");
}

TEST(PageCollector, ContentWithoutBreaksIsOnePage) {
    PageCollector pages;
    pages.Append(u"a");
    pages.Append(u'\r');
    pages.Append(u"b\r");
    EXPECT_EQ(pages.TakePages(), (std::vector<Text>{u"a\rb\r"}));
}

TEST(PageCollector, AnEmptyDocumentHasOneEmptyPage) {
    PageCollector pages;
    EXPECT_EQ(pages.TakePages(), (std::vector<Text>{u""}));
}

TEST(PageCollector, HardBreaksInARowLeaveEmptyPages) {
    PageCollector pages;
    pages.Append(u"a\r");
    pages.HardBreak();
    pages.HardBreak();
    pages.Append(u"b\r");
    EXPECT_EQ(pages.TakePages(), (std::vector<Text>{u"a\r", u"", u"b\r"}));
}

TEST(PageCollector, HardBreakAtTheStartLeavesAnEmptyFirstPage) {
    PageCollector pages;
    pages.HardBreak();
    pages.Append(u"a\r");
    EXPECT_EQ(pages.TakePages(), (std::vector<Text>{u"", u"a\r"}));
}

TEST(PageCollector, SoftBreaksAtAPageStartChangeNothing) {
    PageCollector pages;
    pages.SoftBreak();  // start of the document
    pages.Append(u"a\r");
    pages.HardBreak();
    pages.SoftBreak();  // coincides with the hard break
    pages.SoftBreak();
    pages.Append(u"b\r");
    pages.SoftBreak();
    pages.SoftBreak();
    pages.Append(u"c\r");
    EXPECT_EQ(pages.TakePages(), (std::vector<Text>{u"a\r", u"b\r", u"c\r"}));
}

TEST(PageCollector, ABreakAtTheEndAddsNoEmptyPage) {
    for (const bool hard : {false, true}) {
        PageCollector pages;
        pages.Append(u"a\r");
        hard ? pages.HardBreak() : pages.SoftBreak();
        EXPECT_EQ(pages.TakePages(), (std::vector<Text>{u"a\r"})) << "hard " << hard;
    }
}

TEST(PageCollector, EmptyAppendsDoNotOpenAPendingPage) {
    PageCollector pages;
    pages.Append(u"a");
    pages.SoftBreak();
    pages.Append(u"");
    EXPECT_TRUE(pages.AtPageStart());
    EXPECT_EQ(pages.TakePages(), (std::vector<Text>{u"a"}));
}

}  // namespace
}  // namespace lexorim
