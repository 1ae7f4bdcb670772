#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "draft/draft_pipeline.h"
#include "draft/stop_words.h"
#include "draft_test_helpers.h"

namespace lexorim {
namespace {

using draft_test::EntriesOf;
using draft_test::IndexOf;
using ::testing::ElementsAre;

constexpr TextView kEnglishBook =
    u"The Debian system keeps its Packages. Table 4 lists them.\r\n"
    u"Note: These Packages and This Archive. See Chapter 2.\r\n"
    u"Absolutely No Warranty is given.\r\n";

constexpr TextView kGermanBook =
    u"Die Pakete werden von Debian verwaltet. Tabelle 4 zeigt sie.\r\n"
    u"Hinweis: Diese Pakete stehen im Archiv. Siehe Kapitel 2.\r\n";

DraftOptions StopWords(std::string language = "auto") {
    DraftOptions draft;
    draft.languageStopWords = true;
    draft.language = std::move(language);
    return draft;
}

TEST(DraftStopWordsTest, ListsTheLanguageAndTheCaptionsOfBothLanguages) {
    const std::vector<Text>& english = DraftStopWords("en");
    const std::vector<Text>& german = DraftStopWords("de");
    for (const TextView word : {u"The", u"These", u"Table", u"Tabelle", u"Note", u"Hinweis"})
        EXPECT_NE(std::find(english.begin(), english.end(), word), english.end()) << ToUtf8(word);
    for (const TextView word : {u"Diese", u"Siehe", u"Tabelle", u"Table", u"Kapitel"})
        EXPECT_NE(std::find(german.begin(), german.end(), word), german.end()) << ToUtf8(word);
    EXPECT_TRUE(HasOwnStopWords("de"));
    EXPECT_FALSE(HasOwnStopWords("fr"));
    // Another language keeps the caption words only.
    EXPECT_EQ(std::find(DraftStopWords("fr").begin(), DraftStopWords("fr").end(), Text(u"The")),
              DraftStopWords("fr").end());
    EXPECT_NE(std::find(DraftStopWords("fr").begin(), DraftStopWords("fr").end(), Text(u"Table")),
              DraftStopWords("fr").end());
}

TEST(DraftStopWordsTest, LeavesOutTheEnglishStopAndCaptionWordsOfAnEnglishBook) {
    EXPECT_THAT(
        EntriesOf(IndexOf(kEnglishBook, {})),
        ElementsAre(u"Absolutely 3", u"Debian 1", u"Note 2", u"Packages 1", u"See Chapter 2",
                    u"Table 1", u"The 1", u"These Packages 2", u"This Archive 2", u"Warranty 3"));
    EXPECT_THAT(
        EntriesOf(IndexOf(kEnglishBook, StopWords())),
        ElementsAre(u"Absolutely 3", u"Archive 2", u"Debian 1", u"Packages 1, 2", u"Warranty 3"));
}

TEST(DraftStopWordsTest, LeavesOutTheGermanStopWordsOfAGermanBookBesideTheUsersList) {
    // With an empty list of the user's own, the German draft list does the work alone.
    EXPECT_THAT(EntriesOf(IndexOf(kGermanBook, StopWords(), {}, {})),
                ElementsAre(u"Archiv 2", u"Debian 1", u"Pakete 1, 2"));
    // The user's list still applies beside it.
    EXPECT_THAT(EntriesOf(IndexOf(kGermanBook, StopWords(), {}, {u"Archiv"})),
                ElementsAre(u"Debian 1", u"Pakete 1, 2"));
    // Off, the book's index is as without a draft.
    DraftOptions off = StopWords();
    off.languageStopWords = false;
    EXPECT_EQ(IndexOf(kGermanBook, off, {}, {}), IndexOf(kGermanBook, {}, {}, {}));
}

TEST(DraftStopWordsTest, TheSetLanguageWinsOverTheGuess) {
    // The German list on an English book leaves the English stop words in.
    const std::vector<Text> entries = EntriesOf(IndexOf(kEnglishBook, StopWords("de")));
    EXPECT_NE(std::find(entries.begin(), entries.end(), Text(u"The 1")), entries.end());
    EXPECT_EQ(std::find(entries.begin(), entries.end(), Text(u"Table 1")), entries.end());
}

TEST(DraftStopWordsTest, AppliesEvenWhenTheUsersListIsSwitchedOff) {
    WordCriteria criteria;
    criteria.useNegativeList = false;
    EXPECT_THAT(EntriesOf(IndexOf(kGermanBook, StopWords(), criteria, {u"Debian"})),
                ElementsAre(u"Archiv 2", u"Debian 1", u"Pakete 1, 2"));
}

TEST(DraftStopWordsTest, KeepsShortAndStopWordsInsideNamesOnRequest) {
    const Text book = u"Here is Absolutely No Warranty and The Debian Project.\r\n";
    struct Case {
        bool stopWords;
        bool keepInNames;
        std::vector<Text> entries;
    };
    const std::vector<Case> cases = {
        {false, false, {u"Absolutely Warranty 1", u"Here 1", u"The Debian Project 1"}},
        {false, true, {u"Absolutely No Warranty 1", u"Here 1", u"The Debian Project 1"}},
        {true, false, {u"Absolutely 1", u"Debian Project 1", u"Warranty 1"}},
        // "The" opens the name and is no part inside it, so it goes.
        {true, true, {u"Absolutely No Warranty 1", u"Debian Project 1"}},
    };
    // Neither a dash nor a double blank nor a number leaves an empty part in a name, and a short
    // word that opens a name goes as before.
    DraftOptions keep;
    keep.keepShortWordsInNames = true;
    EXPECT_EQ(EntriesOf(IndexOf(
                  u"See Thunar - Custom  Actions of Wichert Akkerman May 1999 and A Debian Package",
                  keep)),
              EntriesOf(IndexOf(
                  u"See Thunar Custom Actions of Wichert Akkerman May and Debian Package", keep)));
    for (const Case& c : cases) {
        DraftOptions draft = StopWords("en");
        draft.languageStopWords = c.stopWords;
        draft.keepShortWordsInNames = c.keepInNames;
        EXPECT_EQ(EntriesOf(IndexOf(book, draft)), c.entries)
            << c.stopWords << " " << c.keepInNames;
    }
}

TEST(DraftStopWordsTest, AShortWordKeptInANameHeadsNoExpansionLine) {
    DraftOptions keep;
    keep.keepShortWordsInNames = true;
    TextIndexOptions options;
    options.lineMode = true;
    options.draft = keep;
    WordLists lists;
    const LocaleCollator collator("de_DE");
    const Text index =
        RunTextIndex(options, u"Here is Absolutely No Warranty.",
                     {.lists = lists, .collator = collator, .language = Language::German})
            .output;
    EXPECT_THAT(EntriesOf(index),
                ElementsAre(u"Absolutely No Warranty 1", u"Absolutely; Absolutely No Warranty 1",
                            u"Here 1", u"Warranty; Absolutely No Warranty 1"));
}

TEST(DraftStopWordsTest, ADocumentRunTakesEachDocumentsLanguage) {
    PipelineOptions options;
    WordLists lists;
    const DraftPipelines pipelines(StopWords(), options, lists);
    const auto words = [&](TextView text) {
        std::vector<Text> found;
        pipelines.For(text).FilterPageWords(
            text, u"k", u"t", [&](TextView word, TextView, TextView) { found.emplace_back(word); });
        return found;
    };
    EXPECT_THAT(words(Text(kEnglishBook) + Text(kEnglishBook)),
                ::testing::Not(::testing::Contains(u"The")));
    const Text german = Text(kGermanBook) + Text(kGermanBook);
    const std::vector<Text> germanWords = words(german);
    EXPECT_THAT(germanWords, ::testing::Not(::testing::Contains(u"Diese")));
    EXPECT_THAT(germanWords, ::testing::Contains(u"Pakete"));
    // Without the option every document goes through the plain pipeline.
    const DraftPipelines plain({}, options, lists);
    EXPECT_EQ(&plain.For(german), &plain.For(kEnglishBook));
}

}  // namespace
}  // namespace lexorim
