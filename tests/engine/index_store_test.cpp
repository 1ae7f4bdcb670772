#include <gtest/gtest.h>

#include <vector>

#include "engine/collation.h"
#include "engine/index_store.h"

namespace lexorim {
namespace {

using Entries = std::vector<IndexEntry>;

constexpr int kA = 0;
constexpr int kH = 'H' - 'A';
constexpr int kJ = 'J' - 'A';
constexpr int kS = 'S' - 'A';
constexpr int kW = 'W' - 'A';

class IndexStoreTest : public ::testing::Test {
  protected:
    void Add(TextView word, TextView page, bool removeDuplicates = true) {
        store.AddReference(word, page, u"-", removeDuplicates);
    }

    IndexStore store;
    const LocaleCollator collator{"de_DE"};
};

TEST(IndexStoreBuckets, FollowTheFirstCharacter) {
    struct Case {
        const char16_t* word;
        int bucket;
    };
    const Case cases[] = {
        {u"apfel", 0},    {u"Apfel", 0},    {u"\u00C4pfel", 0},  {u"\u00E4pfel", 0},
        {u"\u00D6l", 14}, {u"\u00F6l", 14}, {u"\u00DCbung", 20}, {u"\u00FCbung", 20},
        {u"zebra", 25},   {u"Zebra", 25},   {u"\u00C9cole", 26}, {u"\u00DF", 26},
        {u"42", 26},      {u"", 26},        {u"&Haus", 26},      {u"\u017Ftadt", 26},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IndexStore::BucketOf(c.word), c.bucket) << ToUtf8(c.word);
    }
}

TEST_F(IndexStoreTest, MergesWordsIgnoringCaseAndRemovesDuplicates) {
    Add(u"Haus", u"1");
    Add(u"HAUS", u"2");
    Add(u"haus", u"1");
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"Haus", u"1>-|2>-"}}));
}

TEST_F(IndexStoreTest, KeepsDuplicatesInOrderOfArrivalWhenAsked) {
    Add(u"Haus", u"1", false);
    Add(u"HAUS", u"2", false);
    Add(u"haus", u"1", false);
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"Haus", u"1>-|2>-|1>-"}}));
}

TEST_F(IndexStoreTest, ComparesWholeReferences) {
    Add(u"Haus", u"15");
    Add(u"Haus", u"5");
    Add(u"Haus", u"5");
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"Haus", u"15>-|5>-"}}));
}

TEST_F(IndexStoreTest, FindsDuplicatesThatAreNotTheLastReference) {
    // Repeated page labels (or a loaded index) bring a reference back after others.
    for (const char16_t* page : {u"1", u"2", u"1", u"3", u"2", u"1"}) {
        Add(u"Haus", page);
        Add(u"Garten", page);
    }
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"Haus", u"1>-|2>-|3>-"}}));
    EXPECT_EQ(store.Bucket('G' - 'A'), (Entries{{u"Garten", u"1>-|2>-|3>-"}}));
}

TEST_F(IndexStoreTest, FindsDuplicatesThatALoadedIndexBroughtIn) {
    Add(u"Garten", u"3");
    store.LoadIndexLines(u"Haus:3>-|8>-", false);
    Add(u"Haus", u"3");
    Add(u"Garten", u"3");
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"Haus", u"3>-|8>-"}}));
    EXPECT_EQ(store.Bucket('G' - 'A'), (Entries{{u"Garten", u"3>-"}}));
}

TEST_F(IndexStoreTest, FindsDuplicatesThatFinishingRewrote) {
    store.AddReference(u"Haus", u"a&b", u"-", true);
    Add(u"Haus", u"5");
    store.JoinCombinedWords();
    // "a&b>-" became "a b>-", a reference never added as such.
    store.AddReference(u"Haus", u"a b", u"-", true);
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"Haus", u"a b>-|5>-"}}));

    // The same when the words of "a b" had started to arrive before the store was finished.
    store.Clear();
    store.AddReference(u"Hof", u"a&b", u"-", true);
    Add(u"Hof", u"5");
    store.AddReference(u"Garten", u"a b", u"-", true);
    store.ExpandCombinedWords();
    store.AddReference(u"Hof", u"a b", u"-", true);
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"Hof", u"a b>-|5>-"}}));
}

