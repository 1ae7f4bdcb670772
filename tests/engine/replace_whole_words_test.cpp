#include <gtest/gtest.h>

#include "engine/replace_whole_words.h"

namespace lexorim {
namespace {

struct WholeWordCase {
    const char16_t* text;
    const char16_t* pattern;
    const char16_t* replacement;
    bool allOccurrences;
    bool ignoreCase;
    const char16_t* expected;
};

TEST(ReplaceWholeWords, ReplacesOnlyOccurrencesBetweenBoundaries) {
    const WholeWordCase cases[] = {
        // The negative-list example: "Hund" contains "und" but is not a whole-word occurrence.
        {u"Hund und Katze", u"und", u".", true, true, u"Hund . Katze"},
        {u"Hund UND Katze", u"und", u".", true, true, u"Hund . Katze"},
        {u"und", u"und", u".", true, true, u"."},
        {u"Und,und;UND", u"und", u".", true, true, u".,.;."},
        {u"Hunde", u"und", u".", true, true, u"Hunde"},
        {u"und1 1und", u"und", u".", true, true, u"und1 1und"},  // digits belong to words
        // Case-sensitive and first-only modes.
        {u"Und und", u"und", u".", true, false, u"Und ."},
        {u"und und und", u"und", u".", false, true, u". und und"},
        {u"Hund und und", u"und", u".", false, true, u"Hund . und"},
        // Punctuation, symbols and white space of any kind end a word.
        {u"@und|und\u20AC~und", u"und", u".", true, true, u"@.|.\u20AC~."},
        {u"und\u00A0und\u2013und", u"und", u".", true, true, u".\u00A0.\u2013."},
        {u"\u00ABund\u00BB", u"und", u".", true, true, u"\u00AB.\u00BB"},
        // Letters of any script, combining marks and lone surrogates do not.
        {u"\u00E9und und\u0301", u"und", u".", true, true, u"\u00E9und und\u0301"},
        // Upper-casing is per character: "ß" stays, umlauts map.
        {u"Stra\u00DFe STRASSE", u"stra\u00DFe", u".", true, true, u". STRASSE"},
        {u"\u00C4PFEL \u00E4pfel", u"\u00C4pfel", u".", true, true, u". ."},
        // Phrases and patterns with boundary characters inside.
        {u"kam Jonas Weller heute", u"jonas weller", u".", true, true, u"kam . heute"},
        {u"die E-Mail kam", u"e-mail", u".", true, true, u"die . kam"},
        // The character before an occurrence is the last one already written: a replacement
        // that ends in a word character hides a boundary of the text, and the other way round.
        {u"-a--a-", u"-a-", u"X", true, true, u"X-a-"},
        {u"-a-a", u"-a", u".", true, true, u".."},
        // Scanning resumes after an occurrence, also one that did not count.
        {u"aaa a", u"aa", u".", true, true, u"aaa a"},
        {u"", u"und", u".", true, true, u""},
        {u"und", u"", u".", true, true, u"und"},
        {u"und", u"undund", u".", true, true, u"und"},
        {u"a und b", u"und", u"", true, true, u"a  b"},
    };
    for (const WholeWordCase& c : cases) {
        const WholeWordOptions options{c.allOccurrences, c.ignoreCase};
        EXPECT_EQ(ReplaceWholeWords(c.text, c.pattern, c.replacement, options), c.expected)
            << ToUtf8(c.text) << " / " << ToUtf8(c.pattern);
    }
}

TEST(ReplaceWholeWords, InPlaceReportsWhetherTheTextChanged) {
    struct Case {
        const char16_t* text;
        const char16_t* pattern;
        const char16_t* replacement;
        bool changed;
        const char16_t* expected;
    };
    const Case cases[] = {
        {u"Hund und Katze", u"und", u".", true, u"Hund . Katze"},
        {u"Hunde", u"und", u".", false, u"Hunde"},  // occurs, but not as a whole word
        {u"Katze", u"und", u".", false, u"Katze"},  // does not occur
        {u"a . b", u".", u".", false, u"a . b"},    // replaced by itself
        {u"x", u"", u".", false, u"x"},
    };
    Text scratch;
    for (const Case& c : cases) {
        Text text = c.text;
        EXPECT_EQ(ReplaceWholeWordsInPlace(text, c.pattern, c.replacement, {}, scratch), c.changed)
            << ToUtf8(c.text);
        EXPECT_EQ(text, c.expected);
    }
}

}  // namespace
}  // namespace lexorim
