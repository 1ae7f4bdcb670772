#include "engine/collation.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace lexorim {
namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

SortKeyPrefix PrefixOf(const LocaleCollator& collator, TextView text) {
    const std::array<TextView, 1> pieces{text};
    return collator.SortKeyPrefixOf(pieces);
}

// Words that differ in case, accents, umlauts, punctuation, digits, length and only after a
// long common beginning: wherever two prefixes differ, they order the texts as Compare does.
TEST(SortKeyPrefix, OrdersAsTheComparisonDoes) {
    std::vector<Text> texts = {
        u"",
        u"a",
        u"A",
        u"ab",
        u"Ab:12>-",
        u"ab:12>-|13>-",
        u"ab:2>-",
        u"Äpfel:1>-",
        u"apfel:1>-",
        u"Apfel:1>-",
        u"Öl",
        u"ol",
        u"Straße",
        u"Strasse",
        u"cote",
        u"côte",
        u"coté",
        u"Bundesverfassungsgericht:1>-",
        u"Bundesverfassungsgerichte:1>-",
        u"Bundesverfassungsgericht:2>-",
        u"bundesverfassungsgericht:1>-",
        u"Bundesverfassungsgericht; Das Bundesverfassungsgericht:7>-",
        u"Wort mit Blank",
        u"Wort-mit-Strich",
        u"12",
        u"1 2",
        u"€uro",
        u"ﬁsch",
        u"fisch",
    };
    // Long texts, cut for their prefix: differences before, at and after the cut, and combining
    // marks, umlauts and surrogates just where a cut could fall.
    std::vector<Text> longTexts;
    Text references;
    for (int page = 1; page < 40; ++page) {
        references += DecimalText(page) + u">-|";
    }
    for (const Text& head : {Text(u"Wort:"), Text(u"Bundesverfassungsgericht:"), Text(u"wort:")}) {
        longTexts.push_back(head + references);
        longTexts.push_back(head + references + u"7>-");
        longTexts.push_back(head + references.substr(0, 30) + u"9" + references.substr(31));
    }
    for (size_t at = 40; at < 56; at += 3) {
        for (const TextView inserted : {TextView(u"\u0308"), TextView(u"\u00E4"),
                                        TextView(u"\U0001D11E"), TextView(u"a\u0323\u0308")}) {
            Text text(at, u'a');
            text += inserted;
            text += references;
            longTexts.push_back(text);
        }
    }
    longTexts.push_back(Text(60, u'\u0001') + u"Wort");
    longTexts.push_back(Text(60, u'\u0001') + u"Worte");
    texts.insert(texts.end(), longTexts.begin(), longTexts.end());
    for (const char* locale : {"de_DE", ""}) {
        const LocaleCollator collator{locale};
        for (const Text& a : texts) {
            for (const Text& b : texts) {
                const int order = Sign(collator.Compare(a, b));
                const SortKeyPrefix pa = PrefixOf(collator, a);
                const SortKeyPrefix pb = PrefixOf(collator, b);
                if (order == 0) {
                    EXPECT_EQ(pa, pb) << "locale \"" << locale << "\"";
                } else if (pa != pb) {
                    EXPECT_EQ(pa < pb ? -1 : 1, order) << "locale \"" << locale << "\"";
                }
            }
        }
    }
}

TEST(SortKeyPrefix, PiecesGiveThePrefixOfTheirJoinedText) {
    const LocaleCollator collator{"de_DE"};
    const std::array<TextView, 3> pieces{u"Müller", u":", u"12>-|13>-"};
    EXPECT_EQ(collator.SortKeyPrefixOf(pieces), PrefixOf(collator, u"Müller:12>-|13>-"));
    const std::array<TextView, 3> withEmpty{u"", u"Müller", u""};
    EXPECT_EQ(collator.SortKeyPrefixOf(withEmpty), PrefixOf(collator, u"Müller"));
}

// Texts that differ early must not all fall back to the full comparison.
TEST(SortKeyPrefix, TellsTextsApartThatDifferEarly) {
    const LocaleCollator collator{"de_DE"};
    EXPECT_LT(PrefixOf(collator, u"Apfel"), PrefixOf(collator, u"Birne"));
    EXPECT_LT(PrefixOf(collator, u"apfel:1>-"), PrefixOf(collator, u"Äpfel:1>-"));
}

}  // namespace
}  // namespace lexorim