TEST_F(IndexStoreTest, JudgesDuplicatesByTheListSplitAtBars) {
    // A reference with "|" inside never equals one piece of the list, so it is always added...
    store.AddReference(u"Haus", u"a|b", u"-", true);
    store.AddReference(u"Haus", u"a|b", u"-", true);
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"Haus", u"a|b>-|a|b>-"}}));
    // ...and its pieces count as references of their own.
    store.AddReference(u"Haus", u"x", u"b>-", true);
    store.AddReference(u"Haus", u"b", u"-", true);
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"Haus", u"a|b>-|a|b>-|x>b>-"}}));
}

TEST_F(IndexStoreTest, KeepsTheSpellingOfTheFirstOccurrence) {
    Add(u"haus", u"1");
    Add(u"Haus", u"2");
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"haus", u"1>-|2>-"}}));
}

TEST_F(IndexStoreTest, KeepsFileIndexTags) {
    store.AddReference(u"Haus", u"Plan.txt", u"file:///C:/Plan.txt", true);
    store.AddReference(u"Haus", u"Plan.txt", u"file:///C:/Plan.txt", true);
    store.AddReference(u"Haus", u"Haus.html", u"C:\\Haus.html", true);
    EXPECT_EQ(store.Bucket(kH),
              (Entries{{u"Haus", u"Plan.txt>file:///C:/Plan.txt|Haus.html>C:\\Haus.html"}}));
}

TEST_F(IndexStoreTest, MergesUmlautWordsFromTextAndFromALoadedIndex) {
    store.LoadIndexLines(u"\u00C4pfel:3>-", true);
    Add(u"\u00E4pfel", u"5");
    Add(u"\u00C4pfel", u"3");
    EXPECT_EQ(store.Bucket(kA), (Entries{{u"\u00C4pfel", u"3>-|5>-"}}));
}

TEST_F(IndexStoreTest, ExpandsCombinedWordsIntoTheirParts) {
    Add(u"Jonas&Weller&Stiftung", u"3");
    Add(u"Jonas&Weller&Stiftung", u"8");
    store.ExpandCombinedWords();
    EXPECT_EQ(store.Bucket(kJ), (Entries{{u"Jonas Weller Stiftung", u"3>-|8>-"},
                                         {u"Jonas; Jonas Weller Stiftung", u"3>-|8>-"}}));
    EXPECT_EQ(store.Bucket(kW), (Entries{{u"Weller; Jonas Weller Stiftung", u"3>-|8>-"}}));
    EXPECT_EQ(store.Bucket(kS), (Entries{{u"Stiftung; Jonas Weller Stiftung", u"3>-|8>-"}}));
    EXPECT_EQ(store.EntryCount(), 4u);
}

TEST_F(IndexStoreTest, ExpansionSkipsEmptyPartsAndDoesNotMerge) {
    Add(u"&Haus", u"1");
    Add(u"Haus", u"2");
    store.AddReference(u"Weg", u"a&b", u"-", true);
    store.ExpandCombinedWords();
    EXPECT_EQ(store.Bucket(IndexStore::kOtherBucket), (Entries{{u" Haus", u"1>-"}}));
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"Haus", u"2>-"}, {u"Haus;  Haus", u"1>-"}}));
    EXPECT_EQ(store.Bucket(kW), (Entries{{u"Weg", u"a b>-"}}));
}

TEST_F(IndexStoreTest, JoinTurnsJoinMarksIntoBlanks) {
    Add(u"Jonas&Weller", u"3");
    store.AddReference(u"Weg", u"a&b", u"c&d", true);
    store.JoinCombinedWords();
    EXPECT_EQ(store.Bucket(kJ), (Entries{{u"Jonas Weller", u"3>-"}}));
    EXPECT_EQ(store.Bucket(kW), (Entries{{u"Weg", u"a b>c d"}}));
    EXPECT_EQ(store.EntryCount(), 2u);
}

TEST_F(IndexStoreTest, LoadsExpansionLinesOnlyWithoutMultipleEntries) {
    const TextView line = u"Weller; Jonas Weller:3>-|8>-";
    store.LoadIndexLines(line, true);
    EXPECT_TRUE(store.Empty());
    store.LoadIndexLines(line, false);
    EXPECT_EQ(store.Bucket(kW), (Entries{{u"Weller; Jonas Weller", u"3>-|8>-"}}));
}

