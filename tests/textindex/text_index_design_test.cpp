#include <gtest/gtest.h>

#include "engine/index_store.h"
#include "textindex/text_index_design.h"
#include "textindex/text_index_output.h"

namespace lexorim {
namespace {

TEST(DesignPreview, ShowsTheSeparatorsInBothLanguages) {
    EXPECT_EQ(DesignPreview({}, Language::German), u"Vorschau: Eintrag 17, 38, 69, 193");
    TextIndexDesign design;
    design.pageSeparator = u" - ";
    design.wordSeparator = u": ";
    EXPECT_EQ(DesignPreview(design, Language::German), u"Vorschau: Eintrag: 17 - 38 - 69 - 193");
    EXPECT_EQ(DesignPreview(design, Language::English), u"Preview: Item: 17 - 38 - 69 - 193");
    EXPECT_EQ(QuotedSeparator(u" "), u"\" \"");
}

IndexStore StoreOf(TextView indexLines) {
    IndexStore store;
    store.LoadIndexLines(indexLines, false);
    return store;
}

TEST(TextIndexOutput, WritesTitleHeadingsAndEntries) {
    const IndexStore store = StoreOf(
        u"Apfel:3>-|17>-|120>-\r\nÄhre:2>-\r\nBirne:5>-\r\n\u00C9clair:4>-\r\n"
        u"\u00E9t\u00E9:6>-\r\n7Zwerge:1>-\r\n");
    EXPECT_EQ(WriteTextIndexOutput(store, {}),
              u"Index\r\n\r\nA\r\nApfel 3, 17, 120\r\nÄhre 2\r\n\r\nB\r\nBirne 5\r\n"
              u"\r\n\u00C9\r\n\u00C9clair 4\r\n\u00E9t\u00E9 6\r\n\r\n7\r\n7Zwerge 1\r\n");
}

TEST(TextIndexOutput, FollowsTheDesign) {
    const IndexStore store = StoreOf(u"Apfel:3>-|17>-\r\nBirne:5>-\r\n");
    TextIndexDesign design;
    design.pageSeparator = u" - ";
    design.wordSeparator = u": ";
    design.title = u"";
    design.emptyLineBeforeHeading = false;
    EXPECT_EQ(WriteTextIndexOutput(store, design), u"\r\nA\r\nApfel: 3 - 17\r\nB\r\nBirne: 5\r\n");
    design.headings = false;
    design.emptyLineBeforeHeading = true;
    EXPECT_EQ(WriteTextIndexOutput(store, design), u"\r\nApfel: 3 - 17\r\nBirne: 5\r\n");
}

TEST(TextIndexOutput, EmptyStoreGivesTheTitleAlone) {
    EXPECT_EQ(WriteTextIndexOutput(IndexStore{}, {}), u"Index\r\n");
}

TEST(JoinReferenceKeys, ShowsOnlyTheKeys) {
    EXPECT_EQ(JoinReferenceKeys(u"3>-|17>-", u", "), u"3, 17");
    EXPECT_EQ(JoinReferenceKeys(u"Preise>preise.html|Kontakt>k.html", u"; "), u"Preise; Kontakt");
    EXPECT_EQ(JoinReferenceKeys(u"plain", u", "), u"plain");
}

// The command line writes a large index in pieces; joined, they are the whole text, for an
// index far larger than one piece, for every design, and for an empty store.
TEST(TextIndexOutput, ThePiecesJoinToTheWholeText) {
    Text lines;
    for (int word = 0; word < 60000; ++word) {
        lines += u"Wort" + DecimalText(word) + u"\u00E4nde:" + DecimalText(word % 91 + 1) + u">-|" +
                 DecimalText(word % 313 + 100) + u">-\r\n";
    }
    // Many entries in the bucket of other characters, whose headings go on across pieces.
    for (const TextView first : {u"1", u"\u00E9", u"\u00E9", u"\U0001D11E"}) {
        for (int word = 0; word < 9000; ++word) {
            lines += Text(first) + u"wort" + DecimalText(word) + u":" + DecimalText(word % 7 + 1) +
                     u">-\r\n";
        }
    }
    const IndexStore large = StoreOf(lines);
    TextIndexDesign plain;
    plain.headings = false;
    plain.emptyLineBeforeHeading = false;
    TextIndexDesign custom;
    custom.title = u"Register";
    custom.pageSeparator = u" - ";
    custom.wordSeparator = u": ";
    for (const IndexStore* store : {&large, static_cast<const IndexStore*>(nullptr)}) {
        const IndexStore empty;
        const IndexStore& source = store != nullptr ? *store : empty;
        for (const TextIndexDesign& design : {TextIndexDesign{}, plain, custom}) {
            Text joined;
            size_t pieces = 0;
            WriteTextIndexOutputInPieces(source, design, [&](TextView piece) {
                joined += piece;
                ++pieces;
            });
            // Not EXPECT_EQ: the difference of two texts this long is too large to print.
            EXPECT_TRUE(joined == WriteTextIndexOutput(source, design)) << design.title.size();
            if (store != nullptr)
                EXPECT_GT(pieces, 1u);
        }
    }
}

}  // namespace
}  // namespace lexorim
