#include "draft/keyword_relevance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace lexorim {
namespace {

using Lists = std::vector<std::vector<Text>>;

std::vector<Text> WordsOf(const std::vector<ScoredWord>& scored) {
    std::vector<Text> words;
    for (const ScoredWord& s : scored)
        words.push_back(s.word);
    return words;
}

TEST(KeywordRelevanceTest, ScoresAreBm25AgainstTheWholeList) {
    // Two documents of 3 and 1 words: the average length is 2, so the first document's length
    // normalisation is 1.2 * (0.25 + 0.75 * 1.5) = 1.65.
    const auto scored = ScoreDocumentWords({{u"Apt", u"Apt", u"Debian"}, {u"Debian"}});
    ASSERT_EQ(scored.size(), 2u);
    ASSERT_EQ(WordsOf(scored[0]), (std::vector<Text>{u"Apt", u"Debian"}));
    // Apt: idf ln(1 + 1.5 / 1.5), tf 2; Debian: idf ln(1 + 0.5 / 2.5), tf 1.
    EXPECT_NEAR(scored[0][0].score, std::log(2.0) * 2 * 2.2 / (2 + 1.65), 1e-12);
    EXPECT_NEAR(scored[0][1].score, std::log(1.2) * 2.2 / (1 + 1.65), 1e-12);
    // A word on every document still scores above zero.
    ASSERT_EQ(scored[1].size(), 1u);
    EXPECT_GT(scored[1][0].score, 0.0);
}

TEST(KeywordRelevanceTest, ARareWordOutranksARepeatedWordOfEveryDocument) {
    const Lists documents = {
        {u"Debian", u"Debian", u"Debian", u"Debian", u"Debian", u"Paket"},
        {u"Debian", u"Debian", u"Netzwerk"},
        {u"Debian", u"Drucker", u"Debian"},
    };
    const auto scored = ScoreDocumentWords(documents);
    EXPECT_EQ(WordsOf(scored[0]), (std::vector<Text>{u"Paket", u"Debian"}));
    EXPECT_EQ(WordsOf(scored[1]), (std::vector<Text>{u"Netzwerk", u"Debian"}));
    EXPECT_EQ(WordsOf(scored[2]), (std::vector<Text>{u"Drucker", u"Debian"}));
}

TEST(KeywordRelevanceTest, EqualScoresKeepTheOrderOfFirstAppearanceAndWordsCompareExactly) {
    const auto scored = ScoreDocumentWords({{u"Zebra", u"Haus", u"HAUS", u"Affe", u"Haus"}});
    EXPECT_EQ(WordsOf(scored[0]), (std::vector<Text>{u"Haus", u"Zebra", u"HAUS", u"Affe"}));
}

TEST(KeywordRelevanceTest, KeepsTheBestWordsInTheirOrderWithOrWithoutRepeats) {
    struct Case {
        int32_t count;
        bool removeDuplicates;
        std::vector<Text> kept;
    };
    // Kernel stands three times and only here, Modul twice, Debian on both documents.
    const Lists documents = {
        {u"Debian", u"Modul", u"Kernel", u"Debian", u"Kernel", u"Modul", u"Kernel"},
        {u"Debian", u"Drucker"},
    };
    const std::vector<Case> cases = {
        {1, true, {u"Kernel"}},
        {2, true, {u"Modul", u"Kernel"}},
        {2, false, {u"Modul", u"Kernel", u"Kernel", u"Modul", u"Kernel"}},
        {3, true, {u"Debian", u"Modul", u"Kernel"}},
        {15, true, {u"Debian", u"Modul", u"Kernel"}},
        {0, true, {u"Kernel"}},  // at least one word
    };
    for (const Case& c : cases) {
        Lists lists = documents;
        KeepMostCharacteristicWords(lists, c.count, c.removeDuplicates);
        EXPECT_EQ(lists[0], c.kept) << c.count << " " << c.removeDuplicates;
        EXPECT_EQ(lists[1].size(), std::min<size_t>(2, std::max(1, c.count)));
    }
}

TEST(KeywordRelevanceTest, CommonWordsLeaveBeforeTheRanking) {
    const Lists documents = {
        {u"Home", u"Home", u"Home", u"Paket", u"Netz"},
        {u"Home", u"Home", u"Drucker"},
        {u"Home", u"Kernel", u"Kernel"},
    };
    DraftOptions draft;
    draft.keywordCount = 2;
    draft.commonWordPercent = 80;
    struct Case {
        bool rank;
        bool common;
        Lists expected;
    };
    const std::vector<Case> cases = {
        {false, false, documents},
        {false, true, {{u"Paket", u"Netz"}, {u"Drucker"}, {u"Kernel", u"Kernel"}}},
        // Home, the first document's most frequent word, ranks below its words of its own, and
        // the other two keep it beside their own word only while it is not left out.
        {true, false, {{u"Paket", u"Netz"}, {u"Home", u"Drucker"}, {u"Home", u"Kernel"}}},
        {true, true, {{u"Paket", u"Netz"}, {u"Drucker"}, {u"Kernel"}}},
    };
    for (const Case& c : cases) {
        draft.rankKeywords = c.rank;
        draft.leaveOutCommonWords = c.common;
        Lists lists = documents;
        CleanKeywordLists(lists, draft, true);
        EXPECT_EQ(lists, c.expected) << c.rank << " " << c.common;
    }
}

}  // namespace
}  // namespace lexorim
