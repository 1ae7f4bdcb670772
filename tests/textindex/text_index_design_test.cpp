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

}  // namespace
}  // namespace lexorim
