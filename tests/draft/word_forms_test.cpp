#include <gtest/gtest.h>

#include "draft/word_forms.h"
#include "engine/collation.h"
#include "engine/word_pipeline.h"
#include "textindex/text_index_run.h"

namespace lexorim {
namespace {

// Small books with one page a line, indexed with the plain rules and the options under test.
class WordFormsTest : public ::testing::Test {
  protected:
    WordFormsTest() {
        options.lineMode = true;
        options.multipleCombined = false;
        options.draft.language = "de";
        lists.negative = BuiltInNegativeList();
        lists.positive = BuiltInPositiveList();
    }

    Text Run(TextView source) const {
        return RunTextIndex(options, source,
                            {.lists = lists, .collator = collator, .language = Language::German})
            .output;
    }

    TextIndexOptions options;
    WordLists lists;
    LocaleCollator collator{"de_DE"};
};

TEST_F(WordFormsTest, MergesGermanInflectedFormsUnderTheMostUsedOne) {
    const Text book =
        u"ein Paket hier\r\nzwei Pakete dort\r\nmit den Paketen\r\ndes Pakets wegen\r\n"
        u"\r\n\r\n\r\n\r\n\r\nnoch Pakete da\r\ndes Paketes wegen\r\nviele Pakete\r\n";
    EXPECT_EQ(Run(book),
              u"Index\r\n\r\nP\r\nPaket 1\r\nPakete 2, 10, 12\r\n"
              u"Paketen 3\r\nPaketes 11\r\nPakets 4\r\n");
    options.draft.mergeWordForms = true;
    // The locators in the order of the pages, not of their labels' text ("10" before "2").
    EXPECT_EQ(Run(book), u"Index\r\n\r\nP\r\nPakete 1, 2, 3, 4, 10, 11, 12\r\n");
}

TEST_F(WordFormsTest, TiesGoToTheShorterFormAndDuplicatesStayWhenAskedFor) {
    options.draft.mergeWordForms = true;
    EXPECT_EQ(Run(u"Dateien\r\nDatei"), u"Index\r\n\r\nD\r\nDatei 1, 2\r\n");
    options.removeDuplicates = false;
    EXPECT_EQ(Run(u"Datei und Datei\r\nDateien"), u"Index\r\n\r\nD\r\nDatei 1, 1, 2\r\n");
    options.removeDuplicates = true;
    EXPECT_EQ(Run(u"Datei und Dateien\r\nDatei"), u"Index\r\n\r\nD\r\nDatei 1, 2\r\n");
}

TEST_F(WordFormsTest, KeepsWordsApartThatOnlyLookAlike) {
    options.draft.mergeWordForms = true;
    struct Case {
        const char16_t* book;
        std::string language;
        const char16_t* index;
    };
    const Case cases[] = {
        // Short words are never merged.
        {u"der Arm\r\ndie Arme", "de", u"Index\r\n\r\nA\r\nArm 1\r\nArme 2\r\n"},
        // A derived word is not a form of its verb, though the dictionary stems both alike.
        {u"das Beschreiben\r\ndie Beschreibung\r\nder Beschreibungen", "de",
         u"Index\r\n\r\nB\r\nBeschreiben 1\r\nBeschreibung 2, 3\r\n"},
        // A word listed as a base form of its own stays, though it could be a plural.
        {u"a Window\r\nthe Windows\r\nthe Windows\r\nthe Package\r\nthe Packages", "en",
         u"Index\r\n\r\nP\r\nPackage 4, 5\r\n\r\nW\r\nWindow 1\r\nWindows 2, 3\r\n"},
        // An upper-case "S" at the end of an unknown word is not a plural.
        {u"per HTTP\r\nper HTTPS", "de", u"Index\r\n\r\nH\r\nHTTP 1\r\nHTTPS 2\r\n"},
        // A language with neither dictionary nor stemmer leaves the entries as they are.
        {u"ein Paket\r\nzwei Pakete", "xx", u"Index\r\n\r\nP\r\nPaket 1\r\nPakete 2\r\n"},
        // Without a Hunspell dictionary the Snowball stemmer stems.
        {u"le Paquet\r\ndes Paquets", "fr", u"Index\r\n\r\nP\r\nPaquet 1, 2\r\n"},
    };
    for (const Case& c : cases) {
        options.draft.language = c.language;
        EXPECT_EQ(ToUtf8(Run(c.book)), ToUtf8(c.index)) << ToUtf8(c.book);
    }
}

TEST_F(WordFormsTest, MergesNounsUmlautsAndCompounds) {
    options.draft.mergeWordForms = true;
    struct Case {
        const char16_t* book;
        const char16_t* index;
    };
    const Case cases[] = {
        // A noun's forms, though "Befehle" and "Befehlen" are forms of the verb "befehlen" too.
        {u"ein Befehl\r\nzwei Befehle\r\ndes Befehls\r\nmit Befehlen",
         u"Index\r\n\r\nB\r\nBefehl 1, 2, 3, 4\r\n"},
        // Umlauts count as their base letters.
        {u"ein Haus\r\nzwei Häuser\r\nin Häusern", u"Index\r\n\r\nH\r\nHaus 1, 2, 3\r\n"},
        // A compound that the dictionary knows only by its parts.
        {u"ein Betriebssystem\r\nzwei Betriebssysteme\r\ndes Betriebssystems",
         u"Index\r\n\r\nB\r\nBetriebssystem 1, 2, 3\r\n"},
        // The "s" plural of words that the dictionary does not know.
        {u"ein Commit\r\nzwei Commits\r\nein FIFO\r\nzwei FIFOs",
         u"Index\r\n\r\nC\r\nCommit 1, 2\r\n\r\nF\r\nFIFO 3, 4\r\n"},
        // The first part of a hyphenated compound, which the dictionary knows only inside one.
        {u"die Installation\r\neine Installations-CD", u"Index\r\n\r\nI\r\nInstallation 1, 2\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToUtf8(Run(c.book)), ToUtf8(c.index)) << ToUtf8(c.book);
}

TEST_F(WordFormsTest, MergesCaseVariantsUnderTheSpellingOnMostPages) {
    options.criteria.lowerCaseOut = false;
    const Text book = u"BESCHREIBUNG und DPKG\r\neine Beschreibung\r\njede Beschreibung, dpkg";
    EXPECT_EQ(Run(book),
              u"Index\r\n\r\nB\r\nBESCHREIBUNG 1, 2, 3\r\n\r\nD\r\nDPKG 1, 3\r\n"
              u"\r\nJ\r\njede 3\r\n");
    options.draft.mergeCaseVariants = true;
    // "dpkg" and "DPKG" are on one page each: the fewer capitals win.
    EXPECT_EQ(Run(book),
              u"Index\r\n\r\nB\r\nBeschreibung 1, 2, 3\r\n\r\nD\r\ndpkg 1, 3\r\n"
              u"\r\nJ\r\njede 3\r\n");
}

TEST_F(WordFormsTest, CaseVariantsAndWordFormsTogether) {
    options.draft.mergeCaseVariants = true;
    options.draft.mergeWordForms = true;
    EXPECT_EQ(Run(u"PAKETE\r\ndie Pakete\r\ndie Pakete\r\nein Paket"),
              u"Index\r\n\r\nP\r\nPakete 1, 2, 3, 4\r\n");
}

}  // namespace
}  // namespace lexorim
