#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/word_pipeline.h"

namespace lexorim {
namespace {

WordCriteria AllOff() {
    WordCriteria c;
    c.lowerCaseOut = false;
    c.upperCaseOut = false;
    c.minLengthOn = false;
    c.numbersOut = false;
    c.useNegativeList = false;
    c.usePositiveList = false;
    c.markCombined = false;
    return c;
}

WordCriteria OnlyCombined() {
    WordCriteria c = AllOff();
    c.markCombined = true;
    return c;
}

WordCriteria OnlyNumbers() {
    WordCriteria c = AllOff();
    c.numbersOut = true;
    return c;
}

WordCriteria OnlyNumbersAndCombined() {
    WordCriteria c = OnlyNumbers();
    c.markCombined = true;
    return c;
}

WordCriteria OnlyNegative() {
    WordCriteria c = AllOff();
    c.useNegativeList = true;
    return c;
}

WordCriteria OnlyPositive() {
    WordCriteria c = AllOff();
    c.usePositiveList = true;
    return c;
}

WordCriteria OnlyMinimumLength(int32_t length) {
    WordCriteria c = AllOff();
    c.minLengthOn = true;
    c.minLength = length;
    return c;
}

WordCriteria DefaultsWithoutNegativeList() {
    WordCriteria c;
    c.useNegativeList = false;
    return c;
}

WordCriteria BothCaseCriteria(bool numbersOut, bool positive) {
    WordCriteria c = AllOff();
    c.lowerCaseOut = true;
    c.upperCaseOut = true;
    c.numbersOut = numbersOut;
    c.usePositiveList = positive;
    return c;
}

std::vector<Text> Words(std::initializer_list<const char16_t*> words) {
    return std::vector<Text>(words.begin(), words.end());
}

std::vector<Text> WordsOf(const WordPipeline& pipeline, TextView page) {
    std::vector<Text> words;
    pipeline.FilterPageWords(page, u"7", u"-", [&](TextView word, TextView key, TextView tag) {
        EXPECT_EQ(key, u"7");
        EXPECT_EQ(tag, u"-");
        words.emplace_back(word);
    });
    return words;
}

std::vector<Text> WordsOf(const WordCriteria& criteria, TextView page,
                          std::vector<Text> negative = BuiltInNegativeList(),
                          std::vector<Text> positive = BuiltInPositiveList(),
                          bool positiveHitsJoinBlanks = true) {
    const WordPipeline pipeline({criteria, positiveHitsJoinBlanks}, std::move(negative),
                                std::move(positive));
    return WordsOf(pipeline, page);
}

struct PageCase {
    const char* what;
    WordCriteria criteria;
    const char16_t* page;
    std::vector<Text> expected;
};

TEST(FilterPageWords, GivesTheWordsThatPassTheCriteria) {
    const PageCase cases[] = {
        {"empty page, defaults", WordCriteria{}, u"", {}},
        {"empty page, all off", AllOff(), u"", {}},
        {"separators only",
         AllOff(),
         u";:_><-.,*+#!\"\u00A7$%&/()=?`\u00B4}][{'\u201E\u201C\r\n\t  ",
         {}},
        {"hyphenated, combined only", OnlyCombined(), u"die E-Mail-Adresse",
         Words({u"die", u"E&Mail&Adresse"})},
        {"first word of a page starts no run", OnlyCombined(), u"E-Mail-Adresse",
         Words({u"E", u"Mail&Adresse"})},
        {"hyphenated, all off", AllOff(), u"E-Mail-Adresse", Words({u"E", u"Mail", u"Adresse"})},
        {"hyphenated after a word, all off", AllOff(), u"die E-Mail-Adresse",
         Words({u"die", u"E", u"Mail", u"Adresse"})},
        {"hyphenated, defaults", WordCriteria{}, u"die E-Mail-Adresse", Words({u"Mail&Adresse"})},
        // "Der" and "von" are entries of the built-in negative list.
        {"sentence, defaults", WordCriteria{}, u"Der Hund von Jonas Weller bellt.",
         Words({u"Hund", u"Jonas&Weller"})},
        {"sentence, defaults without the negative list", DefaultsWithoutNegativeList(),
         u"Der Hund von Jonas Weller bellt.", Words({u"Der", u"Hund", u"Jonas&Weller"})},
        {"name at the very start stays two words", OnlyCombined(), u"Jonas Weller kam",
         Words({u"Jonas", u"Weller", u"kam"})},
        {"name after a word is joined", OnlyCombined(), u"kam Jonas Weller",
         Words({u"kam", u"Jonas&Weller"})},
        {"a full stop does not reset the run", OnlyCombined(), u"kam Haus. Jonas",
         Words({u"kam", u"Haus", u"&Jonas"})},
        {"digits join before they are removed", OnlyCombined(), u"Seite 12 Haus",
         Words({u"Seite", u"12&Haus"})},
        {"a separator ends the run", OnlyCombined(), u"a B (C D E",
         Words({u"a", u"B", u"C", u"D&E"})},
        {"two blanks join too", OnlyCombined(), u"x A  B", Words({u"x", u"A&&B"})},
        {"a blank before a hyphen joins", OnlyCombined(), u"x A -B", Words({u"x", u"A&&B"})},
        {"numbers out splits words", OnlyNumbers(), u"Seite 12a", Words({u"Seite", u"a"})},
        {"digits inside a word", OnlyNumbers(), u"MP3 A4-Blatt", Words({u"MP", u"A", u"Blatt"})},
        {"only ASCII digits are numbers", OnlyNumbers(), u"\u0663x", Words({u"\u0663x"})},
        {"minimum length 0 keeps every piece", OnlyMinimumLength(0), u"a bb ccc",
         Words({u"a", u"bb", u"ccc"})},
        {"minimum length larger than every word", OnlyMinimumLength(999), u"a bb ccc", {}},
        {"minimum length 2 drops single letters", OnlyMinimumLength(2), u"a bb ccc",
         Words({u"bb", u"ccc"})},
        {"negative minimum length", OnlyMinimumLength(-4), u"a bb", Words({u"a", u"bb"})},
        {"both case criteria keep caseless words", BothCaseCriteria(false, false),
         u"Haus 42 haus @home \u00DF \u05D0\u05D1",
         Words({u"42", u"@home", u"\u00DF", u"\u05D0\u05D1"})},
        {"both case criteria and numbers out",
         BothCaseCriteria(true, false),
         u"Der Hund 42 bellt",
         {}},
        {"both case criteria keep positive hits", BothCaseCriteria(true, true),
         u"kam Jonas Weller heute", Words({u"Jonas&Weller"})},
        {"control characters alone are no word", AllOff(), u"a \u0001 b", Words({u"a", u"b"})},
        {"control characters end words", AllOff(), u"\u0001a\u0002b", Words({u"a", u"b"})},
        {"a blank at the end of a page", OnlyCombined(), u"x A ", Words({u"x", u"A"})},
        {"a long run becomes names of at most eight words", OnlyCombined(),
         u"x A B C D E F G H I J K L M N O P Q R S T",
         Words({u"x", u"A&B&C&D&E&F&G&H", u"I&J&K&L&M&N&O&P", u"Q&R&S&T"})},
        {"a full stop starts the count of parts again", OnlyCombined(), u"x A B. C D E F G H I J",
         Words({u"x", u"A&B", u"&C&D&E&F&G&H&I", u"J"})},
        {"hyphens count as blanks in the limit", OnlyCombined(), u"x A-B-C-D-E-F-G-H-I",
         Words({u"x", u"A&B&C&D&E&F&G&H", u"I"})},
        {"digits removed later still count as parts", OnlyNumbersAndCombined(),
         u"x A 1 2 3 4 5 6 7 B", Words({u"x", u"A&", u"&", u"&", u"&", u"&", u"&", u"&", u"B"})},
    };
    for (const PageCase& c : cases) {
        EXPECT_EQ(WordsOf(c.criteria, c.page), c.expected) << c.what;
    }
}

TEST(FilterPageWords, MinimumLengthShortensCombinedWords) {
    WordCriteria c = OnlyCombined();
    c.minLengthOn = true;
    c.minLength = 3;
    EXPECT_EQ(WordsOf(c, u"die E-Mail-Adresse"), Words({u"die", u"Mail&Adresse"}));
    // "Ab&Cd" is long enough but loses both parts.
    EXPECT_EQ(WordsOf(c, u"xyz Ab Cd"), Words({u"xyz"}));
    EXPECT_EQ(WordsOf(c, u"xyz Ab Cde"), Words({u"xyz", u"Cde"}));
    c.minLength = 6;
    EXPECT_EQ(WordsOf(c, u"x Ab Cde"), Words({}));
    c.minLength = 5;
    EXPECT_EQ(WordsOf(c, u"x Ab Cde"), Words({}));  // "Ab&Cde" has 6 characters, no part has 5
}

TEST(FilterPageWords, NegativeListRemovesWholeWordsIgnoringCase) {
    const std::vector<Text> und = Words({u"und"});
    EXPECT_EQ(WordsOf(OnlyNegative(), u"Hund und Katze", und), Words({u"Hund", u"Katze"}));
    EXPECT_EQ(WordsOf(OnlyNegative(), u"Hund UND Katze", und), Words({u"Hund", u"Katze"}));
    EXPECT_EQ(WordsOf(OnlyNegative(), u"und", Words({u""})), Words({u"und"}));  // empty entry
    EXPECT_EQ(WordsOf(OnlyNegative(), u"kam Jonas Weller heute", Words({u"Jonas Weller"})),
              Words({u"kam", u"heute"}));
    EXPECT_EQ(WordsOf(OnlyNegative(), u"die E-Mail kam", Words({u"E-Mail"})),
              Words({u"die", u"kam"}));
    // An entry is matched against the text that the entries before it have left.
    EXPECT_EQ(WordsOf(OnlyNegative(), u"a-b c", Words({u"b", u"a-. c"})), Words({}));
    EXPECT_EQ(WordsOf(OnlyNegative(), u"a-b c", Words({u"a-. c", u"b"})), Words({u"a", u"c"}));
    // The built-in list removes lower-case forms too.
    EXPECT_EQ(WordsOf(OnlyNegative(), u"aber dann ABER", BuiltInNegativeList()), Words({}));
}

TEST(FilterPageWords, PositiveListHitsComeFirstAsWritten) {
    const std::vector<Text> weller = Words({u"Weller"});
    // The case-sensitive look finds nothing: no hit, the word goes on as an ordinary word.
    EXPECT_EQ(WordsOf(OnlyPositive(), u"weller", {}, weller), Words({u"weller"}));
    // "Weller" occurs inside "Wellers", and the whole-word replacement removes "weller".
    EXPECT_EQ(WordsOf(OnlyPositive(), u"Wellers und weller", {}, weller),
              Words({u"Weller", u"Wellers", u"und"}));
    // Found as written but not as a whole word: no hit.
    EXPECT_EQ(WordsOf(OnlyPositive(), u"Wellers", {}, weller), Words({u"Wellers"}));
    // One hit per line and page, however often it occurs.
    EXPECT_EQ(WordsOf(OnlyPositive(), u"Weller weller WELLER", {}, weller), Words({u"Weller"}));
    // Blanks become the join mark when asked for.
    const std::vector<Text> name = Words({u"Jonas Weller"});
    EXPECT_EQ(WordsOf(OnlyPositive(), u"kam Jonas Weller", {}, name, true),
              Words({u"Jonas&Weller", u"kam"}));
    EXPECT_EQ(WordsOf(OnlyPositive(), u"kam Jonas Weller", {}, name, false),
              Words({u"Jonas Weller", u"kam"}));
    // Empty lines are skipped; lines are applied in order to the text left by the ones before.
    EXPECT_EQ(WordsOf(OnlyPositive(), u"kam Jonas Weller", {}, Words({u"", u"Jonas", u"Weller"})),
              Words({u"Jonas", u"Weller", u"kam"}));
    EXPECT_EQ(WordsOf(OnlyPositive(), u"kam Jonas Weller", {},
                      Words({u"Jonas", u"Jonas Weller", u"Weller"})),
              Words({u"Jonas", u"Weller", u"kam"}));
}

TEST(FilterPageWords, PositiveListLinesAreLookedForInTheTextThatEarlierHitsLeft) {
    // "Haus" becomes "." and so makes "a-.-b" occur; "Hof" occurs only inside "Hofe".
    const std::vector<Text> shortList = Words({u"Haus", u"a-.-b", u"Hof", u"Garten"});
    const std::vector<Text> longList = [&] {
        std::vector<Text> list = shortList;
        for (const char16_t* filler : {u"Baum", u"Strauch", u"Wiese", u"Feld", u"Wald", u"See",
                                       u"Fluss", u"Berg", u"Tal", u"Weg"}) {
            list.emplace_back(filler);
        }
        return list;
    }();
    for (const std::vector<Text>* list : {&shortList, &longList}) {
        EXPECT_EQ(WordsOf(OnlyPositive(), u"x a-Haus-b Hofe Garten", {}, *list),
                  Words({u"Haus", u"a-.-b", u"Garten", u"x", u"Hofe"}))
            << list->size() << " lines";
    }
    EXPECT_EQ(WordsOf(OnlyPositive(), u"Wald und Weg", {}, longList),
              Words({u"Wald", u"Weg", u"und"}));
}

TEST(FilterPageWords, WordInBothListsIsIndexed) {
    WordCriteria c = AllOff();
    c.usePositiveList = true;
    c.useNegativeList = true;
    EXPECT_EQ(WordsOf(c, u"Aber Haus", Words({u"Aber", u"Haus"}), Words({u"Haus"})),
              Words({u"Haus"}));
    // No other criterion applies to a positive hit.
    c.lowerCaseOut = true;
    c.minLengthOn = true;
    c.minLength = 9;
    c.numbersOut = true;
    EXPECT_EQ(WordsOf(c, u"x ab1 y", {}, Words({u"ab1"})), Words({u"ab1"}));
}

TEST(FilterPageWords, AfterPositiveListSkipsOnlyThatStep) {
    WordCriteria c;
    c.usePositiveList = true;
    const WordPipeline pipeline({c, true}, BuiltInNegativeList(), BuiltInPositiveList());
    std::vector<Text> words;
    pipeline.FilterAfterPositiveList(
        u"Der Hund von Jonas Weller bellt.", u"1", u"-",
        [&](TextView word, TextView, TextView) { words.emplace_back(word); });
    EXPECT_EQ(words, Words({u"Hund", u"Jonas&Weller"}));
}

// Typographic punctuation, unusual spaces and control characters end words as their plain
// forms do; soft hyphens and zero-width characters vanish from the words.
TEST(FilterPageWords, TypographicAndInvisibleCharacters) {
    struct Case {
        const char16_t* page;
        std::vector<Text> expected;
    };
    const std::vector<Case> cases = {
        {u"\u201EQuelltext\u201D und \u201AName\u2018 \u00ABDatei\u00BB \u2039Wort\u203A",
         Words({u"Quelltext", u"und", u"Name", u"Datei", u"Wort"})},
        {u"Berlin\u2014Paris, Rom\u2013Wien\u2026 Ende\u2019s",
         Words({u"Berlin", u"Paris", u"Rom", u"Wien", u"Ende", u"s"})},
        {u"Abschnitt\u00A0Abschnitt\u202FAbschnitt\u2007x\u3000y\u2028z",
         Words({u"Abschnitt", u"Abschnitt", u"Abschnitt", u"x", u"y", u"z"})},
        {u"Seite\fZwei\u0001a\u001Fb\u007Fc\u0085d\u009Fe\u000Bf",
         Words({u"Seite", u"Zwei", u"a", u"b", u"c", u"d", u"e", u"f"})},
        {u"Mitglied\u00ADschaft \uFEFFHaus\u200B\u200Cboot Wort\u2060art Zwi\u200Dschen",
         Words({u"Mitgliedschaft", u"Hausboot", u"Wortart", u"Zwischen"})},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WordsOf(AllOff(), c.page), c.expected) << ToUtf8(c.page);
    }
    EXPECT_EQ(WordsOf(AllOff(), Text(u"Null\0Zeichen", 12)), Words({u"Null", u"Zeichen"}));
}

TEST(FilterPageWords, InvisibleCharactersDoNotHideWordsFromTheLists) {
    WordCriteria c = OnlyNegative();
    c.usePositiveList = true;
    EXPECT_EQ(WordsOf(c, u"Jonas\u00AD Wel\u00ADler und Mit\u00ADglied", Words({u"Mitglied"}),
                      Words({u"Jonas Weller"})),
              Words({u"Jonas&Weller", u"und"}));
}

TEST(FilterPageWords, AFormFeedEndsAWordInsideARunOfCapitalisedWords) {
    EXPECT_EQ(WordsOf(OnlyCombined(), u"kam Jonas\fWeller Haus"),
              Words({u"kam", u"Jonas", u"Weller&Haus"}));
}

TEST(PipelineSteps, EachStepRewritesTheWordString) {
    using namespace pipeline_steps;
    EXPECT_EQ(NormaliseSeparators(u"E-Mail, Haus"), u".E Mail. Haus.");
    EXPECT_EQ(NormaliseSeparators(u"Mit\u00ADglied\u2014\u00A0x"), u".Mitglied..x.");
    EXPECT_EQ(MarkCombinedWords(u".kam Jonas Weller."), u".kam Jonas&Weller.");
    EXPECT_EQ(MarkCombinedWords(u".kam Haus. Jonas x"), u".kam Haus.&Jonas x");
    EXPECT_EQ(MarkCombinedWords(u".Haus. Jonas x"), u".Haus. Jonas x");
    EXPECT_EQ(BlanksToFullStops(u".a b."), u".a.b.");
    EXPECT_EQ(CollapseFullStops(u"..a...b.."), u".a.b.");
    EXPECT_EQ(CollapseFullStops(u".a."), u".a");
    EXPECT_EQ(CollapseFullStops(u"."), u"");
    EXPECT_EQ(CollapseFullStops(u" . "), u"");
    EXPECT_EQ(RemoveDigits(u".MP3.12a"), u".MP....a");
    EXPECT_EQ(RemoveLowerCaseWords(u".Haus.haus.&x.42"), u"Haus.&x.42.");
    EXPECT_EQ(RemoveUpperCaseWords(u"Haus.haus.&x.42.\u0001x"), u".haus.42.\u0001x.");
    EXPECT_EQ(ApplyMinimumLength(u"a.Ab&Cde.Haus", 3), u"Cde.Haus.");
    EXPECT_EQ(ApplyMinimumLength(u"Ab&Cd.", 3), u".");
    EXPECT_EQ(ApplyMinimumLength(u"a..b", 0), u"a..b.");
    std::vector<Text> words;
    DeliverWords(u".a.. \u0001.b c.", u"k", u"t",
                 [&](TextView word, TextView, TextView) { words.emplace_back(word); });
    EXPECT_EQ(words, Words({u"a", u"b c"}));
    EXPECT_EQ(ApplyNegativeList(u"Hund und Katze", Words({u"und", u"Katze"})), u"Hund . .");
}

TEST(BuiltInWordLists, HoldTheShippedEntries) {
    const std::vector<Text>& negative = BuiltInNegativeList();
    ASSERT_EQ(negative.size(), 229u);
    EXPECT_EQ(negative.front(), u"Ab");
    EXPECT_EQ(negative[6], u"\u00C4h");
    EXPECT_EQ(negative.back(), u"Zwischendurch");
    EXPECT_EQ(std::count(negative.begin(), negative.end(), u"Dann"), 2);
    EXPECT_EQ(std::count(negative.begin(), negative.end(), u"Die"), 2);
    EXPECT_EQ(negative[negative.size() - 7], u"ZumGl\u00FCck");
    EXPECT_EQ(BuiltInPositiveList(), Words({u"Jonas Weller"}));
}

}  // namespace
}  // namespace lexorim
