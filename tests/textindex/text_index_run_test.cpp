#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/collation.h"
#include "engine/word_pipeline.h"
#include "indexing/index_file.h"
#include "indexing/status_texts.h"
#include "temp_folder.h"
#include "textindex/text_index_run.h"

namespace lexorim {
namespace {

class TextIndexRunTest : public ::testing::Test {
  protected:
    TextIndexRunTest() {
        options.lineMode = true;
        lists.negative = BuiltInNegativeList();
        lists.positive = BuiltInPositiveList();
    }

    Text Run(TextView source) {
        TextIndexResult result = RunTextIndex(
            options, source, {.lists = lists, .collator = collator, .language = Language::German});
        store = std::move(result.store);
        return result.output;
    }

    TextIndexOptions options;
    WordLists lists;
    IndexStore store;
    LocaleCollator collator{"de_DE"};
};

TEST_F(TextIndexRunTest, IndexesALineAsAPage) {
    options.multipleCombined = false;
    EXPECT_EQ(Run(u"Der Hund von Jonas Weller bellt.\r\n"),
              u"Index\r\n\r\nH\r\nHund 1\r\n\r\nJ\r\nJonas Weller 1\r\n");
}

TEST_F(TextIndexRunTest, ExpandsCombinedWordsByDefault) {
    EXPECT_EQ(Run(u"Heute kam Jonas Weller.\r\nDann ging Jonas Weller.\r\n"),
              u"Index\r\n\r\nJ\r\nJonas Weller 1, 2\r\nJonas; Jonas Weller 1, 2\r\n"
              u"\r\nW\r\nWeller; Jonas Weller 1, 2\r\n");
}

TEST_F(TextIndexRunTest, CountsPagesFromTheStartPageIncludingEmptyLines) {
    options.firstPage = 5;
    EXPECT_EQ(Run(u"Apfel\r\n\r\nBirne"), u"Index\r\n\r\nA\r\nApfel 5\r\n\r\nB\r\nBirne 7\r\n");
    options.firstPage = -1;
    EXPECT_EQ(Run(u"Apfel\r\nBirne"), u"Index\r\n\r\nA\r\nApfel -1\r\n\r\nB\r\nBirne 0\r\n");
}

TEST_F(TextIndexRunTest, RemovesDuplicatePagesOnRequest) {
    const Text source = u"\r\n\r\nWort und Wort\r\n\r\n\r\n\r\n\r\n\r\nWort";
    EXPECT_EQ(Run(source), u"Index\r\n\r\nW\r\nWort 3, 9\r\n");
    options.removeDuplicates = false;
    EXPECT_EQ(Run(source), u"Index\r\n\r\nW\r\nWort 3, 3, 9\r\n");
}

TEST_F(TextIndexRunTest, KeepsTheFirstSpellingAndFilesUnusualInitials) {
    options.criteria.lowerCaseOut = false;
    options.criteria.numbersOut = false;
    EXPECT_EQ(Run(u"Haus\r\nhaus Äpfel\r\nÉcole 4Wände"),
              u"Index\r\n\r\nA\r\nÄpfel 2\r\n\r\nH\r\nHaus 1, 2\r\n"
              u"\r\n4\r\n4Wände 3\r\n\r\nÉ\r\nÉcole 3\r\n");
}

TEST_F(TextIndexRunTest, DesignWithoutHeadingsHasNoEmptyLines) {
    options.useDesign = true;
    options.design.headings = false;
    options.design.title = u"Register";
    options.design.wordSeparator = u": ";
    options.design.pageSeparator = u" - ";
    EXPECT_EQ(Run(u"Apfel\r\nApfel Birne"), u"Register\r\nApfel: 1 - 2\r\nBirne: 2\r\n");
    options.useDesign = false;
    EXPECT_EQ(Run(u"Apfel"), u"Index\r\n\r\nA\r\nApfel 1\r\n");
}

TEST_F(TextIndexRunTest, ReportsTheStatusTextsAndProgress) {
    std::vector<std::pair<Text, int>> reports;
    RunProgress progress;
    progress.report = [&](TextView status, int percent) { reports.emplace_back(status, percent); };
    RunTextIndex(
        options, u"Apfel\r\nBirne",
        {.lists = lists, .collator = collator, .language = Language::German, .progress = progress});
    const std::vector<std::pair<Text, int>> expected = {{u"Vorbereiten..", 0},
                                                        {u"Seite einlesen: 1", 50},
                                                        {u"Seite einlesen: 2", 75},
                                                        {u"Index aktualisieren..", 75},
                                                        {u"Index schreiben..", 75}};
    EXPECT_EQ(reports, expected);
    EXPECT_EQ(StatusReadingPage(Language::English), u"Reading Page: ");
    EXPECT_EQ(StatusPreparing(Language::English), u"Preparing Index..");
    EXPECT_EQ(StatusRefreshing(Language::English), u"Refreshing Index..");
    EXPECT_EQ(StatusWriting(Language::English), u"Writing Index..");
}

TEST_F(TextIndexRunTest, StopsWhenCancelled) {
    std::atomic<bool> cancel{true};
    RunProgress progress;
    progress.cancel = &cancel;
    EXPECT_THROW(RunTextIndex(options, u"Apfel",
                              {.lists = lists,
                               .collator = collator,
                               .language = Language::German,
                               .progress = progress}),
                 RunCancelled);
}

TEST_F(TextIndexRunTest, DesignationModeUsesThePageNumbersOfTheText) {
    options.lineMode = false;
    const Text source = u"Erster Satz mit Apfel.\r\n1\r\nZweiter Satz mit Birne.\r\n2";
    options.designations = ReadOutDesignations(SplitLines(source), {});
    EXPECT_EQ(Run(source),
              u"Index\r\n\r\nA\r\nApfel 1\r\n\r\nB\r\nBirne 2\r\n\r\n"
              u"E\r\nErster 1\r\n\r\nS\r\nSatz 1, 2\r\n\r\nZ\r\nZweiter 2\r\n");
    options.designations.clear();
    EXPECT_EQ(Run(source), u"Index\r\n");
}

TEST_F(TextIndexRunTest, AnEmptySourceRewritesAnExistingIndex) {
    const testing::TempFolder folder;
    const auto path = folder / "buch.idx";
    {
        std::ofstream file(path, std::ios::binary);
        file << "Apfel:3>-|17>-\r\nJonas Weller:2>-\r\nJonas; Jonas Weller:2>-\r\n"
                "Weller; Jonas Weller:2>-\r\n";
    }
    options.addToExisting = true;
    options.existingIndexPath = path.string();
    const Text expected =
        u"Index\r\n\r\nA\r\nApfel 3, 17\r\n\r\nJ\r\nJonas Weller 2, 5\r\n"
        u"Jonas; Jonas Weller 2, 5\r\n\r\nW\r\nWeller; Jonas Weller 2, 5\r\n";
    EXPECT_EQ(Run(u"\r\n\r\n\r\n\r\nHeute kam Jonas Weller."), expected);
    options.existingIndexPath = (folder / "missing.idx").string();
    EXPECT_EQ(Run(u""), u"Index\r\n");
}

}  // namespace
}  // namespace lexorim
