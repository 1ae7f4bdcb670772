#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "textfiles/document_fixtures.h"
#include "textfiles/internal/document_pages.h"
#include "textfiles/internal/document_readers.h"

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

TEST(PdfReader, ALongDocumentKeepsItsPagesInOrder) {
    // Long enough to be read on several threads; every page and label must stay in its place.
    std::vector<std::vector<std::string>> pages;
    for (int i = 1; i <= 60; ++i)
        pages.push_back({"Seite " + std::to_string(i), "Zeile " + std::to_string(i * 7)});
    const std::optional<DocumentPages> read =
        ReadPdfPages(MakePdf(pages, "<< /Nums [0 << /S /r >> 4 << /S /D >>] >>"), -1);
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->pages.size(), pages.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        const std::string line = std::to_string(i + 1);
        EXPECT_EQ(read->pages[i],
                  FromUtf8("Seite " + line + "\rZeile " + std::to_string((i + 1) * 7) + "\r"))
            << i;
        const Text roman[] = {u"i", u"ii", u"iii", u"iv"};
        EXPECT_EQ(read->numberLines[i], i < 4 ? roman[i] : DecimalText(static_cast<int64_t>(i) - 3))
            << i;
    }
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

// A hyphen at a line end joins the parts of a hyphenated word, but stays in a compound whose
// second part starts with a capital letter.
void ExpectLineEndHyphensResolved(const std::string& pdf, TextView lastCompound) {
    const std::optional<DocumentPages> pages = ReadPdfPages(pdf, -1);
    ASSERT_TRUE(pages.has_value());
    ASSERT_EQ(pages->pages.size(), 1u);
    const Text& text = pages->pages[0];
    for (const TextView expected : {TextView(u"Debian-Maschinen"), TextView(u"Mitgliedschaft"),
                                    TextView(u"Nord-Ostsee"), lastCompound}) {
        EXPECT_NE(text.find(expected), Text::npos) << ToUtf8(expected) << " in " << ToUtf8(text);
    }
    for (const TextView glued : {u"DebianMaschinen", u"NordOstsee", u"BuildA"}) {
        EXPECT_EQ(text.find(glued), Text::npos) << ToUtf8(glued) << " in " << ToUtf8(text);
    }
}

const char* const kHyphenLines[] = {"Die Debian-", "Maschinen laufen. Jede Mitglied-",
                                    "schaft z\xC3\xA4hlt. Nord-", "Ostsee und Build-",
                                    "Abh\xC3\xA4ngigkeiten am Ende."};

// A PDF written by reportlab, as document programs write them: the lines of one paragraph
// (UTF-8), top to bottom. Nothing when python3-reportlab is not installed.
std::optional<std::string> ReportlabPdf(const std::vector<std::string>& lines) {
    testing::TempFolder folder;
    const std::string path = folder.file("lines.pdf");
    std::string script = "from reportlab.pdfgen import canvas\nc = canvas.Canvas('" + path +
                         "')\ny = 800\nfor line in [";
    for (const std::string& line : lines) {
        script += "'" + line + "',";
    }
    script += "]:\n    c.drawString(72, y, line)\n    y -= 14\nc.showPage()\nc.save()\n";
    folder.write("make.py", script);
    if (std::system(("/usr/bin/python3 '" + folder.file("make.py") + "' 2>/dev/null").c_str()) !=
        0) {
        return std::nullopt;
    }
    return testing::TempFolder::read(path);
}

TEST(PdfReader, LineEndHyphensBeforeCapitalsStay) {
    const std::optional<std::string> pdf =
        ReportlabPdf(std::vector<std::string>(std::begin(kHyphenLines), std::end(kHyphenLines)));
    if (!pdf) {
        GTEST_SKIP() << "python3-reportlab is not installed";
    }
    ExpectLineEndHyphensResolved(*pdf, u"Build-Abh\u00E4ngigkeiten");
}

TEST(KeepsLineEndHyphen, DecidesOnTheWholeWordOnEachSide) {
    const struct {
        const char16_t* before;
        const char16_t* after;
        bool kept;
    } cases[] = {
        {u"Mitglied", u"schaft", false},  // hyphenation
        {u"lower", u"case", false},
        {u"Debian", u"Maschinen", true},  // compounds
        {u"Jonas", u"Weller", true},
        {u"USB", u"Stick", true},
        {u"ABC", u"Sch\u00FCtze", true},
        {u"MAP", u"PING", false},  // one word in capitals
        {u"BUIL", u"TIN", false},
        {u"\u00DCBER", u"SETZUNG", false},
        {u"GRO\u00DF", u"BUCHSTABEN", false},  // ß has no capital of its own
        {u"X", u"RAY", true},                  // one letter: a compound
        {u"E", u"MAIL", true},
        {u"MAP", u"S", true},
        {u"MP3", u"PLAYER", true},  // a digit: a name
        {u"A4", u"FORMAT", true},
        {u"Map", u"PING", true},
        {u"MAP", u"Ping", true},
        {u"MAP", u"ping", false},
        {u"MAP", u"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeepsLineEndHyphen(c.before, c.after), c.kept)
            << ToUtf8(c.before) << "-" << ToUtf8(c.after);
    }
}

// In a text set in capitals, a hyphen at a line end splits a word; a name stays hyphenated.
TEST(PdfReader, LineEndHyphensInsideCapitalsJoinTheWord) {
    const std::optional<std::string> pdf = ReportlabPdf({
        "THE MAP-",
        "PING OF UNITS. Jonas-",
        "Weller kam mit X-",
        "RAY. DER BUIL-",
        "TIN BEFEHL, die \xC3\x9C"
        "BER-",
        "SETZUNG und Mitglied-",
        "schaft.",
    });
    if (!pdf) {
        GTEST_SKIP() << "python3-reportlab is not installed";
    }
    const std::optional<DocumentPages> pages = ReadPdfPages(*pdf, -1);
    ASSERT_TRUE(pages.has_value());
    ASSERT_EQ(pages->pages.size(), 1u);
    const Text& text = pages->pages[0];
    for (const TextView expected : {TextView(u"MAPPING OF UNITS"), TextView(u"Jonas-Weller"),
                                    TextView(u"X-RAY"), TextView(u"BUILTIN BEFEHL"),
                                    TextView(u"\u00DCBERSETZUNG"), TextView(u"Mitgliedschaft")}) {
        EXPECT_NE(text.find(expected), Text::npos) << ToUtf8(expected) << " in " << ToUtf8(text);
    }
    for (const TextView wrong : {u"MAP-PING", u"BUIL-TIN", u"\u00DCBER-SETZUNG", u"JonasWeller"}) {
        EXPECT_EQ(text.find(wrong), Text::npos) << ToUtf8(wrong) << " in " << ToUtf8(text);
    }
}

TEST(PdfReader, LineEndHyphensInAPdfOfTheTestWriter) {
    ExpectLineEndHyphensResolved(
        MakePdf({{"Die Debian-", "Maschinen laufen.", "Jede Mitglied-",
                  "schaft zaehlt. Nord-Ostsee und Build-", "Ablauf am Ende."}}),
        u"Build-Ablauf");
}

}  // namespace
}  // namespace lexorim
