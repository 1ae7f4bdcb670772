#include <gtest/gtest.h>

#include <filesystem>

#include "engine/collation.h"
#include "engine/word_pipeline.h"
#include "indexing/index_file.h"
#include "temp_folder.h"
#include "textfiles/text_writer.h"
#include "textindex/text_index_run.h"

// Adding pages to an index saved by an earlier run.
namespace lexorim {
namespace {

class IndexFileRoundTrip : public ::testing::TestWithParam<bool> {};

// An index saved and loaded back with an empty source gives the same output as before.
TEST_P(IndexFileRoundTrip, ReloadedIndexWritesTheSameOutput) {
    const testing::TempFolder folder;
    const std::string path = (folder / "Buch").string();

    TextIndexOptions options;
    options.lineMode = true;
    options.multipleCombined = GetParam();
    WordLists lists{BuiltInNegativeList(), BuiltInPositiveList()};
    const LocaleCollator collator("de_DE");
    const Text source =
        u"Heute kam Jonas Weller nach Lindau.\r\nMarta Brandt und Äpfel.\r\n"
        u"Die Kirche St. Stephan in Lindau.\r\nÉclair und 4Wände\r\n";
    const TextIndexResult firstRun = RunTextIndex(
        options, source, {.lists = lists, .collator = collator, .language = Language::German});
    const Text& first = firstRun.output;
    const Text fileText = BuildIndexFileText(firstRun.store);
    EXPECT_TRUE(IsTextIndexFileText(fileText));
    WriteTextFile(fileText, IndexFileName(path), encoding::kUtf16Be, true);

    options.addToExisting = true;
    options.existingIndexPath = IndexFileName(path);
    const TextIndexResult reloaded = RunTextIndex(
        options, u"", {.lists = lists, .collator = collator, .language = Language::German});
    EXPECT_EQ(reloaded.output, first);
    EXPECT_EQ(BuildIndexFileText(reloaded.store), fileText);
}

INSTANTIATE_TEST_SUITE_P(CombinedWordsSeveralTimes, IndexFileRoundTrip, ::testing::Bool());

}  // namespace
}  // namespace lexorim

namespace lexorim {
namespace {

class IndexFileMendTest : public ::testing::Test {
  protected:
    void SetUp() override { options.lineMode = true; }

    Text Run(TextView source, IndexStore& store) {
        TextIndexResult result = RunTextIndex(
            options, source, {.lists = lists, .collator = collator, .language = Language::German});
        store = std::move(result.store);
        return result.output;
    }

    const testing::TempFolder folder;
    TextIndexOptions options;
    WordLists lists{BuiltInNegativeList(), BuiltInPositiveList()};
    const LocaleCollator collator{"de_DE"};
};

// Adding pages to a saved index must not list a combined name twice when combined words are
// entered only once.
TEST_F(IndexFileMendTest, CombinedWordsMergeWithTheLoadedIndex) {
    options.multipleCombined = false;
    IndexStore first;
    Run(u"Heute kam Jonas Weller.", first);
    const std::string path = (folder / "a.idx").string();
    WriteTextFile(BuildIndexFileText(first), path, encoding::kUtf8, false);
    options.addToExisting = true;
    options.existingIndexPath = path;
    IndexStore second;
    EXPECT_EQ(Run(u"\r\nDann ging Jonas Weller.", second),
              u"Index\r\n\r\nJ\r\nJonas Weller 1, 2\r\n");
}

// A word with ":" and a page label with "|" or ">" cannot be written as they are; they come back
// as look-alike characters instead of cutting the entry apart.
TEST_F(IndexFileMendTest, SeparatorCharactersInWordsAndLabelsCannotCorruptTheFile) {
    options.criteria.usePositiveList = true;
    lists.positive = {u"Uhr:werk"};
    options.lineMode = false;
    options.designations = {u"3|4 (0)", u"a>b (1)"};
    IndexStore store;
    const Text source = u"Das Uhr:werk\r\nUhr:werk";
    const Text output = Run(source, store);
    EXPECT_EQ(output, u"Index\r\n\r\nU\r\nUhr:werk 3\u00A64, a\u203Ab\r\n");
    const Text fileText = BuildIndexFileText(store);
    EXPECT_EQ(fileText, u"Uhr\u2236werk:3\u00A64>-|a\u203Ab>-\r\n");
    const std::string path = (folder / "b.idx").string();
    WriteTextFile(fileText, path, encoding::kUtf8, false);
    IndexStore reloaded;
    LoadExistingIndex(reloaded, path, ExistingIndexRules(true, true));
    ASSERT_EQ(reloaded.Bucket(20).size(), 1u);
    EXPECT_EQ(reloaded.Bucket(20)[0].references, u"3\u00A64>-|a\u203Ab>-");
}

}  // namespace
}  // namespace lexorim
