#include <gtest/gtest.h>

#include <filesystem>

#include "engine/index_store.h"
#include "indexing/index_file.h"
#include "temp_folder.h"
#include "textfiles/text_writer.h"

namespace lexorim {
namespace {

TEST(IndexFileName, AppendsIdxUnlessTheNameContainsIt) {
    EXPECT_EQ(IndexFileName("Buch"), "Buch.idx");
    EXPECT_EQ(IndexFileName("Buch.idx.txt"), "Buch.idx.txt");
    EXPECT_EQ(IndexFileName("Buch.IDX"), "Buch.IDX.idx");
}

TEST(IndexFileKind, TextIndexFilesHoldTheDashTag) {
    EXPECT_TRUE(IsTextIndexFileText(u"Apfel:3>-|17>-\r\n"));
    EXPECT_FALSE(IsTextIndexFileText(u"Preise:Preise>preise.html\r\n"));
}

// A store written as an index file and loaded back holds the same entries, also where a word or
// a key holds the characters that separate the parts of a line.
TEST(IndexFileStore, WrittenStoreLoadsBackWithLookAlikesForSeparators) {
    const testing::TempFolder folder;
    IndexStore store;
    store.AddReference(u"Apfel", u"3", u"-", true);
    store.AddReference(u"Apfel", ReferenceKeyOf(u"a|b>c"), u"-", true);
    store.AddReference(u"Uhr:werk", u"7", u"-", true);
    const Text fileText = BuildIndexFileText(store);
    EXPECT_EQ(fileText, u"Apfel:3>-|a\u00A6b\u203Ac>-\r\nUhr\u2236werk:7>-\r\n");
    EXPECT_TRUE(IsTextIndexFileText(fileText));

    const std::string path = (folder / "c.idx").string();
    WriteTextFile(fileText, path, encoding::kUtf16Le, true);
    IndexStore reloaded;
    LoadExistingIndex(reloaded, path, ExistingIndexRules(true, true));
    EXPECT_EQ(BuildIndexFileText(reloaded), fileText);
}

// A path that names no file loads nothing and is no error.
TEST(IndexFileStore, MissingFileLoadsNothing) {
    const testing::TempFolder folder;
    IndexStore store;
    LoadExistingIndex(store, (folder / "none.idx").string(), ExistingIndexRules(true, true));
    EXPECT_EQ(BuildIndexFileText(store), u"");
}

}  // namespace
}  // namespace lexorim
