#include <gtest/gtest.h>

#include "engine/collation.h"
#include "textindex/text_to_index.h"

namespace lexorim {
namespace {

TextToIndexOptions With(MultiWordEntry multiWord) {
    TextToIndexOptions options;
    options.multiWord = multiWord;
    return options;
}

TEST(TextToIndex, ConvertsLinesAsTheEditorDoes) {
    TextToIndexOptions links;
    links.linksPresent = true;
    TextToIndexOptions linkFirst = links;
    linkFirst.pageBeforeLink = false;
    struct Case {
        std::u16string_view line;
        TextToIndexOptions options;
        std::optional<std::pair<std::u16string_view, std::u16string_view>> row;
    };
    for (const Case& c : std::vector<Case>{
             {u"Apfel 12, 15, 17", {}, {{u"Apfel", u"12(-), 15(-), 17(-)"}}},
             {u"Apfel 12", {}, {{u"Apfel", u"12(-)"}}},
             {u"Jonas Weller 12, 15",
              With(MultiWordEntry::AddToEntry),
              {{u"Jonas Weller", u"12(-), 15(-)"}}},
             {u"Jonas Weller 12, 15",
              With(MultiWordEntry::AddToPages),
              {{u"Jonas", u"Weller(-), 12(-), 15(-)"}}},
             {u"Jonas Weller 12, 15", With(MultiWordEntry::Ignore), std::nullopt},
             {u"Jonas Weller 12", With(MultiWordEntry::AddToPages), {{u"Jonas", u"Weller 12(-)"}}},
             {u"Jonas Weller 12", With(MultiWordEntry::AddToEntry), {{u"Jonas Weller", u"12(-)"}}},
             {u"Jonas Weller 12", With(MultiWordEntry::Ignore), std::nullopt},
             {u"Apfel 12>kapitel2.html", links, {{u"Apfel", u"12(kapitel2.html)"}}},
             {u"Apfel 12>a>b, 3", links, {{u"Apfel", u"12>a(b), 3(-)"}}},
             {u"Apfel kapitel2.html>12", linkFirst, {{u"Apfel", u"12(kapitel2.html)"}}},
             {u"Apfel 12>kapitel2.html", {}, {{u"Apfel", u"12>kapitel2.html(-)"}}},
             {u" Apfel 12", {}, std::nullopt},
             {u"Apfel ", {}, std::nullopt},
             {u"Apfel", {}, std::nullopt},
             {u"", {}, std::nullopt},
         }) {
        const std::optional<IndexRow> row = ConvertTextLine(c.line, c.options);
        ASSERT_EQ(row.has_value(), c.row.has_value()) << ToUtf8(c.line);
        if (row) {
            EXPECT_EQ(row->entry, c.row->first) << ToUtf8(c.line);
            EXPECT_EQ(row->pages, c.row->second) << ToUtf8(c.line);
            EXPECT_EQ(row->source, c.line);
        }
    }
}

TEST(TextToIndex, SavesAndLoadsIndexFiles) {
    const std::vector<IndexRow> rows = {
        {u"Apfel", u"12(-), 15(-), 17(-)", u"Apfel 12, 15, 17"},
        {u"Birne", u"12(kapitel2.html)", u""},
    };
    const Text text = IndexRowsFileText(rows);
    EXPECT_EQ(text, u"Apfel:12>-|15>-|17>-\r\nBirne:12>kapitel2.html\r\n");
    const std::vector<IndexRow> loaded = IndexRowsFromFileText(text + u"broken\r\nend:\r\n");
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0].pages, rows[0].pages);
    EXPECT_EQ(loaded[0].source, u"");
    EXPECT_EQ(loaded[1].pages, rows[1].pages);
}

TEST(TextToIndex, HandsOverThroughAFixedTemporaryFile) {
    EXPECT_EQ(TemporaryIndexFilePath().filename(), "lexorim-temp.idx");
}

TEST(TextToIndex, ListsMoveRowsBothWaysAndKeepTheIndexSorted) {
    const LocaleCollator collator("de_DE");
    TextToIndexLists lists(collator);
    lists.LoadText(u"Zebra 3\r\nnoentry\r\napfel 1, 2\r\n", true);
    EXPECT_EQ(lists.ConvertToIndex({}, {}), std::vector<Text>{u"noentry"});
    EXPECT_EQ(lists.textRows, std::vector<Text>{u"noentry"});
    ASSERT_EQ(lists.indexRows().size(), 2u);
    EXPECT_EQ(lists.indexRows()[0].entry, u"apfel");
    lists.LoadIndex(u"Mango:4>-\r\n", false);
    EXPECT_EQ(lists.indexRows()[1].entry, u"Mango");
    lists.ClickColumn(0);  // same column: descending
    EXPECT_EQ(lists.indexRows()[0].entry, u"Zebra");
    EXPECT_EQ(lists.sortState().ascending, false);
    lists.MoveBackToText({0, 1});
    EXPECT_EQ(lists.textRows, (std::vector<Text>{u"noentry", u"Mango 4(-)", u"Zebra 3"}));
    ASSERT_EQ(lists.indexRows().size(), 1u);
    lists.ClickColumn(1);
    EXPECT_EQ(lists.sortState().column, 1u);
    EXPECT_TRUE(lists.sortState().ascending);
}

TEST(TextToIndex, RemovesShortLinesAndLinesContainingAText) {
    const LocaleCollator collator("de_DE");
    TextToIndexLists lists(collator);
    lists.LoadText(u"ab\r\nabc\r\nx;y\r\nlonger line", true);
    lists.RemoveShortLines(u"drei");
    EXPECT_EQ(lists.textRows.size(), 4u);
    lists.RemoveShortLines(u"3");
    EXPECT_EQ(lists.textRows, (std::vector<Text>{u"abc", u"x;y", u"longer line"}));
    lists.RemoveLinesContaining(u"");
    EXPECT_EQ(lists.textRows.size(), 3u);
    lists.RemoveLinesContaining(u";");
    EXPECT_EQ(lists.textRows, (std::vector<Text>{u"abc", u"longer line"}));
}

TEST(TextToIndex, DeletesChosenRowsAndEditsAnEntryInPlace) {
    const LocaleCollator collator("de_DE");
    TextToIndexLists lists(collator);
    lists.LoadText(u"a\r\nb\r\nc\r\nd", true);
    lists.RemoveTextRows({3, 1, 1, 9});
    EXPECT_EQ(lists.textRows, (std::vector<Text>{u"a", u"c"}));
    lists.LoadIndex(u"Apfel:1>-\r\nBirne:2>-\r\nKiwi:3>-\r\n", true);
    lists.RemoveIndexRows({0, 2});
    ASSERT_EQ(lists.indexRows().size(), 1u);
    EXPECT_EQ(lists.indexRows()[0].entry, u"Birne");
    lists.AddIndexRow({u"Zitrone", u"4(-)", u""});
    lists.SetIndexEntry(0, u"Zwetschge");
    lists.SetIndexEntry(5, u"outside");
    EXPECT_EQ(lists.indexRows()[0].entry, u"Zwetschge");
    EXPECT_EQ(lists.indexRows()[0].pages, u"2(-)");
    EXPECT_EQ(lists.indexRows()[1].entry, u"Zitrone");
}

}  // namespace
}  // namespace lexorim
