#include "draft/common_words.h"

#include <gtest/gtest.h>

#include <string>

namespace lexorim {
namespace {

std::vector<std::vector<TextView>> Documents(
    const std::vector<std::vector<const char16_t*>>& lists) {
    std::vector<std::vector<TextView>> documents;
    for (const auto& words : lists)
        documents.emplace_back(words.begin(), words.end());
    return documents;
}

TEST(CommonWordsTest, AWordIsCommonFromTheGivenShareOfTheDocumentsWithWords) {
    struct Case {
        const char* what;
        std::vector<std::vector<const char16_t*>> documents;
        int32_t percent;
        std::vector<const char16_t*> common;
        std::vector<const char16_t*> notCommon;
    };
    const std::vector<Case> cases = {
        {"on all three documents",
         {{u"Home", u"Paket"}, {u"Home", u"Netz"}, {u"Home", u"Paket"}},
         80,
         {u"Home"},
         {u"Paket", u"Netz"}},
        {"two documents say nothing", {{u"Home", u"Paket"}, {u"Home", u"Netz"}}, 80, {}, {u"Home"}},
        {"four of five is exactly 80 percent, three of five is not",
         {{u"A", u"B"}, {u"A", u"B"}, {u"A", u"B"}, {u"A"}, {u"C"}},
         80,
         {u"A"},
         {u"B", u"C"}},
        {"case does not matter, and a document's repeats count once",
         {{u"Next", u"Next", u"Solo", u"Solo", u"Solo"}, {u"NEXT"}, {u"next"}},
         100,
         {u"Next", u"NEXT", u"next"},
         {u"Solo"}},
        {"empty documents do not count",
         {{u"Home"}, {}, {u"Home"}, {u"Home"}, {}},
         100,
         {u"Home"},
         {}},
        {"two documents with words among empty ones say nothing",
         {{u"Home"}, {}, {u"Home"}, {}},
         50,
         {},
         {u"Home"}},
        {"a share below 1 is taken as 1 percent",
         {{u"Einmal"}, {u"B"}, {u"C"}},
         0,
         {u"Einmal", u"B", u"C"},
         {}},
        {"a share above 100 is taken as 100 percent",
         {{u"A", u"B"}, {u"A", u"B"}, {u"A"}},
         150,
         {u"A"},
         {u"B"}},
    };
    for (const Case& c : cases) {
        const CommonWords common(Documents(c.documents), c.percent);
        for (const char16_t* word : c.common)
            EXPECT_TRUE(common.Contains(word)) << c.what << ": " << ToUtf8(word);
        for (const char16_t* word : c.notCommon)
            EXPECT_FALSE(common.Contains(word)) << c.what << ": " << ToUtf8(word);
    }
}

TEST(CommonWordsTest, LeavingThemOutKeepsTheOtherWordsInTheirOrder) {
    const CommonWords common(Documents({{u"Home"}, {u"home"}, {u"HOME", u"Paket"}}), 80);
    EXPECT_EQ(common.size(), 1u);
    EXPECT_EQ(WithoutCommonWords({u"Zebra", u"Home", u"Paket", u"HOME", u"Affe"}, common),
              (std::vector<Text>{u"Zebra", u"Paket", u"Affe"}));
    const CommonWords none;
    EXPECT_EQ(WithoutCommonWords({u"Home", u"Paket"}, none),
              (std::vector<Text>{u"Home", u"Paket"}));
}

}  // namespace
}  // namespace lexorim
