#include <gtest/gtest.h>

#include "draft/index_order.h"
#include "engine/collation.h"
#include "engine/index_store.h"
#include "engine/word_pipeline.h"
#include "textindex/text_index_run.h"

namespace lexorim {
namespace {

std::vector<Text> WordsOf(const IndexStore& store, int bucket) {
    std::vector<Text> words;
    for (const IndexEntry& entry : store.Bucket(bucket))
        words.push_back(entry.word);
    return words;
}

TEST(HeadingsFirstTest, AHeadingSortsBeforeEveryLineThatContinuesIt) {
    const LocaleCollator collator("de_DE");
    const Text lines =
        u"Accessible:4>-\nAccess NIS:91>-\nAccess; Access NIS:91>-\nACCESS COMMAND:144>-\n"
        u"Access-Liste:3>-\nAccess:8>-|126>-\nAcces:1>-\n";
    IndexStore store;
    store.LoadIndexLines(lines, IndexStore::IndexLineRules{});
    store.SortStore(collator);
    EXPECT_EQ(WordsOf(store, 0),
              (std::vector<Text>{u"Acces", u"ACCESS COMMAND", u"Access NIS", u"Access-Liste",
                                 u"Access; Access NIS", u"Access", u"Accessible"}));
    store.SortStore(collator, true);
    EXPECT_EQ(WordsOf(store, 0),
              (std::vector<Text>{u"Acces", u"Access", u"ACCESS COMMAND", u"Access NIS",
                                 u"Access-Liste", u"Access; Access NIS", u"Accessible"}));
}

TEST(DropRepeatedExpansionsTest, LeavesOutTheExpansionsOfTheirOwnFirstWord) {
    IndexStore store;
    store.LoadIndexLines(
        u"Advanced; Advanced Configuration:1>-\n"
        u"ACCESS; Access Control:2>-\n"
        u"Configuration; Advanced Configuration:1>-\n"
        u"Access; Directory Access:3>-\n"
        u"Advanced Configuration:1>-\n"
        u"Access:4>-\n"
        u"Access; Accessible Things:5>-\n",
        IndexStore::IndexLineRules{});
    DropRepeatedExpansions(store);
    EXPECT_EQ(WordsOf(store, 0),
              (std::vector<Text>{u"Access; Directory Access", u"Advanced Configuration", u"Access",
                                 u"Access; Accessible Things"}));
    EXPECT_EQ(WordsOf(store, 2), std::vector<Text>{u"Configuration; Advanced Configuration"});
}

class IndexOrderRunTest : public ::testing::Test {
  protected:
    IndexOrderRunTest() {
        options.lineMode = true;
        lists.negative = BuiltInNegativeList();
        lists.positive = BuiltInPositiveList();
    }

    Text Run(TextView source) const {
        return RunTextIndex(options, source,
                            {.lists = lists, .collator = collator, .language = Language::German})
            .output;
    }

    TextIndexOptions options;
    WordLists lists;
    LocaleCollator collator{"de_DE"};
};

TEST_F(IndexOrderRunTest, HeadingsFirstAndRepeatedExpansionsInABook) {
    const Text book = u"wir nutzen Access Control hier\r\nund Access dort\r\n";
    const Text plain =
        u"Index\r\n\r\nA\r\nAccess Control 1\r\nAccess; Access Control 1\r\nAccess 2\r\n"
        u"\r\nC\r\nControl; Access Control 1\r\n";
    EXPECT_EQ(Run(book), plain);
    options.draft.headingsFirst = true;
    EXPECT_EQ(Run(book),
              u"Index\r\n\r\nA\r\nAccess 2\r\nAccess Control 1\r\n"
              u"Access; Access Control 1\r\n\r\nC\r\nControl; Access Control 1\r\n");
    options.draft.dropRepeatedExpansions = true;
    EXPECT_EQ(Run(book),
              u"Index\r\n\r\nA\r\nAccess 2\r\nAccess Control 1\r\n"
              u"\r\nC\r\nControl; Access Control 1\r\n");
    options.draft.headingsFirst = false;
    EXPECT_EQ(Run(book),
              u"Index\r\n\r\nA\r\nAccess Control 1\r\nAccess 2\r\n"
              u"\r\nC\r\nControl; Access Control 1\r\n");
}

}  // namespace
}  // namespace lexorim
