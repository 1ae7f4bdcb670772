#include <gtest/gtest.h>

#include <unistd.h>
#include <atomic>

#include <cstdlib>
#include <filesystem>

#include "engine/collation.h"
#include "engine/errors.h"
#include "fake_office.h"
#include "fileindex/file_index_run.h"
#include "fileindex/file_index_session.h"
#include "fileindex/file_index_summary.h"
#include "generated_documents.h"
#include "indexing/index_file.h"
#include "indexing/source_list.h"
#include "reference/file_index_reference.h"
#include "temp_folder.h"
#include "textfiles/document_fixtures.h"

namespace lexorim {
namespace {

using testing::TempFolder;

class FileIndexRunTest : public ::testing::Test {
  protected:
    SourceDocument Document(const std::string& name, const std::string& link,
                            std::string_view text) {
        return {FromUtf8(name), FromUtf8(link), FromUtf8(folder.write(link, text))};
    }

    FileIndexResult Run(const std::vector<SourceDocument>& documents,
                        const RunProgress& progress = {}) {
        return RunFileIndex(options, documents,
                            {.lists = lists,
                             .collator = collator,
                             .language = Language::German,
                             .progress = progress});
    }

    TempFolder folder;
    FileIndexOptions options;
    WordLists lists;
    const LocaleCollator collator{"de_DE"};
};

TEST_F(FileIndexRunTest, ListsEachWordWithItsDocumentsInListOrder) {
    options.htmlOutput = false;
    options.criteria.markCombined = false;
    const FileIndexResult result = Run({Document("Angebot", "angebot.html", "<p>Haus Haus</p>"),
                                        Document("Preise", "preise.html", "Haus <b>Garten</b>")});
    ASSERT_EQ(result.store.Bucket(7).size(), 1u);
    EXPECT_EQ(result.store.Bucket(7)[0].references, u"Angebot>angebot.html|Preise>preise.html");
    EXPECT_EQ(result.output,
              u"Index\r\n\r\nG\r\nGarten:    Preise[preise.html]\r\n\r\nH\r\n"
              u"Haus:    Angebot[angebot.html] | Preise[preise.html]\r\n");
}

TEST_F(FileIndexRunTest, DuplicateReferencesFollowTheOption) {
    options.criteria.markCombined = false;
    const SourceDocument a = Document("A", "a.txt", "Haus Haus");
    const SourceDocument again = a;  // two rows naming the same document count as one
    EXPECT_EQ(Run({a, again}).store.Bucket(7)[0].references, u"A>a.txt");
    options.removeDuplicates = false;
    EXPECT_EQ(Run({a, again}).store.Bucket(7)[0].references, u"A>a.txt|A>a.txt|A>a.txt|A>a.txt");
}

TEST_F(FileIndexRunTest, TagNamesAreWordsWhenTagsStay) {
    options.removeHtml = false;
    options.criteria.lowerCaseOut = false;
    const FileIndexResult result = Run({Document("A", "a.html", "<body>Haus</body>")});
    EXPECT_EQ(result.store.Bucket(1).at(0).word, u"body");
}

TEST_F(FileIndexRunTest, MissingFilesBinaryFilesAndFoldersGiveNoWordsButTakeTheirStep) {
    std::vector<std::pair<int, Text>> reports;
    RunProgress progress;
    progress.report = [&reports](TextView status, int percent) {
        reports.emplace_back(percent, Text(status));
    };
    const SourceDocument binary = Document("Bin", "b.bin", std::string("\0\xFF\x01Zahl\0", 8));
    const SourceDocument gone{u"Weg", u"weg.html", FromUtf8(folder.file("weg.html"))};
    const SourceDocument dir{u"Ordner", u"x", FromUtf8(folder.path().string())};
    const FileIndexResult result = Run({binary, gone, dir}, progress);
    EXPECT_EQ(result.store.EntryCount(), 1u);  // "Zahl" from the binary file
    ASSERT_EQ(reports.size(), 6u);
    EXPECT_EQ(reports[0], (std::pair<int, Text>{0, u"Vorbereiten.."}));
    EXPECT_EQ(reports[1].first, 40);  // 100 div (3 + 2) = 20, two steps
    EXPECT_EQ(reports[2].second, u"Datei einlesen: " + gone.source);
    EXPECT_EQ(reports[3].first, 80);
    EXPECT_EQ(reports[4].second, u"Index aktualisieren..");
    EXPECT_EQ(reports[5].second, u"Index schreiben..");

    reports.clear();
    Run({binary}, progress);
    EXPECT_EQ(reports[1].first, 66);  // one row: the bar shows 33, then 66
}

TEST_F(FileIndexRunTest, AddsToAnExistingIndexAndKeepsAmpersandsOfNames) {
    options.htmlOutput = false;
    // A name with its own "&", and a name with a blank, which is a combined key.
    const std::vector<SourceDocument> documents = {
        Document("M\u00FCller & S\u00F6hne", "ueber.html", "kam Jonas Weller"),
        Document("Neue Preise", "preise.html", "Haus")};
    const FileIndexResult first = Run(documents);
    EXPECT_EQ(first.store.Bucket(7).at(0).references, u"Neue Preise>preise.html");
    const std::string idx = SaveFileIndex(first.store, folder.file("meinindex"), OutputSettings{});
    EXPECT_EQ(idx, folder.file("meinindex.idx"));
    EXPECT_EQ(SaveFileIndex(first.store, folder.file("x.idx.txt"), OutputSettings{}),
              folder.file("x.idx.txt"));

    options.addToExisting = true;
    options.existingIndexPath = idx;
    const FileIndexResult again = Run(documents);
    EXPECT_EQ(BuildIndexFileText(again.store), BuildIndexFileText(first.store));
    EXPECT_EQ(again.output, first.output);
    EXPECT_NE(again.output.find(u"Jonas Weller:    M\u00FCller & S\u00F6hne[ueber.html]"),
              Text::npos);
    EXPECT_NE(again.output.find(u"Weller; Jonas Weller:    M\u00FCller & S\u00F6hne[ueber.html]"),
              Text::npos);

    // An empty list shows the index file in the current output kind.
    options.htmlOutput = true;
    const FileIndexResult shown = Run({});
    EXPECT_EQ(BuildIndexFileText(shown.store), BuildIndexFileText(first.store));
    EXPECT_NE(shown.output.find(u"<a href=\"ueber.html\">M&uuml;ller &amp; S&ouml;hne</a>"),
              Text::npos);
}

TEST_F(FileIndexRunTest, ScannedNamesArePlainTextUntilTheHtmlPageIsWritten) {
    const Text start = FromUtf8(
        folder.write("index.html",
                     "<a class=\"reference internal\" href=\"sub/page.html\">\u00DCber uns</a> "
                     "<a href=\"preise.html\">Preise &amp; Angebote</a>"));
    std::filesystem::create_directories(folder.path() / "sub");
    folder.write("sub/page.html", "<p>Haus</p>");
    folder.write("preise.html", "<p>Haus</p>");
    SourceList list("de_DE");
    ASSERT_EQ(ScanDocumentLinks(list, start, SourceOptions{}).added, 2u);
    options.criteria.markCombined = false;

    options.htmlOutput = false;
    const FileIndexResult text = Run(DocumentsOf(list));
    EXPECT_EQ(text.output,
              u"Index\r\n\r\nH\r\nHaus:    Preise & Angebote[preise.html] | "
              u"\u00DCber Uns[sub/page.html]\r\n");
    EXPECT_EQ(BuildIndexFileText(text.store),
              u"Haus:Preise & Angebote>preise.html|\u00DCber Uns>sub/page.html\r\n");

    // The same row of the page as when the name was stored encoded.
    options.htmlOutput = true;
    const FileIndexResult html = Run(DocumentsOf(list));
    EXPECT_NE(html.output.find(u"<div id=\"box\"><div id=\"l\">Haus</div><div id=\"r\">"
                               u"<a href=\"preise.html\">Preise &amp; Angebote</a> | "
                               u"<a href=\"sub/page.html\">&Uuml;ber Uns</a></div></div>\r\n"),
              Text::npos);
}

TEST_F(FileIndexRunTest, IndexFilesWithEncodedNamesLoadAsPlainNames) {
    options.htmlOutput = false;
    options.criteria.markCombined = false;
    options.addToExisting = true;
    // Written while scanned names were stored encoded.
    options.existingIndexPath = folder.write(
        "alt.idx",
        "Haus:&Uuml;ber Uns>ueber.html|A &amp; B>ab.html|a &gt; b>gt.html|&bogus; &#220;>x.html\r\n"
        "Garten:&Uuml;ber Uns>ueber.html\r\n");
    const FileIndexResult result = Run({Document("\u00DCber Uns", "ueber.html", "Haus Zaun")});
    EXPECT_EQ(result.output,
              u"Index\r\n\r\nG\r\nGarten:    \u00DCber Uns[ueber.html]\r\n\r\nH\r\n"
              u"Haus:    \u00DCber Uns[ueber.html] | A & B[ab.html] | a \u203A b[gt.html] | "
              u"&bogus; \u00DC[x.html]\r\n\r\nZ\r\nZaun:    \u00DCber Uns[ueber.html]\r\n");
    // Saved again, the names are plain text.
    EXPECT_TRUE(BuildIndexFileText(result.store)
                    .starts_with(u"Garten:\u00DCber Uns>ueber.html\r\nHaus:\u00DCber Uns>"));
}

TEST_F(FileIndexRunTest, ReadingOnAllCoresGivesTheSameResultAsThePlainRun) {
    const std::vector<testing::GeneratedDocument> generated =
        testing::GenerateDocuments(folder, 300, 7);
    std::vector<SourceDocument> documents;
    for (const auto& d : generated)
        documents.push_back({FromUtf8(d.name), FromUtf8(d.link), FromUtf8(d.path)});
    documents.push_back({u"Gr\u00FC\u00DFe & Co", u"a b.html", documents[5].source});
    lists.negative = {u"und", u"der"};
    lists.positive = {u"Dr. Müller", u"Köln"};
    options.criteria.usePositiveList = true;
    // An existing index with a name that holds "&" and a blank.
    options.existingIndexPath = folder.write("alt.idx", "Haus:&Uuml;ber Uns>ueber.html\r\n");
    for (const bool html : {true, false}) {
        for (const bool multiple : {true, false}) {
            for (const bool duplicates : {true, false}) {
                options.htmlOutput = html;
                options.multipleCombined = multiple;
                options.removeDuplicates = duplicates;
                options.addToExisting = multiple;
                const FileIndexResult plain =
                    reference::RunFileIndex(options, documents, lists, collator, Language::German);
                ASSERT_GT(plain.store.EntryCount(), 10u);
                for (const unsigned threads : {1u, 2u, 4u}) {
                    options.threads = threads;
                    const FileIndexResult fast = Run(documents);
                    ASSERT_EQ(fast.output, plain.output)
                        << html << multiple << duplicates << threads;
                    ASSERT_EQ(BuildIndexFileText(fast.store), BuildIndexFileText(plain.store));
                }
            }
        }
    }
}

TEST_F(FileIndexRunTest, ACancelledRunOrAFailedReadLeavesTheSessionsResult) {
    FileIndexSession session(SourceList("de_DE"));
    AddSourceFile(session.sources(), FromUtf8(folder.write("a.txt", "Haus")), {});
    const Text output =
        session.Run(options, {.lists = lists, .collator = collator, .language = Language::German});
    ASSERT_FALSE(session.store().Empty());

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
    EXPECT_EQ(session.store().EntryCount(), 1u);

    // A document that cannot be read: a UTF-7 file that breaks the rules.
    AddSourceFile(session.sources(), FromUtf8(folder.write("c.txt", "+/v8-Zaun\xFF")), {});
    EXPECT_THROW(
        session.Run(options, {.lists = lists, .collator = collator, .language = Language::German}),
        UserError);
    EXPECT_EQ(session.output(), output);
    EXPECT_EQ(session.store().EntryCount(), 1u);
    session.sources().DeleteRows({2});
    options.addToExisting = true;
    options.existingIndexPath = folder.path().string();  // a folder loads nothing
    session.Run(options, {.lists = lists, .collator = collator, .language = Language::German});
    EXPECT_EQ(session.store().EntryCount(), 2u);

    session.Clear();
    EXPECT_TRUE(session.sources().empty());
    EXPECT_TRUE(session.store().Empty());
    EXPECT_TRUE(session.output().empty());
}

TEST_F(FileIndexRunTest, ADocumentThatCannotBeReadEndsTheRunWithItsReason) {
    options.criteria.markCombined = false;
    const SourceDocument good = Document("A", "a.txt", "Haus");
    const SourceDocument broken = Document("B", "b.docx", "PK\x03\x04 not a whole container");
    try {
        Run({good, broken});
        ADD_FAILURE() << "the run went on past a document that cannot be read";
    } catch (const UserError& error) {
        EXPECT_EQ(error.text(), u"Cannot read this document \"" + broken.source +
                                    u"\". The file is damaged or incomplete.");
    }
}

TEST_F(FileIndexRunTest, ADocumentWithoutItsReaderIsEmptyOnceTheMessageIsShown) {
    options.criteria.markCombined = false;
    const char* saved = std::getenv("PATH");
    const std::string savedPath = saved != nullptr ? saved : "";
    const std::string emptyBin = folder.file("empty-bin");
    std::filesystem::create_directory(emptyBin);
    ::setenv("PATH", emptyBin.c_str(), 1);  // neither LibreOffice nor antiword
    const SourceDocument doc = Document("Alt", "alt.doc", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 Zebra");
    const SourceDocument good = Document("A", "a.txt", "Haus");
    std::vector<Text> messages;
    ReadContext context;
    context.language = Language::English;
    context.showMessage = [&messages](TextView message) { messages.emplace_back(message); };
    const FileIndexResult result =
        RunFileIndex(options, {doc, good},
                     {.lists = lists, .collator = collator, .language = Language::German}, context);
    // Nobody to show the message to: the missing reader is an error like any other.
    EXPECT_THROW(Run({doc, good}), UserError);
    ::setenv("PATH", savedPath.c_str(), 1);
    EXPECT_EQ(messages, std::vector<Text>{u"Action canceled. Microsoft Word® was not found."});
    EXPECT_EQ(result.store.EntryCount(), 1u);
    EXPECT_EQ(result.store.Bucket(7).at(0).references, u"A>a.txt");
}

// The documents that go through the layout are laid out by one start of the office program
// before they are read, with the index the plain run makes laying out each alone; the document
// the layout fails for ends the run with its own error.
TEST_F(FileIndexRunTest, DocumentsOfARunAreLaidOutTogetherWithTheResultOfEachAlone) {
    const testing::FakeOffice office(folder);
    const testing::ScopedEnvironment program("LEXORIM_SOFFICE", office.path());
    const std::string first = folder.write("first.pdf", testing::MakePdf({{"Haus Garten"}}));
    const std::string second = folder.write("second.pdf", testing::MakePdf({{"Zaun"}, {"Haus"}}));
    std::filesystem::create_directory(folder.path() / "zwei");
    std::vector<SourceDocument> documents = {
        Document("Eins", "brief.rtf", testing::FakeOffice::Source(first)),
        Document("Zwei", "zwei/brief.rtf", testing::FakeOffice::Source(second)),
        Document("Text", "a.txt", "Haus Zaun"),
        Document("Drei", "drei.rtf", testing::FakeOffice::Source(first)),
    };
    for (const bool html : {true, false}) {
        options.htmlOutput = html;
        const size_t startsBefore = office.starts();
        const FileIndexResult plain =
            reference::RunFileIndex(options, documents, lists, collator, Language::German);
        EXPECT_EQ(office.starts() - startsBefore, 3u);
        EXPECT_EQ(Run(documents).output, plain.output);
        EXPECT_EQ(office.starts() - startsBefore, 4u);
    }
    documents.insert(documents.begin() + 1,
                     Document("Kaputt", "kaputt.rtf", testing::FakeOffice::Source("")));
    try {
        Run(documents);
        ADD_FAILURE() << "no error";
    } catch (const UserError& error) {
        EXPECT_NE(std::string(error.what()).find("kaputt.rtf\". LibreOffice wrote no pages."),
                  std::string::npos)
            << error.what();
    }
}

TEST(FileIndexSummaryTest, ListsTheChosenOptionsInTheInterfaceLanguage) {
    FileIndexSummaryInput input;
    EXPECT_EQ(FileIndexSummary(input, Language::German),
              u"Suchkriterien\r\n"
              u" - Worte mit kleinen Buchstaben werden aussortiert\r\n"
              u" - Zahlen werden aussortiert\r\n"
              u" - HTML Tags werden entfernt\r\n"
              u" - Worte aus Negativliste werden aussortiert\r\n"
              u" - Minimale Wortlänge: 3\r\n"
              u"\r\nIndex\r\n"
              u" - Doppelte Seitenangaben werden aussortiert\r\n"
              u" - Zusammenhänge Wörter werden zusammen in den Index aufgenommen\r\n"
              u" - Zusammenhänge Wörter werden mehrfach in den Index aufgenommen\r\n"
              u"\r\nDesign\r\n"
              u" - Design: HTML Index\r\n"
              u" - Standardesign wird verwendet\r\n"
              u"\r\n\r\nKlicken Sie auf \"Index erstellen\", um den Index mit diesen Vorgaben zu "
              u"schreiben.");
    input.options.addToExisting = true;
    input.options.htmlOutput = false;
    input.options.useDesign = true;
    input.existingIndexCaption = u"/tmp/x.idx";
    const Text english = FileIndexSummary(input, Language::English);
    EXPECT_NE(english.find(u" - Items will be added to Existing Index\r\n   File: /tmp/x.idx\r\n"),
              Text::npos);
    EXPECT_NE(english.find(u" - Design: Text Index\r\n - User Defined Design\r\n\r\n\r\nClick on"),
              Text::npos);
}

}  // namespace
}  // namespace lexorim
