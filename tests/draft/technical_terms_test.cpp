#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "draft/technical_terms.h"
#include "draft_test_helpers.h"

namespace lexorim {
namespace {

using draft_test::EntriesOf;
using draft_test::IndexOf;
using ::testing::Contains;

// A dictionary that knows exactly these words.
KnownWordCheck Knowing(std::set<Text> words) {
    return [words = std::move(words)](TextView word) { return words.contains(Text(word)); };
}

bool HasEntry(const std::vector<Text>& entries, TextView word) {
    return std::any_of(entries.begin(), entries.end(),
                       [&](const Text& entry) { return entry.starts_with(Text(word) + u" "); });
}

std::set<Text> TermsOf(const std::vector<Text>& pages, const KnownWordCheck& isKnown,
                       WordCriteria criteria = {}) {
    TechnicalTermCounter counter(criteria);
    for (const Text& page : pages)
        counter.AddPage(page);
    const TermSet terms = counter.Terms(isKnown);
    return {terms.begin(), terms.end()};
}

TEST(TechnicalTermsTest, KeepsUnknownLowerCaseWordsOfAtLeastThreePages) {
    const std::vector<Text> pages = {
        u"Run dpkg and sudo with the package tool.",
        u"Then dpkg-deb builds the package; sudo again.",
        u"dpkg lists the package, and aptitude too. aptitude aptitude",
        u"Dpkg DPKG xyzzy package",
    };
    // "sudo" stands on two pages, "aptitude" three times on one, "Dpkg" is no lower-case word,
    // "package" and "the" are known, "and" and "too" are known as well.
    EXPECT_EQ(TermsOf(pages, Knowing({u"the", u"package", u"and", u"too", u"with", u"tool",
                                      u"builds", u"again", u"lists", u"then", u"run"})),
              (std::set<Text>{u"dpkg"}));
    // Without a dictionary no word is a term.
    EXPECT_TRUE(TermsOf(pages, {}).empty());
}

TEST(TechnicalTermsTest, CutsWordsAsThePipelineDoes) {
    const std::vector<Text> pages = {u"ab x86abc", u"ab abc", u"ab abc"};
    // Digits end a word when numbers are left out; shorter words than the minimum never count.
    EXPECT_EQ(TermsOf(pages, Knowing({})), (std::set<Text>{u"abc"}));
    WordCriteria keepNumbers;
    keepNumbers.numbersOut = false;
    keepNumbers.minLength = 2;
    EXPECT_EQ(TermsOf(pages, Knowing({}), keepNumbers), (std::set<Text>{u"ab"}));
}

TEST(TechnicalTermsTest, PathsAddressesAndFileNamesDoNotCount) {
    const Text page = u"See /usr/share/doc, www.debian.org, ~/.bashrc, a@b.org, x=1 and dpkg.";
    EXPECT_EQ(TermsOf({page, page, page}, Knowing({u"and"})), (std::set<Text>{u"dpkg"}));
}

TEST(TechnicalTermsTest, AGermanBooksTermsAreNeitherGermanNorEnglishNorStopWords) {
    const KnownWordCheck known = KnownWordsForTerms("de");
    ASSERT_TRUE(known) << "the German Hunspell dictionary is missing";
    for (const TextView word : {u"werden", u"file", u"the", u"und"})
        EXPECT_TRUE(known(word)) << ToUtf8(word);
    for (const TextView word : {u"dpkg", u"sudo"})
        EXPECT_FALSE(known(word)) << ToUtf8(word);
    EXPECT_FALSE(KnownWordsForTerms("xx"));
}

TEST(TechnicalTermsTest, TheBookKeepsItsRecurringTermsInTheirOwnSpelling) {
    const Text book =
        u"The Debian system installs packages with dpkg.\r\n"
        u"Administrators call dpkg through sudo.\r\n"
        u"Every package goes through dpkg and sudo.\r\n"
        u"Finally dpkg runs again.\r\n";
    DraftOptions draft;
    draft.technicalTerms = true;
    draft.language = "en";
    const std::vector<Text> entries = EntriesOf(IndexOf(book, draft));
    EXPECT_THAT(entries, Contains(u"dpkg 1, 2, 3, 4"));
    EXPECT_FALSE(HasEntry(entries, u"sudo"));     // on two pages only
    EXPECT_FALSE(HasEntry(entries, u"through"));  // a known word
    // Off, the index is as without a draft; so it is when lower-case words are kept anyway.
    EXPECT_EQ(IndexOf(book, {}), IndexOf(book, DraftOptions{}));
    EXPECT_FALSE(HasEntry(EntriesOf(IndexOf(book, {})), u"dpkg"));
    WordCriteria lowerCaseIn;
    lowerCaseIn.lowerCaseOut = false;
    EXPECT_EQ(IndexOf(book, draft, lowerCaseIn), IndexOf(book, {}, lowerCaseIn));
}

}  // namespace
}  // namespace lexorim
