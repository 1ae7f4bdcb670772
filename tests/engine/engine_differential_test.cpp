// The fast word pipeline, whole-word replacement and entry store against their literal versions
// in tests/reference: the same generated inputs (fixed seeds) must give identical results.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "corpus_generator.h"
#include "engine/case_rules.h"
#include "engine/collation.h"
#include "engine/index_store.h"
#include "engine/replace_whole_words.h"
#include "engine/word_pipeline.h"
#include "reference/index_store_reference.h"
#include "reference/word_pipeline_reference.h"

namespace lexorim {
namespace {

// splitmix64: the same sequence on every platform.
class Random {
  public:
    explicit Random(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    size_t Below(size_t bound) { return static_cast<size_t>(Next() % bound); }
    bool OneIn(size_t n) { return Below(n) == 0; }
    template <typename Container>
    const auto& Pick(const Container& items) {
        return items[Below(std::size(items))];
    }

  private:
    uint64_t state_;
};

// Words that probe the case rules and the character classes: umlauts and "ß", letters whose
// upper-case form is shared with another letter ("ſ", "ı", the Kelvin sign), title case, Greek,
// caseless scripts, combining marks, symbols that are letters in other respects, surrogate pairs.
const std::vector<Text> kWords = {
    u"Haus",
    u"haus",
    u"HAUS",
    u"Hausbau",
    u"Jonas",
    u"Weller",
    u"weller",
    u"Wellers",
    u"WELLER",
    u"und",
    u"Und",
    u"UND",
    u"Hund",
    u"die",
    u"Die",
    u"Stra\u00DFe",
    u"STRASSE",
    u"\u00C4pfel",
    u"\u00E4pfel",
    u"\u00D6l",
    u"\u00DCbung",
    u"E",
    u"Mail",
    u"Adresse",
    u"MP3",
    u"12a",
    u"x",
    u"A",
    u"a",
    u"\u017Ftadt",
    u"Stadt",
    u"\u0131i",
    u"\u0130stanbul",
    u"\u01C5x",
    u"\u212A",
    u"k",
    u"\u24B6b",
    u"a\u0301",
    u"\U0001F600",
    u"\u03A9mega",
    u"\u03C9",
    u"\u05D0\u05D1",
    u"\u00C9cole",
    u"\u00E9cole",
    u"Jedes",
    u"JedesMal",
    u"jedesmal",
    u"\u00DF",
    u"Ma\u00DF",
    u"42",
    u"007",
    u"Aber",
    u"aber",
    u"ABER",
    u"Zwischendurch",
    u"Mail&Adresse",
    u"\u0001a",
    u"a|b",
    u"x:y",
    u"z.B",
    u"Mitglied\u00ADschaft",
    u"Zwischen\u200Bdurch",
    u"\uFEFFAber",
};

// Separators, blanks and other boundary characters; most often a blank.
const std::vector<Text> kGaps = {
    u" ",
    u" ",
    u" ",
    u" ",
    u"  ",
    u"-",
    u". ",
    u", ",
    u";",
    u":",
    u"_",
    u">",
    u"<",
    u".",
    u",",
    u"*",
    u"+",
    u"#",
    u"!",
    u"\"",
    u"\u00A7",
    u"$",
    u"%",
    u"&",
    u"/",
    u"(",
    u")",
    u"=",
    u"?",
    u"`",
    u"\u00B4",
    u"}",
    u"]",
    u"[",
    u"{",
    u"'",
    u"\u201E",
    u"\u201C",
    u"\r",
    u"\n",
    u"\t",
    u"\r\n",
    u"\u00A0",
    u"\u0001",
    u"\u000B",
    u"@",
    u"|",
    u"~",
    u"^",
    u"\\",
    u"\u2013",
    u"\u00AB",
    u"\u00BB",
    u"\u20AC",
    u"\u00B7",
    u" - ",
    u"",
    u"",
    u" .",
    u". .",
    // Typographic separators, other spaces, controls and the invisible characters.
    u"\u201D",
    u"\u2019",
    u"\u2018",
    u"\u201A",
    u"\u2039",
    u"\u203A",
    u"\u2014",
    u"\u2026",
    u"\u202F",
    u"\u2007",
    u"\u3000",
    u"\u2028",
    u"\f",
    u"\u0085",
    u"\u007F",
    u"\u00AD",
    u"\u200B",
    u"\u200D",
    u"\u2060",
    u"\uFEFF",
    u" \u00AD",
    u"\u00AD ",
};

// A run of capitalised words longer than a combined word may be, with hyphens, double blanks
// and full stops among the blanks, so that the cut into names of at most eight parts shows.
Text LongCapitalisedRun(Random& random) {
    static const std::array<const char16_t*, 6> joints = {u" ", u" ", u" ", u"-", u"  ", u". "};
    static const std::array<const char16_t*, 5> names = {u"Jonas", u"Weller", u"Haus", u"A",
                                                         u"\u00C4pfel"};
    Text run;
    const size_t count = 6 + random.Below(20);
    for (size_t i = 0; i < count; ++i) {
        if (i > 0)
            run += random.Pick(joints);
        run += random.Pick(names);
    }
    return run;
}

Text RandomPage(Random& random, size_t maxTokens) {
    Text page;
    const size_t tokens = random.Below(maxTokens + 1);
    if (random.OneIn(4))
        page += random.Pick(kGaps);
    for (size_t i = 0; i < tokens; ++i) {
        if (i > 0)
            page += random.Pick(kGaps);
        const size_t roll = random.Below(10);
        if (roll < 6) {
            page += random.Pick(kWords);
        } else if (roll < 8) {
            // A negative-list entry, in its own or another case.
            Text word = random.Pick(BuiltInNegativeList());
            if (random.OneIn(2))
                word[0] = LowerUnit(word[0]);
            if (random.OneIn(6))
                word = ToUpper(word);
            page += word;
        } else if (roll < 9) {
            page += random.OneIn(4) ? LongCapitalisedRun(random) : Text(u"Jonas Weller");
        } else {
            page += DecimalText(static_cast<int64_t>(random.Below(1000)));
        }
    }
    if (random.OneIn(4))
        page += random.Pick(kGaps);
    return page;
}

Text RandomPattern(Random& random, const Text& text) {
    const size_t roll = random.Below(10);
    if (roll < 5 && !text.empty()) {
        const size_t start = random.Below(text.size());
        const size_t length = 1 + random.Below(std::min<size_t>(6, text.size() - start));
        Text pattern = text.substr(start, length);
        if (random.OneIn(3))
            pattern = ToUpper(pattern);
        if (random.OneIn(3))
            pattern = ToLower(pattern);
        return pattern;
    }
    if (roll < 8)
        return random.Pick(kWords);
    if (roll < 9)
        return random.Pick(kGaps) + random.Pick(kWords);
    return {};
}

TEST(ReplaceWholeWordsDifferential, MatchesTheLiteralScan) {
    Random random(20240501);
    Text scratch;
    for (int i = 0; i < 20000; ++i) {
        const Text text = RandomPage(random, 10);
        const Text pattern = RandomPattern(random, text);
        const std::array<Text, 7> replacements = {u".", u"", u"X", u"-", u" ", u"ab", pattern};
        const Text replacement = random.Pick(replacements);
        const WholeWordOptions options{!random.OneIn(4), !random.OneIn(4)};
        const Text expected = reference::ReplaceWholeWords(
            text, pattern, replacement, options.allOccurrences, options.ignoreCase);
        ASSERT_EQ(ReplaceWholeWords(text, pattern, replacement, options), expected)
            << "case " << i << ": " << ToUtf8(text) << " / " << ToUtf8(pattern);
        Text inPlace = text;
        const bool changed =
            ReplaceWholeWordsInPlace(inPlace, pattern, replacement, options, scratch);
        ASSERT_EQ(inPlace, expected) << "case " << i;
        ASSERT_EQ(changed, expected != text) << "case " << i;
    }
}

TEST(PipelineStepsDifferential, EachStepMatchesItsLiteralVersion) {
    Random random(77);
    const std::vector<Text> negative = {u"und", u"Jonas Weller", u"", u"E-Mail", u"x"};
    const std::array<const char16_t*, 5> minimumLengths = {u"0", u"1", u"3", u"x", u"-2"};
    for (int i = 0; i < 5000; ++i) {
        Text text = RandomPage(random, 12);
        const auto check = [&](const Text& product, const Text& literal, const char* step) {
            ASSERT_EQ(product, literal) << step << " on case " << i << ": " << ToUtf8(text);
            text = literal;
        };
        check(pipeline_steps::ApplyNegativeList(text, negative),
              reference::NegativeListStep(text, negative), "negative list");
        check(pipeline_steps::NormaliseSeparators(text), reference::NormaliseSeparators(text),
              "separators");
        check(pipeline_steps::MarkCombinedWords(text), reference::MarkCombinedWords(text),
              "combined words");
        check(pipeline_steps::BlanksToFullStops(text), reference::BlanksToFullStops(text),
              "blanks");
        check(pipeline_steps::CollapseFullStops(text), reference::CollapseFullStops(text),
              "collapse");
        check(pipeline_steps::RemoveDigits(text), reference::RemoveDigits(text), "digits");
        const Text beforeCaseSteps = text;
        check(pipeline_steps::RemoveLowerCaseWords(text), reference::RemoveLowerCaseWords(text),
              "lower case");
        text = beforeCaseSteps;
        check(pipeline_steps::RemoveUpperCaseWords(text), reference::RemoveUpperCaseWords(text),
              "upper case");
        const Text minimum = random.Pick(minimumLengths);
        check(pipeline_steps::ApplyMinimumLength(text, IntegerOr(minimum, 2)),
              reference::ApplyMinimumLength(text, minimum), "minimum length");
    }
}

struct Occurrence {
    Text word;
    Text key;
    Text tag;
    bool operator==(const Occurrence&) const = default;
};

using Occurrences = std::vector<Occurrence>;

std::vector<Text> DifferentialNegativeList() {
    const std::vector<Text>& builtIn = BuiltInNegativeList();
    std::vector<Text> list = {u"Jonas Weller", u"E-Mail", u"", u"und", u"z.B", u"a|b"};
    list.insert(list.end(), builtIn.begin(), builtIn.begin() + 100);
    for (const char16_t* extra : {u"Und", u"x", u"", u"MP3", u"\u017Ftadt", u"12", u"\u24B6b",
                                  u"Ma\u00DF", u" ", u"Haus.", u"die E", u"Die"}) {
        list.emplace_back(extra);
    }
    list.insert(list.end(), builtIn.begin() + 100, builtIn.end());
    list.emplace_back(u"Wellers");
    list.emplace_back(u"\u0130stanbul");
    return list;
}

std::vector<Text> DifferentialPositiveList() {
    return {u"Jonas Weller", u"Weller",       u"E-Mail",     u"und",
            u"haus",         u"Stra\u00DFe",  u"",           u"Jonas",
            u"z.B",          u"HAUS",         u"\u00C4pfel", u"a|b",
            u"x:y",          u"Mail&Adresse", u"x",          u"\u00DF"};
}

Text RandomKey(Random& random) {
    static const std::array<const char16_t*, 11> keys = {
        u"1", u"2", u"3", u"15", u"5", u"1|2", u"a&b", u"a b", u"x:y", u"", u"Kapitel 2"};
    if (random.OneIn(3))
        return DecimalText(static_cast<int64_t>(random.Below(40)));
    return random.Pick(keys);
}

Text RandomTag(Random& random) {
    static const std::array<const char16_t*, 6> tags = {u"-",   u"-", u"-", u"C:/Daten/a.txt",
                                                        u"b>-", u"&"};
    return random.Pick(tags);
}

// Index-file lines as a store would save them, plus lines a loader must skip.
Text RandomIndexLines(Random& random) {
    static const std::array<const char16_t*, 12> lines = {u"Haus:1>-|2>-",
                                                          u"Jonas Weller:3>-|8>-",
                                                          u"Weller; Jonas Weller:3>-|8>-",
                                                          u"\u00C4pfel:4>-|1>-",
                                                          u"haus:9>-|a b>-|3>-",
                                                          u"ohne Verweise",
                                                          u"Plan:Plan.txt>C:/Plan.txt",
                                                          u"",
                                                          u"Seite 3>-",
                                                          u"Ha:us:1>-",
                                                          u"Jonas&Weller:2>-",
                                                          u":1>-"};
    static const std::array<const char16_t*, 3> breaks = {u"\r\n", u"\r", u"\n"};
    Text text;
    const size_t count = random.Below(6);
    for (size_t i = 0; i < count; ++i) {
        if (i > 0)
            text += random.Pick(breaks);
        text += random.Pick(lines);
    }
    return text;
}

template <typename Product, typename Literal>
void ExpectSameStores(const Product& product, const Literal& literal, const std::string& where) {
    for (int b = 0; b < IndexStore::kBucketCount; ++b) {
        ASSERT_EQ(product.Bucket(b), literal.Bucket(b)) << where << ", bucket " << b;
    }
}

TEST(PipelineDifferential, EveryCombinationOfCriteriaGivesTheSameStore) {
    Random random(4711);
    const LocaleCollator collator("de_DE");
    const std::vector<Text> negative = DifferentialNegativeList();
    const std::vector<Text> positive = DifferentialPositiveList();
    const std::array<const char16_t*, 6> minimumLengths = {u"0", u"1", u"3", u"5", u"drei", u"999"};
    for (int mask = 0; mask < 128; ++mask) {
        for (const char16_t* minimumLength : minimumLengths) {
            for (int finish = 0; finish < 4; ++finish) {
                WordCriteria criteria;
                criteria.lowerCaseOut = (mask & 1) != 0;
                criteria.upperCaseOut = (mask & 2) != 0;
                criteria.minLengthOn = (mask & 4) != 0;
                criteria.numbersOut = (mask & 8) != 0;
                criteria.useNegativeList = (mask & 16) != 0;
                criteria.usePositiveList = (mask & 32) != 0;
                criteria.markCombined = (mask & 64) != 0;
                // The reference reads the text as typed; the settings give the product the
                // number, with 2 for a text that is not one.
                criteria.minLengthText = minimumLength;
                criteria.minLength = IntegerOr(minimumLength, 2);
                const bool removeDuplicates = (finish & 1) != 0;
                const bool expand = (finish & 2) != 0;
                const bool joinBlanks = random.OneIn(2);
                const std::string where = "mask " + std::to_string(mask) + ", minimum " +
                                          ToUtf8(minimumLength) + ", finish " +
                                          std::to_string(finish);

                const WordPipeline pipeline({criteria, joinBlanks}, negative, positive);
                IndexStore productStore;
                reference::IndexStore literalStore;
                if (random.OneIn(4)) {
                    const Text lines = RandomIndexLines(random);
                    productStore.LoadIndexLines(lines, expand);
                    literalStore.LoadIndexLines(lines, expand);
                }
                for (int p = 0; p < 4; ++p) {
                    const Text page = RandomPage(random, 14);
                    const Text key = RandomKey(random);
                    const Text tag = RandomTag(random);
                    Occurrences fromProduct;
                    Occurrences fromLiteral;
                    pipeline.FilterPageWords(
                        page, key, tag, [&](TextView w, TextView k, TextView t) {
                            fromProduct.push_back({Text(w), Text(k), Text(t)});
                            productStore.AddReference(w, k, t, removeDuplicates);
                        });
                    reference::FilterPageWords(
                        page, criteria, joinBlanks, negative, positive, key, tag,
                        [&](TextView w, TextView k, TextView t) {
                            fromLiteral.push_back({Text(w), Text(k), Text(t)});
                            literalStore.AddReference(w, k, t, removeDuplicates);
                        });
                    ASSERT_EQ(fromProduct, fromLiteral) << where << ", page " << ToUtf8(page);
                }
                if (expand) {
                    productStore.ExpandCombinedWords();
                    literalStore.ExpandCombinedWords();
                } else {
                    productStore.JoinCombinedWords();
                    literalStore.JoinCombinedWords();
                }
                productStore.SortStore(collator);
                literalStore.SortStore(collator);
                ExpectSameStores(productStore, literalStore, where);
                if (HasFatalFailure())
                    return;
            }
        }
    }
}

// A long positive list of single words in several cases, words found only inside longer words,
// and phrases between them: the one-pass lookup of word lines must give the hits of the
// line-by-line steps, in the same order.
TEST(PipelineDifferential, LongPositiveListsGiveTheSameHits) {
    Random random(2024);
    std::vector<Text> positive;
    for (const Text& word : kWords) {
        positive.push_back(word);
        positive.push_back(ToUpper(word));
        if (word.size() > 3) {
            positive.push_back(word.substr(1, 3));  // stands only inside a longer word
        }
        if (random.OneIn(5)) {
            positive.push_back(u"Jonas " + word);  // a phrase between the word lines
        }
    }
    positive.emplace_back(u"");
    positive.emplace_back(u"und");
    for (int variant = 0; variant < 4; ++variant) {
        WordCriteria criteria;
        criteria.usePositiveList = true;
        criteria.useNegativeList = (variant & 1) != 0;
        const bool joinBlanks = (variant & 2) != 0;
        const std::vector<Text> negative = {u"und", u"Haus"};
        const WordPipeline pipeline({criteria, joinBlanks}, negative, positive);
        for (int p = 0; p < 1500; ++p) {
            const Text page = RandomPage(random, 20);
            Occurrences fromProduct;
            Occurrences fromLiteral;
            pipeline.FilterPageWords(page, u"1", u"-", [&](TextView w, TextView k, TextView t) {
                fromProduct.push_back({Text(w), Text(k), Text(t)});
            });
            reference::FilterPageWords(page, criteria, joinBlanks, negative, positive, u"1", u"-",
                                       [&](TextView w, TextView k, TextView t) {
                                           fromLiteral.push_back({Text(w), Text(k), Text(t)});
                                       });
            ASSERT_EQ(fromProduct, fromLiteral)
                << "variant " << variant << ", page " << ToUtf8(page);
        }
    }
}

TEST(PipelineDifferential, GeneratedBookPagesGiveTheSameStore) {
    const LocaleCollator collator("de_DE");
    const std::vector<Text> pages = GenerateCorpusPages(7, 400000);
    struct Setup {
        WordCriteria criteria;
        bool removeDuplicates;
        bool expand;
    };
    WordCriteria withPositive;
    withPositive.usePositiveList = true;
    WordCriteria everythingOff;
    everythingOff.lowerCaseOut = everythingOff.minLengthOn = everythingOff.numbersOut = false;
    everythingOff.useNegativeList = everythingOff.markCombined = false;
    const Setup setups[] = {
        {WordCriteria{}, true, true}, {withPositive, false, false}, {everythingOff, true, false}};
    for (const Setup& setup : setups) {
        const WordPipeline pipeline({setup.criteria, true}, BuiltInNegativeList(),
                                    BuiltInPositiveList());
        IndexStore productStore;
        reference::IndexStore literalStore;
        for (size_t i = 0; i < pages.size(); ++i) {
            // Page labels repeat every 50 pages, as when each chapter counts from 1.
            const Text label = DecimalText(static_cast<int64_t>(i % 50) + 1);
            pipeline.FilterPageWords(pages[i], label, u"-",
                                     [&](TextView w, TextView k, TextView t) {
                                         productStore.AddReference(w, k, t, setup.removeDuplicates);
                                     });
            reference::FilterPageWords(
                pages[i], setup.criteria, true, BuiltInNegativeList(), BuiltInPositiveList(), label,
                u"-", [&](TextView w, TextView k, TextView t) {
                    literalStore.AddReference(w, k, t, setup.removeDuplicates);
                });
        }
        if (setup.expand) {
            productStore.ExpandCombinedWords();
            literalStore.ExpandCombinedWords();
        } else {
            productStore.JoinCombinedWords();
            literalStore.JoinCombinedWords();
        }
        productStore.SortStore(collator);
        literalStore.SortStore(collator);
        ExpectSameStores(productStore, literalStore, "generated pages");
        EXPECT_GT(productStore.EntryCount(), 1000u);
    }
}

TEST(StoreDifferential, RandomOperationSequencesGiveTheSameBuckets) {
    Random random(99);
    const LocaleCollator collator("de_DE");
    static const std::array<const char16_t*, 20> words = {u"Haus",         u"haus",
                                                          u"HAUS",         u"Hof",
                                                          u"Jonas&Weller", u"jonas&weller",
                                                          u"Jonas Weller", u"Weller; Jonas Weller",
                                                          u"\u00C4pfel",   u"\u00E4pfel",
                                                          u"&Haus",        u"Haus&",
                                                          u"A&&B",         u"",
                                                          u"42",           u"\u017Ftadt",
                                                          u"Stadt",        u"Ha:us",
                                                          u"a|b",          u"\u0130stanbul"};
    for (int sequence = 0; sequence < 3000; ++sequence) {
        IndexStore productStore;
        reference::IndexStore literalStore;
        Text key;
        Text tag;
        const size_t operations = 1 + random.Below(40);
        for (size_t op = 0; op < operations; ++op) {
            const size_t roll = random.Below(100);
            std::string what;
            if (roll < 80) {
                const Text word = random.Pick(words);
                // Often the reference of the previous call, as the words of one page arrive.
                if (key.empty() || !random.OneIn(3)) {
                    key = RandomKey(random);
                    tag = RandomTag(random);
                }
                const bool removeDuplicates = !random.OneIn(4);
                productStore.AddReference(word, key, tag, removeDuplicates);
                literalStore.AddReference(word, key, tag, removeDuplicates);
                what = "add " + ToUtf8(word) + " " + ToUtf8(key) + ">" + ToUtf8(tag);
            } else if (roll < 87) {
                const Text lines = RandomIndexLines(random);
                const bool multiple = random.OneIn(2);
                productStore.LoadIndexLines(lines, multiple);
                literalStore.LoadIndexLines(lines, multiple);
                what = "load";
            } else if (roll < 93) {
                productStore.SortStore(collator);
                literalStore.SortStore(collator);
                what = "sort";
            } else if (roll < 96) {
                productStore.ExpandCombinedWords();
                literalStore.ExpandCombinedWords();
                what = "expand";
            } else if (roll < 99) {
                productStore.JoinCombinedWords();
                literalStore.JoinCombinedWords();
                what = "join";
            } else {
                productStore.Clear();
                literalStore.Clear();
                what = "clear";
            }
            ExpectSameStores(productStore, literalStore,
                             "sequence " + std::to_string(sequence) + " after " + what);
            if (HasFatalFailure())
                return;
        }
    }
}

}  // namespace
}  // namespace lexorim
