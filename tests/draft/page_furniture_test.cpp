#include "draft/page_furniture.h"

#include <gtest/gtest.h>

#include "draft/generated_book.h"

namespace lexorim {
namespace {

using testing::BodyPages;
using testing::BookPage;
using testing::ViewsOf;

TEST(RunningHeads, TheRecurringFormLeavesOutNumbersArabicAndRoman) {
    EXPECT_EQ(RecurringForm(u"12    Das Gartenbuch"), u"das gartenbuch");
    EXPECT_EQ(RecurringForm(u"Kapitel 2: Obstb\u00E4ume  xiv"), u"kapitel : obstb\u00E4ume");
    EXPECT_EQ(RecurringForm(u"4 / 233"), u"/");
    // Only numerals in their usual form are numbers: "mix" is one, "Civil" is a word.
    EXPECT_EQ(RecurringForm(u"Civil Liberties"), u"civil liberties");
}

TEST(RunningHeads, HeadsAndFeetOfOddAndEvenPagesAreFoundAndTheTextIsNot) {
    const std::vector<BookPage> book = BodyPages();
    const std::vector<std::vector<size_t>> heads = FindRunningHeads(ViewsOf(book));
    ASSERT_EQ(heads.size(), book.size());
    for (size_t p = 0; p < book.size(); ++p) {
        // The head (line 0) and the foot (line 5), not the body lines next to them, which are
        // alike but for their word.
        EXPECT_EQ(heads[p], (std::vector<size_t>{0, 5})) << "page " << p;
    }
}

TEST(RunningHeads, ALineAtTheTopOfAFewScatteredPagesIsText) {
    std::vector<BookPage> book;
    for (int i = 0; i < 12; ++i) {
        book.push_back({i % 5 == 0 ? u"Wichtig"
                                   : u"Zeile " + DecimalText(i) + u" mit Wort " +
                                         Text(1, static_cast<char16_t>(u'A' + i)),
                        u"Der Text der Seite", u"geht hier weiter"});
        book.back()[1] += Text(1, static_cast<char16_t>(u'a' + i));
        book.back()[2] += Text(1, static_cast<char16_t>(u'a' + i));
    }
    // "Wichtig" heads pages 0, 5 and 10: three times, but on a fifth of the pages between.
    for (const std::vector<size_t>& page : FindRunningHeads(ViewsOf(book)))
        EXPECT_TRUE(page.empty());
}

TEST(ContentsPages, ContentsAndIndexPagesAreToldFromText) {
    const auto isContents = [](const BookPage& page) {
        const PageLines lines(page.begin(), page.end());
        return IsContentsPage(lines);
    };
    EXPECT_TRUE(isContents(testing::ContentsPage()));
    EXPECT_TRUE(isContents(testing::IndexPage()));
    // A list of tables whose long titles run into the dot leader before the page number.
    const Text leader(60, u'.');
    EXPECT_TRUE(
        isContents({u"9.26 List of key packages to be installed for the kernel " + leader + u" 171",
                    u"9.27 List of virtualization tools " + leader + u" 174",
                    u"10.1 List of archive and compression tools " + leader + u" 179"}));
    // Long lines of text that end in numbers.
    const Text text = u"The package was first uploaded in the year of the release, and its size ";
    EXPECT_FALSE(isContents({text + u"is 1890", text + u"grew to 2400", text + u"then 17"}));
    for (const BookPage& page : BodyPages())
        EXPECT_FALSE(isContents(page));
    // A page of text that mentions a year and a figure at two line ends.
    EXPECT_FALSE(isContents({u"Die Sorte kam 1890", u"aus Frankreich zu uns, wo sie", u"seit",
                             u"langem bekannt war. Siehe Bild 4", u"und die Tabelle unten."}));
    // Too short to tell.
    EXPECT_FALSE(isContents({u"Apfel 3", u"Birne 4"}));
}

}  // namespace
}  // namespace lexorim