TEST_F(IndexStoreTest, ASemicolonInTheReferencesIsNoExpansionLine) {
    // Page labels such as ";" or "12;" are possible; only the word tells an expansion entry.
    store.LoadIndexLines(u"Haus:12;>-|;>-\r\nWeg;weiser:1>-\r\nZiel:a; b>-", true);
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"Haus", u"12;>-|;>-"}}));
    EXPECT_EQ(store.Bucket(kW), (Entries{{u"Weg;weiser", u"1>-"}}));
    EXPECT_EQ(store.Bucket(25), (Entries{{u"Ziel", u"a;&b>-"}}));
}

TEST_F(IndexStoreTest, LoadedCombinedWordsMergeWithNewOnes) {
    store.LoadIndexLines(u"Jonas Weller:3>-|8>-\r\nWeller; Jonas Weller:3>-|8>-\r\n", true);
    EXPECT_EQ(store.Bucket(kJ), (Entries{{u"Jonas&Weller", u"3>-|8>-"}}));
    Add(u"Jonas&Weller", u"9");
    Add(u"Jonas&Weller", u"8");
    store.ExpandCombinedWords();
    EXPECT_EQ(store.Bucket(kJ), (Entries{{u"Jonas Weller", u"3>-|8>-|9>-"},
                                         {u"Jonas; Jonas Weller", u"3>-|8>-|9>-"}}));
    EXPECT_EQ(store.Bucket(kW), (Entries{{u"Weller; Jonas Weller", u"3>-|8>-|9>-"}}));
}

TEST_F(IndexStoreTest, LoadsOnlyLinesWithGreaterThanAndColon) {
    store.LoadIndexLines(u"Haus:1>-|2>-\rGarten 3\nohne Seiten:\n\n:x>y\r\nBaum>:\nZiel:a:b>c",
                         false);
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"Haus", u"1>-|2>-"}}));
    EXPECT_EQ(store.Bucket(IndexStore::kOtherBucket), (Entries{{u"", u"x>y"}}));
    EXPECT_EQ(store.Bucket('B' - 'A'), (Entries{{u"Baum>", u""}}));
    EXPECT_EQ(store.Bucket('Z' - 'A'), (Entries{{u"Ziel", u"a:b>c"}}));
    EXPECT_EQ(store.EntryCount(), 4u);
}

TEST_F(IndexStoreTest, LoadingAppendsWithoutTheUniquenessCheck) {
    store.LoadIndexLines(u"Haus:1>-\nhaus:2>-", false);
    Add(u"HAUS", u"3");
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"Haus", u"1>-|3>-"}, {u"haus", u"2>-"}}));
}

TEST_F(IndexStoreTest, SortsBucketsByTheLocaleIgnoringCase) {
    for (const char16_t* word : {u"Auto", u"\u00C4pfel", u"apfel", u"\u00C4rger"})
        Add(word, u"1");
    Add(u"zebra", u"1");
    Add(u"Zahl", u"1");
    store.SortStore(collator);
    EXPECT_EQ(store.Bucket(kA), (Entries{{u"apfel", u"1>-"},
                                         {u"\u00C4pfel", u"1>-"},
                                         {u"\u00C4rger", u"1>-"},
                                         {u"Auto", u"1>-"}}));
    EXPECT_EQ(store.Bucket('Z' - 'A'), (Entries{{u"Zahl", u"1>-"}, {u"zebra", u"1>-"}}));
}

TEST_F(IndexStoreTest, SortingKeepsTheOrderOfEqualKeys) {
    store.LoadIndexLines(u"haus:1>-\nHaus:1>-\nHAUS:1>-", false);
    store.SortStore(collator);
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"haus", u"1>-"}, {u"Haus", u"1>-"}, {u"HAUS", u"1>-"}}));
    store.Clear();
    store.LoadIndexLines(u"HAUS:1>-\nhaus:1>-\nHaus:1>-", false);
    store.SortStore(collator);
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"HAUS", u"1>-"}, {u"haus", u"1>-"}, {u"Haus", u"1>-"}}));
}

TEST_F(IndexStoreTest, SortingKeepsTheOrderOfEqualKeysInLargeBuckets) {
    // Enough entries that a sort cannot get by with insertion sort alone.
    const char16_t* spellings[] = {u"haus", u"Haus", u"HAUS", u"hAUS", u"HaUs"};
    Text lines;
    Entries expectedHaus;
    for (int i = 0; i < 60; ++i) {
        const Text spelling = spellings[(i * 7) % 5];
        lines += spelling + u":1>-\n";
        expectedHaus.push_back({spelling, u"1>-"});
        lines += u"Hof" + DecimalText(59 - i) + u":1>-\n";
    }
    store.LoadIndexLines(lines, false);
    store.SortStore(collator);
    const Entries& h = store.Bucket(kH);
    ASSERT_EQ(h.size(), 120u);
    EXPECT_EQ(Entries(h.begin(), h.begin() + 60), expectedHaus);
}

