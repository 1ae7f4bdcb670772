#include <gtest/gtest.h>

#include <set>

#include "engine/html_cleaning.h"
#include "reference/html_cleaning_reference.h"

namespace lexorim {
namespace {

struct Conversion {
    const char16_t* input;
    const char16_t* expected;
};

void ExpectConversions(Text (*convert)(TextView), const std::vector<Conversion>& cases) {
    for (const Conversion& c : cases) {
        EXPECT_EQ(ToUtf8(convert(c.input)), ToUtf8(c.expected)) << "input: " << ToUtf8(c.input);
    }
}

TEST(RemoveHtmlTags, HandlesTheDocumentedEdgeCases) {
    const std::vector<Conversion> cases = {
        // One blank from the replacement, one from the source.
        {u"<b>bold</b> text", u" . bold .  text"},
        {u"<p>x</p><p>y</p>", u" . x .  . y . "},
        // A ">" before the first "<": every ">" goes, the "<" stay.
        {u"a > b <i>c</i>", u"a  .  b <i . c</i . "},
        // A comment ends at its first ">"; the rest stays once no "<" is left.
        {u"<!-- a > b -->x", u" .  b -->x"},
        {u"x < y", u"x < y"},
        {u"x > y", u"x > y"},
        {u"", u""},
        {u"plain text", u"plain text"},
        // Character references are not decoded.
        {u"<a href=\"g.html\">Gr&ouml;&szlig;e</a>", u" . Gr&ouml;&szlig;e . "},
        {u"<>", u" . "},
        {u"<><>", u" .  . "},
        {u"<a<b>", u" . "},
        {u"<<a>>", u" . >"},
        {u"<script>if (a < b) x();</script>", u" . if (a  . "},
        {u"<style>p { color: red }</style>", u" . p { color: red } . "},
        {u"<!DOCTYPE html><html><body>Hi</body></html>", u" .  .  . Hi .  . "},
        // A ">" inside an attribute value ends the tag early.
        {u"<a title=\"x>y\">t</a>", u" . y\" . t</a . "},
        // Every copy of a tag goes in the same cycle, also inside a longer run of "<".
        {u"<x> <y<x> z>", u" .   . "},
        {u"<i>a</i><i>b</i>", u" . a .  . b . "},
        {u"<a>", u" . "},
        {u">", u">"},
        {u"<", u"<"},
        {u"><", u" . <"},
    };
    ExpectConversions(&RemoveHtmlTags, cases);
}

TEST(RemoveHtmlTags, AgreesWithTheLiteralVersionOnTheEdgeCases) {
    for (const char16_t* input :
         {u"<b>bold</b> text", u"a > b <i>c</i>", u"<!-- a > b -->x", u"<a<b>", u"<<a>>",
          u"<x> <y<x> z>", u"<a title=\"x>y\">t</a>", u"<y .  z><y<x> z><x>",
          // The third tag forms from what the first two leave and has a literal copy at the end.
          u"<t><u><w<u>p<y<t>q><w . p<y . q>", u"<t><u><w<u>p<y<t>q><z<w . p<y . q>"}) {
        EXPECT_EQ(ToUtf8(RemoveHtmlTags(input)), ToUtf8(reference::RemoveHtmlTags(input)))
            << ToUtf8(input);
    }
}

TEST(EncodeHtmlEntities, WritesNamedReferencesForLatin1Only) {
    const std::vector<Conversion> cases = {
        {u"Größe", u"Gr&ouml;&szlig;e"},
        {u"©", u"&copy;"},
        {u"\u00A0", u"&nbsp;"},
        {u"ÄÖÜäöüß", u"&Auml;&Ouml;&Uuml;&auml;&ouml;&uuml;&szlig;"},
        {u"\u00D7\u00F7", u"&times;&divide;"},
        {u"\u00FF", u"&yuml;"},
        {u"& < > \" €", u"& < > \" €"},
        {u"Gr&ouml;&szlig;e", u"Gr&ouml;&szlig;e"},
        {u"\u0080\u009F\u0100", u"\u0080\u009F\u0100"},
        {u"\U0001F600", u"\U0001F600"},
        {u"", u""},
    };
    ExpectConversions(&EncodeHtmlEntities, cases);
}

TEST(EncodeHtmlEntities, HasOneDistinctNameForEachOfTheNinetySixCharacters) {
    std::set<Text> names;
    for (char16_t c = 0xA0; c <= 0xFF; ++c) {
        const TextView name = HtmlEntityName(c);
        ASSERT_FALSE(name.empty()) << int(c);
        names.emplace(name);
    }
    EXPECT_EQ(names.size(), 96u);
    EXPECT_EQ(HtmlEntityName(0xA0), u"nbsp");
    EXPECT_EQ(HtmlEntityName(0xAD), u"shy");
    EXPECT_EQ(HtmlEntityName(0xC6), u"AElig");
    EXPECT_EQ(HtmlEntityName(0xD0), u"ETH");
    EXPECT_EQ(HtmlEntityName(0xDE), u"THORN");
    EXPECT_EQ(HtmlEntityName(0xE6), u"aelig");
    EXPECT_EQ(HtmlEntityName(0xFF), u"yuml");
    EXPECT_TRUE(HtmlEntityName(0x9F).empty());
    EXPECT_TRUE(HtmlEntityName(0x100).empty());
}

TEST(EncodeHtmlEntities, ChangesNothingWhenAppliedTwice) {
    Text all;
    for (char16_t c = 1; c < 0x200; ++c) {
        all.push_back(c);
    }
    const Text once = EncodeHtmlEntities(all);
    EXPECT_EQ(EncodeHtmlEntities(once), once);
    for (const char16_t c : once) {
        EXPECT_TRUE(c < 0xA0 || c > 0xFF);
    }
}

}  // namespace
}  // namespace lexorim
