// The page options of the clean first draft in the text index run, each also switched off.

#include <gtest/gtest.h>

#include "draft/generated_book.h"
#include "engine/collation.h"
#include "engine/errors.h"
#include "engine/word_pipeline.h"
#include "temp_folder.h"
#include "textfiles/document_fixtures.h"
#include "textindex/text_index_run.h"
#include "textindex/text_index_session.h"
#include "textindex/text_index_source.h"

namespace lexorim {
namespace {

using testing::BookPage;

// A book as a plain text with its page numbers as designations: each page's lines, then the
// line of its label.
struct PlainBook {
    Text text;
    std::vector<Text> designations;
};

PlainBook MakePlainBook(const std::vector<std::pair<Text, BookPage>>& pages) {
    PlainBook book;
    int64_t line = 0;
    for (const auto& [label, lines] : pages) {
        for (const Text& text : lines) {
            book.text += text + u"\r\n";
            ++line;
        }
        book.text += label + u"\r\n";
        book.designations.push_back(label + u" (" + DecimalText(line) + u")");
        ++line;
    }
    return book;
}

std::vector<std::pair<Text, BookPage>> Labelled(const std::vector<BookPage>& pages, int first) {
    std::vector<std::pair<Text, BookPage>> labelled;
    for (const BookPage& page : pages)
        labelled.emplace_back(DecimalText(first++), page);
    return labelled;
}

class DraftPagesTest : public ::testing::Test {
  protected:
    DraftPagesTest() {
        lists.negative = BuiltInNegativeList();
        lists.positive = BuiltInPositiveList();
    }

    Text Run(const PlainBook& book) {
        options.designations = book.designations;
        return RunTextIndex(options, book.text,
                            {.lists = lists, .collator = collator, .language = Language::English})
            .output;
    }

