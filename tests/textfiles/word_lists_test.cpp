#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>

#include "engine/collation.h"
#include "engine/errors.h"
#include "engine/index_store.h"
#include "engine/scoped_environment.h"
#include "engine/word_pipeline.h"
#include "textfiles/word_lists.h"

namespace lexorim {
namespace {

namespace fs = std::filesystem;

using testing::ScopedEnvironment;

// A fresh program folder (LEXORIM_HOME) for each test.
class WordListFiles : public ::testing::Test {
  protected:
    WordListFiles()
        : folder_(fs::temp_directory_path() /
                  ("lexorim-wordlists-" + std::to_string(std::random_device{}()))),
          home_("LEXORIM_HOME", folder_.string()) {
        fs::create_directories(folder_);
    }
    ~WordListFiles() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    void WriteBytes(const char* name, const std::string& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }

    const fs::path folder_;

  private:
    ScopedEnvironment home_;
};

std::vector<std::string> Utf8Lines(const WordList& list) {
    std::vector<std::string> lines;
    for (const Text& line : list) {
        lines.push_back(ToUtf8(line));
    }
    return lines;
}

TEST(WordListText, CutsAtEveryLineBreakAndJoinsWithCrLf) {
    struct Case {
        const char16_t* text;
        WordList lines;
    };
    const Case cases[] = {
        {u"", {}},
        {u"Ab", {u"Ab"}},
        {u"Ab\r\nAber\nAch\rAha", {u"Ab", u"Aber", u"Ach", u"Aha"}},
        {u"Ab\r\n", {u"Ab"}},
        {u"Ab\r\n\r\nAber", {u"Ab", u"", u"Aber"}},
        {u"\r\n", {u""}},
        {u"Jonas Weller\r\n  Größe ", {u"Jonas Weller", u"  Größe "}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WordListFromText(c.text), c.lines) << ToUtf8(c.text);
    }
    EXPECT_EQ(WordListText({u"Ab", u"Aber"}), u"Ab\r\nAber");
    EXPECT_EQ(WordListText({}), u"");
}

TEST(WordListText, ReadsBackToTheSameLines) {
    const WordList lists[] = {
        {},
        {u""},
        {u"", u""},
        {u"Ab", u""},
        {u"", u"Ab"},
        {u"Ab", u"", u"Aber", u"Aber"},
        {u"Jonas Weller", u"Größe", u"€ 5"},
    };
    for (const WordList& list : lists) {
        EXPECT_EQ(WordListFromText(WordListText(list)), list) << ToUtf8(WordListText(list));
    }
}

TEST(AppendListText, PutsCrLfBetweenOldAndNewText) {
    // A list ending in a line break gets one empty line before the appended entries.
    EXPECT_EQ(Utf8Lines(WordListFromText(AppendListText(u"Ab\r\nAber\r\n", u"Haus\r\nHof"))),
              (std::vector<std::string>{"Ab", "Aber", "", "Haus", "Hof"}));
    EXPECT_EQ(Utf8Lines(WordListFromText(AppendListText(u"Ab\r\nAber", u"Haus"))),
              (std::vector<std::string>{"Ab", "Aber", "Haus"}));
    EXPECT_EQ(AppendListText(u"", u"Haus"), u"\r\nHaus");
}

TEST_F(WordListFiles, MissingFilesGiveTheBuiltInLists) {
    const WordList negative = LoadNegativeList();
    ASSERT_EQ(negative.size(), 229u);
    EXPECT_EQ(negative, BuiltInNegativeList());
    EXPECT_EQ(negative.front(), u"Ab");
    EXPECT_EQ(negative.back(), u"Zwischendurch");
    EXPECT_EQ(std::count(negative.begin(), negative.end(), u"Dann"), 2);
    EXPECT_EQ(std::count(negative.begin(), negative.end(), u"Die"), 2);
    EXPECT_EQ(LoadPositiveList(), (WordList{u"Jonas Weller"}));
}

TEST_F(WordListFiles, AnExistingEmptyFileGivesAnEmptyList) {
    WriteBytes("neg.txt", "");
    WriteBytes("pos.txt", "");
    EXPECT_TRUE(LoadNegativeList().empty());
    EXPECT_TRUE(LoadPositiveList().empty());
}

TEST_F(WordListFiles, AFolderOfThatNameCountsAsMissing) {
    fs::create_directory(folder_ / "neg.txt");
    EXPECT_EQ(LoadNegativeList().size(), 229u);
}

TEST_F(WordListFiles, ListFilesAreReadInTheirDetectedEncoding) {
    WriteBytes("neg.txt", "Ab\r\nAber\nAch\r\xC3\x84h");  // UTF-8 without signature
    EXPECT_EQ(Utf8Lines(LoadNegativeList()), (std::vector<std::string>{"Ab", "Aber", "Ach", "Äh"}));
    const char utf16[] =
        "\xFF\xFE"
        "J\0\xF6\0\r\0\n\0A\0";  // UTF-16 LE with signature: "Jö", "A"
    WriteBytes("pos.txt", std::string(utf16, sizeof(utf16) - 1));
    EXPECT_EQ(Utf8Lines(LoadPositiveList()), (std::vector<std::string>{"J\xC3\xB6", "A"}));
}

// The lists survive saving in every output encoding and reading back at the next start.
TEST_F(WordListFiles, SavedListsReadBackToTheSameLines) {
    const WordList list = {u"Jonas Weller", u"Größe", u"", u"Äpfel und Birnen", u"€uro", u"ab"};
    struct Case {
        TextEncoding encoding;
        bool signature;
    };
    const Case cases[] = {
        {encoding::kUtf16Be, true}, {encoding::kUtf16Le, true}, {encoding::kUtf7, true},
        {encoding::kUtf8, false},   {encoding::kUtf8Bom, true}, {encoding::kUtf32Le, true},
        {encoding::kUtf32Be, true}, {encoding::kAnsi, false},
    };
    for (const Case& c : cases) {
        OutputSettings settings;
        settings.encoding = c.encoding;
        settings.writeSignature = c.signature;
        SaveWordList(list, PositiveListPath(), settings);
        EXPECT_EQ(Utf8Lines(LoadPositiveList()), Utf8Lines(list)) << "encoding " << c.encoding;
    }
}

TEST_F(WordListFiles, AListEndingInAnEmptyLineKeepsItThroughAFile) {
    const WordList list = {u"Ab", u""};
    SaveWordList(list, NegativeListPath(), OutputSettings{});
    EXPECT_EQ(LoadNegativeList(), list);
}

TEST_F(WordListFiles, AFileThatCannotBeReadKeepsTheBuiltInListAndReportsTheError) {
    WriteBytes("neg.txt", "+/v8\xFF\xFE");  // a UTF-7 signature followed by bytes UTF-7 cannot hold
    std::vector<Text> messages;
    const WordList negative =
        LoadNegativeList([&messages](TextView m) { messages.emplace_back(m); });
    EXPECT_EQ(negative, BuiltInNegativeList());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front(), u"Cannot read file \"" + FromUtf8(std::string(NegativeListPath())) +
                                    u"\". Invalid UTF7");
    EXPECT_THROW(LoadNegativeList(), UserError);
}

TEST_F(WordListFiles, SavingIntoAMissingFolderFailsWithTheFileError) {
    try {
        SaveWordList({u"Ab"}, folder_ / "missing" / "neg.txt", OutputSettings{});
        FAIL() << "no error";
    } catch (const UserError& error) {
        EXPECT_EQ(ToUtf8(error.text()).rfind("Cannot create file \"", 0), 0u)
            << ToUtf8(error.text());
    }
}

TEST_F(WordListFiles, ListPathsLieInTheProgramFolder) {
    EXPECT_EQ(NegativeListPath(), folder_ / "neg.txt");
    EXPECT_EQ(PositiveListPath(), folder_ / "pos.txt");
}

class WordListSorting : public ::testing::Test {
  protected:
    const LocaleCollator collator_{"de_DE"};
};

TEST_F(WordListSorting, SortsIgnoringCaseWithEmptyLinesFirstAndDuplicatesKept) {
    const WordList lines = {u"Zebra", u"", u"apfel", u"Birne",        u"Äpfel", u"Apfel",
                            u"birne", u"", u"Zebra", u"Jonas Weller", u"10",    u"ähnlich"};
    EXPECT_EQ(Utf8Lines(SortWordListLines(lines, collator_)),
              (std::vector<std::string>{"", "", "10", "ähnlich", "apfel", "Apfel", "Äpfel", "Birne",
                                        "birne", "Jonas Weller", "Zebra", "Zebra"}));
}

TEST_F(WordListSorting, KeepsTheOrderOfLinesThatCompareEqual) {
    EXPECT_EQ(SortWordListLines({u"HAUS", u"haus", u"Haus"}, collator_),
              (WordList{u"HAUS", u"haus", u"Haus"}));
    EXPECT_EQ(SortWordListLines({u"haus", u"Haus", u"HAUS"}, collator_),
              (WordList{u"haus", u"Haus", u"HAUS"}));
    EXPECT_TRUE(SortWordListLines({}, collator_).empty());
}

TEST_F(WordListSorting, IndexWordListHoldsEveryEntryOfEveryBucketSorted) {
    IndexStore store;
    EXPECT_TRUE(IndexWordList(store, collator_).empty());
    for (const char16_t* word :
         {u"Zebra", u"Haus", u"Äpfel", u"#Hashtag", u"apfel", u"Über", u"Ufer"}) {
        store.AddReference(word, u"1", u"-", true);
    }
    store.AddReference(u"Haus", u"2", u"-", true);
    EXPECT_EQ(
        Utf8Lines(IndexWordList(store, collator_)),
        (std::vector<std::string>{"#Hashtag", "apfel", "Äpfel", "Haus", "Über", "Ufer", "Zebra"}));
}

TEST_F(WordListSorting, MovingSelectedWordsAppendsThemSortsAndTakesThemOut) {
    WordList indexWords = {u"Apfel", u"Birne", u"Haus", u"Jonas", u"Zebra"};
    WordList toolList = {u"Weller", u"", u"Dach"};
    MoveSelectedWords(indexWords, {false, true, false, true, true}, toolList, collator_);
    EXPECT_EQ(indexWords, (WordList{u"Apfel", u"Haus"}));
    EXPECT_EQ(toolList, (WordList{u"", u"Birne", u"Dach", u"Jonas", u"Weller", u"Zebra"}));

    // Nothing selected still sorts the tool's list; missing flags count as not selected.
    WordList unsorted = {u"b", u"a"};
    MoveSelectedWords(indexWords, {}, unsorted, collator_);
    EXPECT_EQ(indexWords, (WordList{u"Apfel", u"Haus"}));
    EXPECT_EQ(unsorted, (WordList{u"a", u"b"}));
}

}  // namespace
}  // namespace lexorim
