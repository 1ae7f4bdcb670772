#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>

#include "engine/collation.h"
#include "engine/errors.h"
#include "engine/html_cleaning.h"
#include "engine/word_pipeline.h"
#include "generated_documents.h"
#include "keywordindex/keyword_run.h"
#include "keywordindex/keyword_session.h"
#include "temp_folder.h"

namespace lexorim {
namespace {

using testing::TempFolder;

class KeywordRunTest : public ::testing::Test {
  protected:
    SourceDocument Document(const std::string& link, std::string_view text) {
        return {FromUtf8("Name " + link), FromUtf8(link), FromUtf8(folder.write(link, text))};
    }
    Text Run(const std::vector<SourceDocument>& documents) {
        return RunKeywordIndex(
            options, documents,
            {.lists = lists, .collator = collator, .language = Language::German});
    }

    TempFolder folder;
    KeywordOptions options;
    WordLists lists;
    const LocaleCollator collator{"de_DE"};
};

TEST_F(KeywordRunTest, ListsEachDocumentsWordsOnceAndAlphabetically) {
    options.criteria.markCombined = false;
    const Text output = Run({Document("a.html", "<p>Ein Haus und das Haus haus HAUS Zebra</p>"),
                             Document("b.txt", "kam Jonas Weller heute"),
                             {u"Weg", u"weg.txt", FromUtf8(folder.file("weg.txt"))}});
    // The comparison is exact: Haus and HAUS are both listed, in the order the quicksort leaves
    // equal keys.
    EXPECT_EQ(
        output,
        u"a.html: Ein, HAUS, Haus, Zebra\r\n\r\nb.txt: Jonas, Weller\r\n\r\nweg.txt: \r\n\r\n");
    // Combined words are listed with blanks.
    options.criteria.markCombined = true;
    EXPECT_EQ(Run({Document("c.txt", "kam Jonas Weller heute")}), u"c.txt: Jonas Weller\r\n\r\n");
}

TEST_F(KeywordRunTest, WithoutTheDuplicateRuleEveryOccurrenceIsListedInOrder) {
    options.removeDuplicates = false;
    options.alphabetical = false;
    options.criteria.markCombined = false;
    EXPECT_EQ(Run({Document("a.txt", "Haus Garten Haus Haus")}),
              u"a.txt: Haus, Garten, Haus, Haus\r\n\r\n");
}

TEST_F(KeywordRunTest, PositiveListWordsComeFirstAndOnce) {
    options.alphabetical = false;
    options.criteria.usePositiveList = true;
    lists.positive = {u"dr. müller", u"", u"fehlt"};
    EXPECT_EQ(Run({Document("a.txt", "Zebra sah dr. müller und Dr. Müller am Affen")}),
              u"a.txt: dr. müller, Zebra, Affen\r\n\r\n");
}

TEST_F(KeywordRunTest, ARowWithoutFileAndAnEmptyListGiveWhatTheyHave) {
    EXPECT_EQ(Run({}), u"");
}

TEST_F(KeywordRunTest, ReadingOnAllCoresGivesTheSameOutputAsOneThread) {
    std::vector<SourceDocument> documents;
    for (const auto& d : testing::GenerateDocuments(folder, 300, 3))
        documents.push_back({FromUtf8(d.name), FromUtf8(d.link), FromUtf8(d.path)});
    lists.negative = {u"und"};
    lists.positive = {u"Köln"};
    options.criteria.usePositiveList = true;
    // The words of each document as plainly collected: a linear search for duplicates.
    PipelineOptions plainOptions{options.criteria, false};
    const WordPipeline pipeline(plainOptions, lists.negative, lists.positive);
    const std::vector<KeywordDocument> collected = CollectKeywords(
        options, documents, {.lists = lists, .collator = collator, .language = Language::German});
    ASSERT_EQ(collected.size(), documents.size());
    for (size_t i = 0; i < documents.size(); ++i) {
        std::vector<Text> plain;
        if (std::filesystem::exists(ToUtf8(documents[i].source))) {
            const Text text = RemoveHtmlTags(ReadTextFile(ToUtf8(documents[i].source)) + u" ");
            pipeline.FilterPageWords(text, u"", u"", [&plain](TextView word, TextView, TextView) {
                if (std::find(plain.begin(), plain.end(), word) == plain.end())
                    plain.emplace_back(word);
            });
        }
        ASSERT_EQ(collected[i].words, plain) << i;
    }
    for (const bool alphabetical : {true, false}) {
        options.alphabetical = alphabetical;
        options.threads = 1;
        const Text sequential = Run(documents);
        for (const unsigned threads : {2u, 4u}) {
            options.threads = threads;
            EXPECT_EQ(Run(documents), sequential) << threads;
            EXPECT_EQ(Run(documents), sequential);  // a second run does not see the first's words
        }
    }
}

TEST_F(KeywordRunTest, ADocumentThatCannotBeReadEndsTheRunWithItsReason) {
    const SourceDocument broken = Document("b.odt", "PK\x03\x04 not a whole container");
    try {
        Run({Document("a.txt", "Haus"), broken});
        ADD_FAILURE() << "the run went on past a document that cannot be read";
    } catch (const UserError& error) {
        EXPECT_EQ(error.text(), u"Cannot read this document \"" + broken.source +
                                    u"\". The file is damaged or incomplete.");
    }
}

// The status texts come in the language of the run's environment, each with the bar's position.
TEST_F(KeywordRunTest, ReportsItsStatusTextsInTheLanguageOfItsEnvironment) {
    struct Case {
        Language language;
        Text preparing, reading, writing;
    };
    const std::vector<Case> cases = {
        {Language::German, u"Vorbereiten..", u"Datei einlesen: ", u"Index schreiben.."},
        {Language::English, u"Preparing Index..", u"Reading File: ", u"Writing Index.."},
    };
    const std::vector<SourceDocument> documents = {Document("a.txt", "Haus"),
                                                   Document("b.txt", "Garten")};
    for (const Case& c : cases) {
        std::vector<std::pair<Text, int>> reports;
        RunProgress progress;
        progress.report = [&reports](TextView status, int percent) {
            reports.emplace_back(Text(status), percent);
        };
        RunKeywordIndex(
            options, documents,
            {.lists = lists, .collator = collator, .language = c.language, .progress = progress});
        const std::vector<std::pair<Text, int>> expected = {
            {c.preparing, 0},
            {c.reading + documents[0].source, 50},
            {c.reading + documents[1].source, 75},
            {c.writing, 75},
        };
        EXPECT_EQ(reports, expected);
    }
}

TEST_F(KeywordRunTest, ACancelledRunLeavesTheSessionsOutput) {
    KeywordIndexSession session(SourceList("de_DE"));
    AddSourceFile(session.sources(), FromUtf8(folder.write("a.txt", "Haus")), {});
    const Text output =
        session.Run(options, {.lists = lists, .collator = collator, .language = Language::German});
    EXPECT_EQ(output, u"a.txt: Haus\r\n\r\n");
    AddSourceFile(session.sources(), FromUtf8(folder.write("b.txt", "Garten")), {});
    std::atomic<bool> cancel = true;
    RunProgress progress;
    progress.cancel = &cancel;
    EXPECT_THROW(session.Run(options, {.lists = lists,
                                       .collator = collator,
                                       .language = Language::German,
                                       .progress = progress}),
                 RunCancelled);
    EXPECT_EQ(session.output(), output);
    session.Clear();
    EXPECT_TRUE(session.output().empty());
    EXPECT_TRUE(session.sources().empty());
}

}  // namespace
}  // namespace lexorim
