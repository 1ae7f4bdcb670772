#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/flat_text_map.h"

namespace lexorim {
namespace {

// The map against std::map on many keys: it grows several times, and keys that share their
// beginnings, their lengths or differ only in case stay apart.
TEST(FlatTextMapTest, AgreesWithAnOrderedMapWhileItGrows) {
    FlatTextMap<int> flat;
    std::map<Text, int> plain;
    for (int i = 0; i < 5000; ++i) {
        const Text key = FromUtf8((i % 3 == 0 ? "Wort" : "wort") + std::to_string(i % 1700));
        const auto [held, added] = flat.TryEmplace(key, i);
        const auto [it, plainAdded] = plain.try_emplace(key, i);
        ASSERT_EQ(added, plainAdded) << i;
        ASSERT_EQ(*held, it->second) << i;
    }
    EXPECT_EQ(flat.size(), plain.size());
    for (const auto& [key, value] : plain) {
        ASSERT_NE(flat.Find(key), nullptr);
        EXPECT_EQ(*flat.Find(key), value);
    }
    for (const TextView missing : {u"", u"Wort", u"wort1700", u"WORT3", u"wort0 "})
        EXPECT_FALSE(flat.Contains(missing)) << ToUtf8(missing);
}

TEST(FlatTextMapTest, AnEmptyMapFindsNothingAndAnEmptyKeyIsAKey) {
    FlatTextMap<bool> flat;
    EXPECT_FALSE(flat.Contains(u""));
    EXPECT_TRUE(flat.TryEmplace(Text(), true).second);
    EXPECT_TRUE(flat.Contains(u""));
    EXPECT_FALSE(flat.TryEmplace(Text(), false).second);
    EXPECT_TRUE(*flat.Find(u""));
}

TEST(FlatTextViewSetTest, KeepsEachTextOnceWhileItGrows) {
    std::vector<Text> texts;
    for (int i = 0; i < 3000; ++i)
        texts.push_back(FromUtf8("w" + std::to_string(i % 1000)));
    FlatTextViewSet set;
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(set.Insert(texts[i]), i < 1000) << i;
    EXPECT_TRUE(set.Insert(u""));
    EXPECT_FALSE(set.Insert(u""));
}

}  // namespace
}  // namespace lexorim