    TextIndexOptions options;
    WordLists lists;
    LocaleCollator collator{"de_DE"};
};

TEST_F(DraftPagesTest, RunningHeadsAndFeetAreLeftOutOfTheWords) {
    const PlainBook book = MakePlainBook(Labelled(testing::BodyPages(), 3));
    const Text plain = Run(book);
    // The heads, feet and page number lines of the plain run, on every page of their parity.
    ASSERT_NE(plain.find(u"Gartenbuch 4, 6, 8, 10"), Text::npos) << ToUtf8(plain);
    ASSERT_NE(plain.find(u"Verlag Gr\u00FCn 4, 6, 8, 10"), Text::npos);
    ASSERT_NE(plain.find(u"Ausgabe 3, 5, 7, 9"), Text::npos);
    ASSERT_NE(plain.find(u"Obstb\u00E4ume 3, 5, 7, 9"), Text::npos);

    options.draft.leaveOutRunningHeads = true;
    const Text draft = Run(book);
    for (const TextView word : {u"Gartenbuch", u"Verlag", u"Ausgabe", u"Kapitel", u"Obstb"})
        EXPECT_EQ(draft.find(word), Text::npos) << ToUtf8(word) << "\n" << ToUtf8(draft);
    EXPECT_EQ(draft,
              u"Index\r\n\r\nA\r\nApfel 3\r\n\r\nB\r\nBaum 3, 4, 5, 6, 7, 8, 9, 10\r\nBirne 4\r\n"
              u"\r\nH\r\nHerbst 3, 4, 5, 6, 7, 8, 9, 10\r\n"
              u"Holunder 9\r\n\r\nK\r\nKirsche 5\r\n\r\nM\r\n"
              u"Mirabelle 8\r\n\r\nP\r\nPflaume 6\r\n\r\nQ\r\nQuitte 7\r\n\r\nS\r\nSchlehe 10\r\n"
              u"Sommer 3, 4, 5, 6, 7, 8, 9, 10\r\n")
        << ToUtf8(draft);
    options.draft.leaveOutRunningHeads = false;
    EXPECT_EQ(Run(book), plain);
}

TEST_F(DraftPagesTest, ContentsAndIndexPagesAreLeftOut) {
    std::vector<std::pair<Text, BookPage>> pages = {{u"i", testing::ContentsPage()}};
    for (auto& page : Labelled(testing::BodyPages(), 3))
        pages.push_back(std::move(page));
    pages.emplace_back(u"11", testing::IndexPage());
    const PlainBook book = MakePlainBook(pages);
    const Text plain = Run(book);
    ASSERT_NE(plain.find(u"Apfel i, 3, 11"), Text::npos) << ToUtf8(plain);
    ASSERT_NE(plain.find(u"Steinobst i"), Text::npos);

    options.draft.leaveOutContentsPages = true;
    const Text draft = Run(book);
    EXPECT_NE(draft.find(u"Apfel 3\r\n"), Text::npos) << ToUtf8(draft);
    for (const TextView word : {u"Steinobst", u"Wildobst", u"Inhalt", u"Register", u"Pflege"})
        EXPECT_EQ(draft.find(word), Text::npos) << ToUtf8(word);
    // The body pages keep their heads: only whole pages go.
    EXPECT_NE(draft.find(u"Gartenbuch 4, 6, 8, 10"), Text::npos);
    options.draft.leaveOutContentsPages = false;
    EXPECT_EQ(Run(book), plain);
}

TEST_F(DraftPagesTest, OnlyThePagesInTheRangeAreRead) {
    std::vector<std::pair<Text, BookPage>> pages = {{u"iii", {u"Vorwort"}}, {u"iv", {u"Dank"}}};
    for (auto& page : Labelled(testing::BodyPages(), 3))
        pages.push_back(std::move(page));
    const PlainBook book = MakePlainBook(pages);
    const Text plain = Run(book);

    options.draft.pageRange = u"iv-x, 4-5, 10";
    const Text draft = Run(book);
    for (const TextView kept : {u"Dank iv", u"Birne 4", u"Kirsche 5", u"Schlehe 10"})
        EXPECT_NE(draft.find(kept), Text::npos) << ToUtf8(kept) << "\n" << ToUtf8(draft);
    for (const TextView left : {u"Vorwort", u"Apfel", u"Pflaume", u"Holunder"})
        EXPECT_EQ(draft.find(left), Text::npos) << ToUtf8(left);

    options.draft.pageRange = u"4-x";
    try {
        Run(book);
        ADD_FAILURE() << "a bad range ran";
    } catch (const UserError& error) {
        EXPECT_NE(error.text().find(u"\"4-x\""), Text::npos) << ToUtf8(error.text());
    }
    options.draft.pageRange.clear();
    EXPECT_EQ(Run(book), plain);
}

// A PDF without page labels whose feet print "iv", "v", "1", "2".
std::string PdfWithPrintedNumbers() {
    return testing::MakePdf({{"Vorwort von Marta", "iv"},
                             {"Dank an Anton", "v"},
                             {"Kapitel Apfel", "1"},
                             {"Kapitel Birne", "2"}});
}

TEST_F(DraftPagesTest, ADocumentWithoutLabelsTakesItsPrintedNumbers) {
    const testing::TempFolder folder;
    const std::string path = folder.write("buch.pdf", PdfWithPrintedNumbers());
    std::vector<Text> messages;
    ReadContext context;
    context.language = Language::English;
    context.showMessage = [&messages](TextView message) { messages.emplace_back(message); };

    const TextIndexSource plain = ReadTextIndexSource(path, context);
    EXPECT_TRUE(messages.empty());
    ASSERT_TRUE(plain.documentDesignations.has_value());
    ASSERT_EQ(plain.documentDesignations->size(), 4u);
    EXPECT_EQ(plain.documentDesignations->front().substr(0, 2), u"1 ");

    DraftOptions draft;
    draft.printedPageNumbers = true;
    const TextIndexSource printed = ReadTextIndexSource(path, context, draft);
    EXPECT_EQ(printed.text, plain.text);
    std::vector<Text> labels;
    for (const Text& item : *printed.documentDesignations)
        labels.push_back(item.substr(0, item.find(u" (")));
    EXPECT_EQ(labels, (std::vector<Text>{u"iv", u"v", u"1", u"2"}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(u"buch.pdf"), Text::npos);
    EXPECT_NE(messages[0].find(u"read on pages 1-4."), Text::npos) << ToUtf8(messages[0]);

    TextIndexSession session;
    session.SetSource(printed);
    const Text output = session.Run(options, {}, {.lists = lists, .collator = collator});
    EXPECT_NE(output.find(u"Apfel 1\r\n"), Text::npos) << ToUtf8(output);
    EXPECT_NE(output.find(u"Marta iv\r\n"), Text::npos);

    // A PDF that labels its pages keeps its labels.
    messages.clear();
    const std::string labelled =
        folder.write("labels.pdf", testing::MakePdf({{"Eins", "iv"}, {"Zwei", "v"}, {"Drei", "1"}},
                                                    "<< /Nums [0 << /S /D /St 7 >>] >>"));
    const TextIndexSource own = ReadTextIndexSource(labelled, context, draft);
    EXPECT_EQ(own.documentDesignations->front().substr(0, 2), u"7 ");
    EXPECT_TRUE(messages.empty());
}

TEST_F(DraftPagesTest, ThePageOffsetAppliesToADocumentsPages) {
    TextIndexSession session;
    session.SetSource(TextIndexSource{u"Vorwort\r\ni\r\nAnton\r\n17\r\nMarta\r\n18",
                                      std::vector<Text>{u"i (1)", u"17 (3)", u"18 (5)"}});
    DesignationCriteria criteria;
    criteria.addValue = true;
    criteria.addNumber = -2;
    const RunEnvironment environment{.lists = lists, .collator = collator};
    const Text plain = session.Run(options, criteria, environment);
    EXPECT_EQ(plain, u"Index\r\n\r\nA\r\nAnton 17\r\n\r\nM\r\nMarta 18\r\n\r\nV\r\nVorwort i\r\n");

    options.draft.offsetForDocuments = true;
    EXPECT_EQ(session.Run(options, criteria, environment),
              u"Index\r\n\r\nA\r\nAnton 15\r\n\r\nM\r\nMarta 16\r\n\r\nV\r\nVorwort i\r\n");
    // Without the offset setting itself there is nothing to add.
    criteria.addValue = false;
    EXPECT_EQ(session.Run(options, criteria, environment), plain);
    // A plain text has had its offset when its page numbers were read out.
    criteria.addValue = true;
    session.SetSourceText(u"Anton\r\n17");
    session.ReadOutDesignations(criteria, false);
    EXPECT_EQ(session.Run(options, criteria, environment), u"Index\r\n\r\nA\r\nAnton 15\r\n");
}

}  // namespace
}  // namespace lexorim
