#include "textfiles/page_numbering.h"

#include <gtest/gtest.h>

#include "textfiles/document_fixtures.h"
#include "textfiles/internal/document_readers.h"

namespace lexorim {
namespace {

TEST(FormatPageNumber, WritesEachFormat) {
    const struct {
        int64_t number;
        PageNumberFormat format;
        Text expected;
    } cases[] = {
        {7, PageNumberFormat::Decimal, u"7"},
        {1, PageNumberFormat::LowerRoman, u"i"},
        {4, PageNumberFormat::LowerRoman, u"iv"},
        {14, PageNumberFormat::LowerRoman, u"xiv"},
        {1994, PageNumberFormat::UpperRoman, u"MCMXCIV"},
        {1, PageNumberFormat::LowerLetter, u"a"},
        {26, PageNumberFormat::LowerLetter, u"z"},
        {27, PageNumberFormat::LowerLetter, u"aa"},
        {54, PageNumberFormat::UpperLetter, u"BBB"},
        {0, PageNumberFormat::LowerRoman, u"0"},
        {-3, PageNumberFormat::UpperLetter, u"-3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatPageNumber(c.number, c.format), c.expected) << c.number;
    }
}

NumberingSection Section(PageNumberFormat format, std::optional<int64_t> start,
                         const char16_t* firstText = u"") {
    NumberingSection section;
    section.format = format;
    section.start = start;
    section.firstText = firstText;
    return section;
}

TEST(NumberPages, RestartsAndContinuesBySection) {
    const std::vector<NumberingSection> sections = {
        Section(PageNumberFormat::LowerRoman, 1), Section(PageNumberFormat::Decimal, 1),
        Section(PageNumberFormat::UpperLetter, std::nullopt),  // goes on counting
        Section(PageNumberFormat::Decimal, 10),                // never found: no effect
    };
    EXPECT_EQ(NumberPages(7, sections, {0, 2, 5, std::nullopt}),
              (std::vector<Text>{u"i", u"ii", u"1", u"2", u"3", u"D", u"E"}));
    // Pages before the first section that was found count from 1.
    EXPECT_EQ(NumberPages(3, sections, {std::nullopt, 1, std::nullopt, std::nullopt}),
              (std::vector<Text>{u"1", u"1", u"2"}));
}

TEST(LocateSections, FindsEachSectionByItsTextInOrder) {
    const std::vector<Text> pages = {u"Vorwort\rText\r", u"mehr Text\r",
                                     u"Kapitel 1 – Der\rAnfang\r", u"Kapitel 2\r"};
    const std::vector<NumberingSection> sections = {
        Section(PageNumberFormat::LowerRoman, 1, u"Vorwort Text"),
        Section(PageNumberFormat::Decimal, 1, u"Kapitel 1: Der Anfang"),
        Section(PageNumberFormat::Decimal, std::nullopt, u"Kapitel"),
        Section(PageNumberFormat::Decimal, std::nullopt, u"Nirgends"),
        Section(PageNumberFormat::Decimal, std::nullopt, u""),
    };
    EXPECT_EQ(LocateSections(pages, sections),
              (std::vector<std::optional<size_t>>{0, 2, 3, std::nullopt, std::nullopt}));
}

TEST(DefinesOwnNumbering, OnlyWhenNotOneToN) {
    EXPECT_FALSE(DefinesOwnNumbering({}));
    EXPECT_FALSE(DefinesOwnNumbering({Section(PageNumberFormat::Decimal, 1)}));
    EXPECT_TRUE(DefinesOwnNumbering({Section(PageNumberFormat::Decimal, 5)}));
    EXPECT_TRUE(DefinesOwnNumbering({Section(PageNumberFormat::LowerRoman, std::nullopt)}));
    EXPECT_TRUE(DefinesOwnNumbering(
        {Section(PageNumberFormat::Decimal, 1), Section(PageNumberFormat::Decimal, 1)}));
}

TEST(DocxPageNumbers, SectionsNumberTheirOwnPages) {
    const std::string body =
        "<w:p><w:r><w:t>Vorwort</w:t></w:r></w:p>"
        "<w:p><w:r><w:br w:type=\"page\"/><w:t>Dank</w:t></w:r></w:p>"
        "<w:p><w:pPr><w:sectPr><w:pgNumType w:fmt=\"upperRoman\" w:start=\"3\"/></w:sectPr>"
        "</w:pPr></w:p>"
        "<w:p><w:r><w:t>Kapitel</w:t></w:r></w:p>"
        "<w:p><w:r><w:br w:type=\"page\"/><w:t>Weiter</w:t></w:r></w:p>"
        "<w:sectPr><w:pgNumType w:start=\"1\"/></w:sectPr>";
    const std::optional<DocumentPages> pages = ReadDocxPages(testing::MakeDocx(body));
    ASSERT_TRUE(pages.has_value());
    EXPECT_EQ(pages->numberLines, (std::vector<Text>{u"III", u"IV", u"1", u"2"}));
    // Without numbering of its own, a document is numbered 1 to n.
    EXPECT_TRUE(
        ReadDocxPages(testing::MakeDocx("<w:p><w:r><w:t>x</w:t></w:r></w:p>"
                                        "<w:sectPr><w:pgNumType w:start=\"1\"/></w:sectPr>"))
            ->numberLines.empty());
}

}  // namespace
}  // namespace lexorim
