#include <gtest/gtest.h>

#include <string>

#include "textfiles/document_fixtures.h"
#include "textfiles/document_pages.h"
#include "textfiles/document_readers.h"
#include "temp_folder.h"

namespace lexorim {
namespace {

using testing::MakePdf;
using testing::UnitsToHex;

Text Read(const std::string& bytes, int pageLimit = -1) {
    const std::optional<DocumentPages> pages = ReadPdfPages(bytes, pageLimit);
    return pages ? FormatDocumentPages(pages->pages, pages->numberLines, pageLimit) : Text();
}

const std::vector<std::vector<std::string>> kFourPages = {
    {"Preface"}, {"Contents"}, {"Chapter one", "begins here"}, {"Chapter two"}};

TEST(PdfReader, PagesAreNumberedByPositionWithoutPageLabels) {
    const Text text = Read(MakePdf(kFourPages));
    EXPECT_EQ(text,
              u"Preface\r\n\r\n1\r\nContents\r\n\r\n2\r\nChapter one\r\nbegins here\r\n\r\n3\r\n"
              u"Chapter two\r\n\r\n4\r\n")
        << UnitsToHex(text);
}

TEST(PdfReader, PageLabelsGiveTheNumberLines) {
    struct Case {
        const char* name;
        std::string labels;
        std::vector<Text> numbers;
    };
    const Case cases[] = {
        {"roman, then decimal",
         "<< /Nums [0 << /S /r >> 2 << /S /D >>] >>",
         {u"i", u"ii", u"1", u"2"}},
        {"upper roman with a start",
         "<< /Nums [0 << /S /R /St 11 >>] >>",
         {u"XI", u"XII", u"XIII", u"XIV"}},
        {"decimal with a prefix",
         "<< /Nums [0 << /S /D /P (A-) /St 17 >>] >>",
         {u"A-17", u"A-18", u"A-19", u"A-20"}},
        {"letters", "<< /Nums [0 << /S /a >>] >>", {u"a", u"b", u"c", u"d"}},
        {"a prefix alone",
         "<< /Nums [0 << /P (Cover) >> 1 << /S /D >>] >>",
         {u"Cover", u"1", u"2", u"3"}},
        {"empty labels fall back to the position",
         "<< /Nums [0 << >> 2 << /S /D >>] >>",
         {u"1", u"2", u"1", u"2"}},
    };
    for (const Case& c : cases) {
        const std::optional<DocumentPages> pages = ReadPdfPages(MakePdf(kFourPages, c.labels), -1);
        ASSERT_TRUE(pages.has_value()) << c.name;
        EXPECT_EQ(pages->numberLines, c.numbers) << c.name;
    }
}

TEST(PdfReader, LabelledPagesInThePageFormat) {
    const Text text = Read(MakePdf(kFourPages, "<< /Nums [0 << /S /r >> 2 << /S /D >>] >>"), 3);
    EXPECT_EQ(text,
              u"Preface\r\n\r\ni\r\nContents\r\n\r\nii\r\nChapter one\r\nbegins here\r\n\r\n1\r\n")
        << UnitsToHex(text);
}

TEST(PdfReader, PageLimitReadsOnlyTheFirstPages) {
    const std::string bytes = MakePdf(kFourPages);
    for (const int limit : {0, 1, 2, 4, 9}) {
        const std::optional<DocumentPages> pages = ReadPdfPages(bytes, limit);
        ASSERT_TRUE(pages.has_value());
        EXPECT_EQ(pages->pages.size(), static_cast<size_t>(std::min(limit, 4))) << limit;
    }
    EXPECT_EQ(Read(bytes, 0), u"");
}

TEST(PdfReader, APageWithoutTextKeepsItsNumberLine) {
    EXPECT_EQ(Read(MakePdf({{"first"}, {}, {"third"}})),
              u"first\r\n\r\n1\r\n\r\n2\r\nthird\r\n\r\n3\r\n");
}

TEST(PdfReader, BadInputGivesNoPages) {
    const std::string good = MakePdf(kFourPages);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"not a PDF", "Just some text.\n"},
        {"header only", "%PDF-1.4\n"},
        {"a zip", testing::MakeZip({{"a.txt", "a"}})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(c.bytes), u"") << c.name;
    }
}

TEST(PdfReader, DamagedFilesNeverCrash) {
    const std::string good = MakePdf(kFourPages, "<< /Nums [0 << /S /r >>] >>");
    for (size_t length = 0; length < good.size(); length += 13) {
        (void)Read(good.substr(0, length));
        std::string flipped = good;
        flipped[length] = static_cast<char>(flipped[length] ^ 0x21);
        (void)Read(flipped);
    }
    SUCCEED();
}

}  // namespace
}  // namespace lexorim
