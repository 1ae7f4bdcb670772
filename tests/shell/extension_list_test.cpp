#include <gtest/gtest.h>

#include "shell/extension_list.h"

namespace lexorim {
namespace {

struct ListCase {
    const char16_t* list;
    std::vector<Text> extensions;
};

class ParseExtensionListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(ParseExtensionListTest, KeepsTheUsableExtensionsInListOrder) {
    EXPECT_EQ(ParseExtensionList(GetParam().list), GetParam().extensions);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ParseExtensionListTest,
    ::testing::Values(
        // Trimmed, the full stop put in front, empty pieces, blanks inside, a name with a full
        // stop that does not start it and a lone full stop left out.
        ListCase{u"txt, .log,,h t m,a.b,.", {u".txt", u".log"}},
        ListCase{u"  TXT  ,.log,x:y,.", {u".TXT", u".log"}},
        ListCase{u"txt,log,php,htm,html", {u".txt", u".log", u".php", u".htm", u".html"}},
        ListCase{u"", {}}, ListCase{u" , ,", {}},
        // Control characters count as blanks at the ends only.
        ListCase{u"\t.md\r\n", {u".md"}}, ListCase{u"a\tb", {u".a\tb"}},
        // One character after the full stop is enough; the full stop alone is not.
        ListCase{u"c", {u".c"}}, ListCase{u"..x", {u"..x"}},
        // Every character a file name extension may not hold, after the first.
        ListCase{u"a<,a>,a\\,a/,a|,a:,a?,a\",a*,.a b", {}},
        // Only "," separates; other marks are part of an extension.
        ListCase{u"a;b,tar.gz,.tar.gz", {u".a;b", u".tar.gz"}},
        ListCase{u"txt,txt", {u".txt", u".txt"}}));

}  // namespace
}  // namespace lexorim
