#include <gtest/gtest.h>

#include "engine/collation.h"
#include "textindex/text_index_session.h"

namespace lexorim {
namespace {

class TextIndexSessionTest : public ::testing::Test {
  protected:
    const Text& Run() { return session.Run(options, criteria, {}, collator, Language::German); }

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

}  // namespace
}  // namespace lexorim
