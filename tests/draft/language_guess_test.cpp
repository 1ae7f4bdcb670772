#include <gtest/gtest.h>

#include "draft/language_guess.h"

namespace lexorim {
namespace {

constexpr TextView kEnglish =
    u"The package management system keeps track of every file that belongs to a package. "
    u"When you remove a package, the files that were installed with it are removed as well, "
    u"and the configuration files stay unless you ask for them to be purged too.";

constexpr TextView kGerman =
    u"Das Paketverwaltungssystem merkt sich jede Datei, die zu einem Paket gehört. Wenn Sie "
    u"ein Paket entfernen, werden die damit installierten Dateien ebenfalls gelöscht, und die "
    u"Konfigurationsdateien bleiben erhalten, sofern Sie nicht ausdrücklich danach fragen.";

TEST(LanguageGuessTest, TellsEnglishFromGerman) {
    EXPECT_EQ(GuessLanguage(kEnglish), "en");
    EXPECT_EQ(GuessLanguage(kGerman), "de");
}

TEST(LanguageGuessTest, IsUnsureOfATooShortText) {
    EXPECT_EQ(GuessLanguage(u"dpkg"), "");
    EXPECT_EQ(GuessLanguage(u""), "");
}

TEST(LanguageGuessTest, ResolvesTheSetLanguageTheGuessOrTheFallback) {
    struct Case {
        std::string setting;
        TextView sample;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"auto", kGerman, "de"},
        {"", kEnglish, "en"},
        {"auto", u"dpkg", std::string(kFallbackLanguage)},
        {"de", kEnglish, "de"},
        {"fr", kGerman, "fr"},
    };
    for (const Case& c : cases) {
        DraftOptions options;
        options.language = c.setting;
        EXPECT_EQ(ResolveDraftLanguage(options, c.sample), c.expected) << c.setting;
    }
}

TEST(LanguageGuessTest, SamplesALongTextAtSeveralPlaces) {
    // A long English licence up front does not outweigh the German body of the book.
    Text book;
    for (int i = 0; i < 5; ++i)
        book += kEnglish;
    for (int i = 0; i < 200; ++i)
        book += kGerman;
    const Text sample = LanguageSample(book);
    EXPECT_LT(sample.size(), book.size() / 4);
    EXPECT_EQ(GuessLanguage(sample), "de");
    // A short text is its own sample.
    EXPECT_EQ(LanguageSample(kEnglish), Text(kEnglish));
}

}  // namespace
}  // namespace lexorim
