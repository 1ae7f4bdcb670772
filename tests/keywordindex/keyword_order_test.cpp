#include <gtest/gtest.h>

#include <random>

#include "keywordindex/keyword_order.h"
#include "reference/keyword_sort_reference.h"

namespace lexorim {
namespace {

TEST(KeywordSortKeyTest, SpellsOutUmlautsAndSharpS) {
    EXPECT_EQ(KeywordSortKey(u"Äpfel"), u"AEPFEL");
    EXPECT_EQ(KeywordSortKey(u"Straße"), KeywordSortKey(u"Strasse"));
    EXPECT_EQ(KeywordSortKey(u"garçon"), u"GARCON");
    EXPECT_EQ(KeywordSortKey(u"öl über"), u"OEL UEBER");
}

TEST(SortKeywordsTest, OrdersByKeyWithDigitsFirstAndOtherAccentsLast) {
    std::vector<Text> words = {u"zebra", u"Äpfel", u"Affe", u"10"};
    SortKeywords(words);
    EXPECT_EQ(words, (std::vector<Text>{u"10", u"Äpfel", u"Affe", u"zebra"}));
    words = {u"Éclair", u"Zebra", u"Adler", u"Äpfel"};
    SortKeywords(words);
    EXPECT_EQ(words, (std::vector<Text>{u"Adler", u"Äpfel", u"Zebra", u"Éclair"}));
}

TEST(SortKeywordsTest, EqualKeysEndUpAsThePlainQuicksortLeavesThem) {
    static const Text kPool[] = {u"Haus", u"haus", u"HAUS", u"Straße", u"Strasse", u"STRASSE",
                                 u"a",    u"A",    u"Ä",    u"ae",     u"10",      u"É"};
    std::mt19937 random(11);
    for (int round = 0; round < 2000; ++round) {
        std::vector<Text> words(random() % 40);
        for (Text& word : words)
            word = kPool[random() % std::size(kPool)];
        std::vector<Text> expected = words;
        reference::SortKeywords(expected);
        SortKeywords(words);
        ASSERT_EQ(words, expected) << "round " << round;
    }
    // A long list of one key does not run deep.
    std::vector<Text> many(200000, u"gleich");
    SortKeywords(many);
    EXPECT_EQ(many.size(), 200000u);
}

}  // namespace
}  // namespace lexorim
