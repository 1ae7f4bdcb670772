#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "draft/dictionary.h"
#include "engine/scoped_environment.h"
#include "temp_folder.h"

namespace lexorim {
namespace {

using ::testing::Contains;
using ::testing::IsEmpty;

TEST(DictionaryTest, FindsTheInstalledDictionariesByLanguageCode) {
    for (const char* code : {"de", "en", "DE", "de_DE", "en-US"})
        EXPECT_TRUE(Dictionary::ForLanguage(code).has_value()) << code;
    for (const char* code : {"", "xx", "auto"})
        EXPECT_FALSE(Dictionary::ForLanguage(code).has_value()) << code;
}

TEST(DictionaryTest, KnowsWordsAndTheirInflectedForms) {
    const std::optional<Dictionary> german = Dictionary::ForLanguage("de");
    ASSERT_TRUE(german);
    for (const TextView word : {u"Paket", u"Pakete", u"PAKETEN", u"Häuser", u"Straße"})
        EXPECT_TRUE(german->Knows(word)) << ToUtf8(word);
    for (const TextView word : {u"Pqkzt", u"", u"Paketx"})
        EXPECT_FALSE(german->Knows(word)) << ToUtf8(word);
}

TEST(DictionaryTest, GivesTheStemsOfInflectedForms) {
    const std::optional<Dictionary> german = Dictionary::ForLanguage("de");
    const std::optional<Dictionary> english = Dictionary::ForLanguage("en");
    ASSERT_TRUE(german && english);
    EXPECT_THAT(german->Stems(u"Paketen"), Contains(Text(u"Paket")));
    EXPECT_THAT(german->Stems(u"Häuser"), Contains(Text(u"Haus")));
    EXPECT_THAT(english->Stems(u"packages"), Contains(Text(u"package")));
    EXPECT_THAT(german->Stems(u"Pqkzt"), IsEmpty());
    const std::vector<Text> stems = german->Stems(u"Pakete");
    EXPECT_EQ(std::count(stems.begin(), stems.end(), Text(u"Paket")), 1);
}

TEST(DictionaryTest, ConvertsToAndFromTheEncodingOfTheDictionary) {
    // A dictionary in Latin-1 of its own: one word with an umlaut and a plural ending.
    const testing::TempFolder folder;
    folder.write("zz_ZZ.aff", "SET ISO8859-1\nSFX N Y 1\nSFX N 0 en .\n");
    folder.write("zz_ZZ.dic", "1\nB\xE4r/N\n");
    const testing::ScopedEnvironment dicpath("DICPATH", folder.path().string());
    std::optional<Dictionary> dictionary = Dictionary::ForLanguage("zz");
    ASSERT_TRUE(dictionary);
    // Moving keeps the dictionary usable.
    const Dictionary moved = std::move(*dictionary);
    EXPECT_TRUE(moved.Knows(u"Bären"));
    EXPECT_EQ(moved.Stems(u"Bären"), std::vector<Text>{u"Bär"});
    // A character that Latin-1 lacks makes a word unknown rather than a look-alike.
    EXPECT_FALSE(moved.Knows(u"Bär\u20AC"));
    EXPECT_THAT(moved.Stems(u"Bär\u0101n"), IsEmpty());
}

TEST(SnowballStemmerTest, CutsTheEndingsOfLowerCasedWords) {
    const std::optional<SnowballStemmer> german = SnowballStemmer::ForLanguage("de");
    const std::optional<SnowballStemmer> english = SnowballStemmer::ForLanguage("en");
    ASSERT_TRUE(german && english);
    EXPECT_EQ(german->Stem(u"Paketen"), german->Stem(u"paket"));
    EXPECT_EQ(english->Stem(u"Configurations"), u"configur");
    EXPECT_TRUE(SnowballStemmer::ForLanguage("fr").has_value());
    EXPECT_FALSE(SnowballStemmer::ForLanguage("xx").has_value());
}

}  // namespace
}  // namespace lexorim
