#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>

#include "engine/collation.h"
#include "engine/errors.h"
#include "temp_folder.h"
#include "textindex/text_index_session.h"
#include "textindex/text_index_source.h"

namespace lexorim {
namespace {

class TextIndexSessionTest : public ::testing::Test {
  protected:
    const Text& Run() {
        return session.Run(
            options, criteria,
            {.lists = WordLists{}, .collator = collator, .language = Language::German});
    }

    TextIndexSession session;
    TextIndexOptions options;
    DesignationCriteria criteria;
    const LocaleCollator collator{"de_DE"};
};

TEST_F(TextIndexSessionTest, ReadsStaleDesignationsBeforeARun) {
    session.SetSourceText(u"Apfel\r\n1\r\nBirne\r\n2");
    EXPECT_FALSE(session.designationsCurrent());
    EXPECT_EQ(Run(), u"Index\r\n\r\nA\r\nApfel 1\r\n\r\nB\r\nBirne 2\r\n");
    EXPECT_TRUE(session.designationsCurrent());
    EXPECT_EQ(session.designations(), (std::vector<Text>{u"1 (1)", u"2 (3)"}));
}

TEST_F(TextIndexSessionTest, KeepsEditedDesignationsUntilTheSourceChanges) {
    session.SetSourceText(u"Apfel\r\n1\r\nBirne\r\n2");
    session.RefreshDesignationsIfStale(criteria, false);
    session.ReplaceDesignations({u"B (3)", u"A (1)", u"kaputt"});
    EXPECT_EQ(session.designations(), (std::vector<Text>{u"A (1)", u"B (3)"}));
    session.RefreshDesignationsIfStale(criteria, false);  // current: the edit stays
    EXPECT_EQ(Run(), u"Index\r\n\r\nA\r\nApfel A\r\n\r\nB\r\nBirne B\r\n");

    session.RemoveDesignations({0, 7});
    EXPECT_EQ(session.designations(), (std::vector<Text>{u"B (3)"}));

    session.SetSourceText(u"Kirsche\r\n5");
    session.RefreshDesignationsIfStale(criteria, false);
    EXPECT_EQ(session.designations(), (std::vector<Text>{u"5 (1)"}));
}

TEST_F(TextIndexSessionTest, ARunWithAnEditedEmptyListHasNoPages) {
    session.SetSourceText(u"Apfel\r\n1");
    session.RefreshDesignationsIfStale(criteria, false);
    session.RemoveDesignations({0});
    EXPECT_EQ(Run(), u"Index\r\n");
}

TEST_F(TextIndexSessionTest, NewEmptiesEverything) {
    options.lineMode = true;
    session.SetSourceText(u"Apfel");
    Run();
    EXPECT_FALSE(session.store().Empty());
    session.Clear();
    EXPECT_TRUE(session.store().Empty());
    EXPECT_TRUE(session.sourceText().empty());
    EXPECT_TRUE(session.output().empty());
}

TEST_F(TextIndexSessionTest, ACancelledRunOrAFailedLoadLeavesTheLastResult) {
    options.lineMode = true;
    session.SetSourceText(u"Apfel\r\nBirne");
    const Text output = Run();
    const size_t entries = session.store().EntryCount();

    session.SetSourceText(u"Kirsche");
    std::atomic<bool> cancel{true};
    RunProgress progress;
    progress.cancel = &cancel;
    EXPECT_THROW(session.Run(options, criteria,
                             {.lists = WordLists{},
                              .collator = collator,
                              .language = Language::German,
                              .progress = progress}),
                 RunCancelled);
    EXPECT_EQ(session.output(), output);
    EXPECT_EQ(session.store().EntryCount(), entries);

    // An existing index that cannot be read: a UTF-7 file that breaks the rules.
    const testing::TempFolder folder;
    options.addToExisting = true;
    options.existingIndexPath = folder.write("alt.idx", "+/v8-Haus:1>-\xFF");
    EXPECT_THROW(Run(), UserError);
    EXPECT_EQ(session.output(), output);
    EXPECT_EQ(session.store().EntryCount(), entries);
}

TEST_F(TextIndexSessionTest, ADocumentsOwnPagesAreItsDesignations) {
    session.SetSource(TextIndexSource{u"Apfel\r\n1\r\nBirne", std::vector<Text>{u"7 (0)"}});
    EXPECT_TRUE(session.designationsCurrent());
    EXPECT_EQ(Run(), u"Index\r\n\r\nA\r\nApfel 7\r\n");  // not the "1" found in the text
    session.SetSource(TextIndexSourceFromText(u"Apfel\r\n1\r\nBirne"));
    EXPECT_FALSE(session.designationsCurrent());
    session.RefreshDesignationsIfStale(criteria, false);
    EXPECT_EQ(session.designations(), (std::vector<Text>{u"1 (1)"}));
}

// A document is cut at its own pages: its page number lines follow their pages, so neither the
// position of page numbers in a plain text nor the read-out criteria may move a locator.
TEST_F(TextIndexSessionTest, TheRulesForNumberLinesInAPlainTextLeaveADocumentAlone) {
    const Text text = u"Vorwort von Marta\r\ni\r\nAnton baut\r\n17\r\nMarta und Anton\r\n18";
    const std::vector<Text> pages{u"i (1)", u"17 (3)", u"18 (5)"};
    const Text expected =
        u"Index\r\n\r\nA\r\nAnton 17, 18\r\n\r\nM\r\nMarta i, 18\r\n"
        u"\r\nV\r\nVorwort i\r\n";
    session.SetSource(TextIndexSource{text, pages});
    ASSERT_EQ(Run(), expected);

    options.designationsAbove = true;
    criteria.above = true;
    criteria.addValue = true;
    criteria.addNumber = 5;
    criteria.maxLength = 1;
    EXPECT_EQ(Run(), expected);
    // "Auslesen" and a changed criterion give the document's pages again, not lines of its text.
    session.ReadOutDesignations(criteria, false);
    EXPECT_EQ(session.designations(), pages);
    EXPECT_EQ(Run(), expected);

    // The same text typed in is a plain text again, where the rules hold: page numbers above
    // their pages.
    session.SetSourceText(text);
    EXPECT_FALSE(session.sourceIsDocument());
    session.ReadOutDesignations(DesignationCriteria{}, false);
    EXPECT_EQ(session.designations(), (std::vector<Text>{u"17 (3)", u"18 (5)"}));
    EXPECT_EQ(Run(), u"Index\r\n\r\nA\r\nAnton 17\r\n\r\nM\r\nMarta 17\r\n");
}

TEST(DroppedSourcePathTest, TheFirstExistingFileIsTheSourceFoldersAndMissingPathsArePassedOver) {
    testing::TempFolder folder;
    const std::string first = folder.write("eins.txt", "Apfel");
    const std::string second = folder.write("zwei.txt", "Birne");
    const std::string missing = (folder.path() / "fehlt.txt").string();
    const std::string subfolder = (folder.path() / "ordner").string();
    std::filesystem::create_directory(subfolder);

    EXPECT_EQ(DroppedSourcePath({subfolder, missing, first, second}), first);
    EXPECT_EQ(DroppedSourcePath({second, first}), second);
    EXPECT_EQ(DroppedSourcePath({subfolder, missing, ""}), std::nullopt);
    EXPECT_EQ(DroppedSourcePath({}), std::nullopt);
}

}  // namespace
}  // namespace lexorim