TEST_F(IndexStoreTest, SortingKeepsWordsThatContainAColon) {
    Add(u"Haus", u"2");
    Add(u"Ha:us", u"1");
    Add(u"Hb", u"3");
    store.SortStore(collator);
    const Entries& h = store.Bucket(kH);
    ASSERT_EQ(h.size(), 3u);
    EXPECT_EQ(std::count(h.begin(), h.end(), IndexEntry{u"Ha:us", u"1>-"}), 1);
    EXPECT_EQ(std::count(h.begin(), h.end(), IndexEntry{u"Haus", u"2>-"}), 1);
    EXPECT_EQ(std::count(h.begin(), h.end(), IndexEntry{u"Hb", u"3>-"}), 1);
}

TEST_F(IndexStoreTest, FileIndexTagWithAColonSurvivesSortingAndLoading) {
    store.AddReference(u"Haus", u"Plan.txt", u"C:/Daten/Plan.txt", true);
    store.AddReference(u"Hof", u"Hof.html", u"https://example.org/hof.html", true);
    store.SortStore(collator);
    Text saved;
    for (const IndexEntry& entry : store.Bucket(kH)) {
        saved += entry.word + u":" + entry.references + u"\r\n";
    }
    IndexStore loaded;
    loaded.LoadIndexLines(saved, false);
    EXPECT_EQ(loaded.Bucket(kH), store.Bucket(kH));
    EXPECT_EQ(loaded.Bucket(kH), (Entries{{u"Haus", u"Plan.txt>C:/Daten/Plan.txt"},
                                          {u"Hof", u"Hof.html>https://example.org/hof.html"}}));
}

TEST_F(IndexStoreTest, FindsWordsAgainAfterSortingAndLoading) {
    store.LoadIndexLines(u"Zaun:1>-\nHaus:4>-", false);
    Add(u"Hof", u"2");
    Add(u"Garten", u"2");
    store.SortStore(collator);
    Add(u"haus", u"5");
    Add(u"HOF", u"5");
    Add(u"hof", u"2");
    Add(u"Haus", u"4");
    store.LoadIndexLines(u"Hund:7>-", false);
    Add(u"hund", u"8");
    EXPECT_EQ(store.Bucket(kH),
              (Entries{{u"Haus", u"4>-|5>-"}, {u"Hof", u"2>-|5>-"}, {u"Hund", u"7>-|8>-"}}));
}

TEST_F(IndexStoreTest, FindsWordsAfterFinishing) {
    Add(u"Jonas&Weller", u"1");
    store.ExpandCombinedWords();
    Add(u"jonas weller", u"1");
    Add(u"WELLER; JONAS WELLER", u"2");
    EXPECT_EQ(store.Bucket(kJ),
              (Entries{{u"Jonas Weller", u"1>-"}, {u"Jonas; Jonas Weller", u"1>-"}}));
    EXPECT_EQ(store.Bucket(kW), (Entries{{u"Weller; Jonas Weller", u"1>-|2>-"}}));
}

TEST_F(IndexStoreTest, ClearEmptiesEveryBucket) {
    Add(u"Haus", u"1");
    Add(u"42", u"1");
    store.Clear();
    EXPECT_TRUE(store.Empty());
    Add(u"haus", u"1");
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"haus", u"1>-"}}));
}

TEST_F(IndexStoreTest, MovedStoreKeepsWorking) {
    Add(u"Haus", u"1");
    IndexStore moved = std::move(store);
    moved.AddReference(u"HAUS", u"1", u"-", true);
    moved.AddReference(u"haus", u"2", u"-", true);
    EXPECT_EQ(moved.Bucket(kH), (Entries{{u"Haus", u"1>-|2>-"}}));
    store = std::move(moved);
    store.AddReference(u"Haus", u"2", u"-", true);
    EXPECT_EQ(store.Bucket(kH), (Entries{{u"Haus", u"1>-|2>-"}}));
}

}  // namespace
}  // namespace lexorim
