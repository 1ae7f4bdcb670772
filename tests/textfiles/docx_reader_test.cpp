#include <gtest/gtest.h>

#include <string>

#include "temp_folder.h"
#include "textfiles/document_fixtures.h"
#include "textfiles/internal/document_readers.h"

namespace lexorim {
namespace {

using testing::DocxDocumentXml;
using testing::MakeDocx;
using testing::MakeZip;
using testing::UnitsToHex;

std::string R(const std::string& inner) {
    return "<w:r>" + inner + "</w:r>";
}
std::string T(const std::string& text) {
    return "<w:t xml:space=\"preserve\">" + text + "</w:t>";
}
std::string P(const std::string& text) {
    return "<w:p>" + R(T(text)) + "</w:p>";
}
std::string PWithProperties(const std::string& properties, const std::string& runs) {
    return "<w:p><w:pPr>" + properties + "</w:pPr>" + runs + "</w:p>";
}
const std::string kPageBreak = "<w:br w:type=\"page\"/>";
const std::string kRendered = "<w:lastRenderedPageBreak/>";
const std::string kBodySection = "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/></w:sectPr>";

Text Read(const std::string& body, int pageLimit = -1) {
    return ReadDocxBytes(MakeDocx(body + kBodySection), pageLimit);
}

struct BreakCase {
    const char* name;
    std::string body;
    Text expected;
};

void ExpectCases(const std::vector<BreakCase>& cases) {
    for (const BreakCase& c : cases) {
        const Text text = Read(c.body);
        EXPECT_EQ(text, c.expected) << c.name << "\n got: " << UnitsToHex(text);
    }
}

TEST(DocxReader, OneParagraphIsOnePageEndingWithItsParagraphMark) {
    EXPECT_EQ(Read(P("Hello world")), u"Hello world\r\n\r\n1\r\n");
}

TEST(DocxReader, ParagraphsRunsTabsAndLineBreaks) {
    const std::string body =
        "<w:p>" + R(T("a") + "<w:tab/>" + T("b")) + R("<w:br/>" + T("c") + "<w:cr/>" + T("d")) +
        R("<w:br w:type=\"textWrapping\"/>" + T("e")) + "</w:p>" + P("f") + "<w:p/>" + P("g");
    EXPECT_EQ(Read(body), u"a\tb\r\nc\r\nd\r\ne\r\nf\r\n\r\ng\r\n\r\n1\r\n");
}

TEST(DocxReader, InsertedPageBreaks) {
    ExpectCases({
        {"break in a paragraph of its own, as Word writes it",
         P("A") + "<w:p>" + R(kPageBreak) + "</w:p>" + "<w:p>" + R(kRendered + T("B")) + "</w:p>",
         u"A\r\n\r\n\r\n1\r\nB\r\n\r\n2\r\n"},
        {"break inside a paragraph splits it", "<w:p>" + R(T("A") + kPageBreak + T("B")) + "</w:p>",
         u"A\r\n1\r\nB\r\n\r\n2\r\n"},
        {"break inside a paragraph with the recorded page start after it",
         "<w:p>" + R(T("A")) + R(kPageBreak) + R(kRendered + T("B")) + "</w:p>",
         u"A\r\n1\r\nB\r\n\r\n2\r\n"},
        {"break at the end of a paragraph keeps the mark on its page",
         "<w:p>" + R(T("A") + kPageBreak) + "</w:p>" + P("B"), u"A\r\n\r\n1\r\nB\r\n\r\n2\r\n"},
        {"two breaks leave an empty page",
         P("A") + "<w:p>" + R(kPageBreak + kPageBreak + T("B")) + "</w:p>",
         u"A\r\n\r\n1\r\n\r\n2\r\nB\r\n\r\n3\r\n"},
        {"a break at the start of the document leaves an empty first page",
         "<w:p>" + R(kPageBreak + T("A")) + "</w:p>", u"\r\n1\r\nA\r\n\r\n2\r\n"},
        {"a break at the end of the document adds no page",
         P("A") + "<w:p>" + R(kPageBreak) + "</w:p>", u"A\r\n\r\n\r\n1\r\n"},
        {"column breaks are line breaks",
         "<w:p>" + R(T("A") + "<w:br w:type=\"column\"/>" + T("B")) + "</w:p>",
         u"A\r\nB\r\n\r\n1\r\n"},
    });
}

TEST(DocxReader, RenderedPageBreaks) {
    ExpectCases({
        {"page start between paragraphs", P("A") + "<w:p>" + R(kRendered + T("B")) + "</w:p>",
         u"A\r\n\r\n1\r\nB\r\n\r\n2\r\n"},
        {"page start inside a paragraph",
         "<w:p>" + R(T("end of ")) + R(kRendered + T("page")) + "</w:p>",
         u"end of \r\n1\r\npage\r\n\r\n2\r\n"},
        {"several page starts",
         P("A") + "<w:p>" + R(kRendered + T("B")) + "</w:p>" + "<w:p>" + R(kRendered + T("C")) +
             "</w:p>",
         u"A\r\n\r\n1\r\nB\r\n\r\n2\r\nC\r\n\r\n3\r\n"},
        {"a page start before any text is no page", "<w:p>" + R(kRendered + T("A")) + "</w:p>",
         u"A\r\n\r\n1\r\n"},
        {"two recorded starts in a row make one page",
         P("A") + "<w:p>" + R(kRendered) + R(kRendered + T("B")) + "</w:p>",
         u"A\r\n\r\n1\r\nB\r\n\r\n2\r\n"},
    });
}

TEST(DocxReader, SectionBreaks) {
    auto section = [](const std::string& type) {
        return PWithProperties("<w:sectPr>" + type + "<w:pgSz w:w=\"11906\"/></w:sectPr>",
                               R(T("A"))) +
               "<w:p>" + R(kRendered + T("B")) + "</w:p>";
    };
    auto sectionWithoutRendered = [](const std::string& type) {
        return PWithProperties("<w:sectPr>" + type + "</w:sectPr>", R(T("A"))) + P("B");
    };
    const Text twoPages = u"A\r\n\r\n1\r\nB\r\n\r\n2\r\n";
    const Text onePage = u"A\r\nB\r\n\r\n1\r\n";
    ExpectCases({
        {"no type: next page", sectionWithoutRendered(""), twoPages},
        {"next page", sectionWithoutRendered("<w:type w:val=\"nextPage\"/>"), twoPages},
        {"odd page", sectionWithoutRendered("<w:type w:val=\"oddPage\"/>"), twoPages},
        {"even page", sectionWithoutRendered("<w:type w:val=\"evenPage\"/>"), twoPages},
        {"continuous", sectionWithoutRendered("<w:type w:val=\"continuous\"/>"), onePage},
        {"next page with the recorded page start", section("<w:type w:val=\"nextPage\"/>"),
         twoPages},
        {"continuous section whose text still moved on", section("<w:type w:val=\"continuous\"/>"),
         twoPages},
    });
}

TEST(DocxReader, PageBreakBeforeAParagraph) {
    const std::string breakBefore = "<w:pageBreakBefore/>";
    ExpectCases({
        {"page break before", P("A") + PWithProperties(breakBefore, R(T("B"))),
         u"A\r\n\r\n1\r\nB\r\n\r\n2\r\n"},
        {"switched on with a value",
         P("A") + PWithProperties("<w:pageBreakBefore w:val=\"true\"/>", R(T("B"))),
         u"A\r\n\r\n1\r\nB\r\n\r\n2\r\n"},
        {"switched off", P("A") + PWithProperties("<w:pageBreakBefore w:val=\"0\"/>", R(T("B"))),
         u"A\r\nB\r\n\r\n1\r\n"},
        {"switched off by name",
         P("A") + PWithProperties("<w:pageBreakBefore w:val=\"false\"/>", R(T("B"))),
         u"A\r\nB\r\n\r\n1\r\n"},
        {"on the first paragraph", PWithProperties(breakBefore, R(T("A"))), u"A\r\n\r\n1\r\n"},
        {"with the recorded page start",
         P("A") + PWithProperties(breakBefore, R(kRendered + T("B"))),
         u"A\r\n\r\n1\r\nB\r\n\r\n2\r\n"},
    });
}

TEST(DocxReader, TablesAreReadCellByCell) {
    auto cell = [](const std::string& content) { return "<w:tc><w:tcPr/>" + content + "</w:tc>"; };
    const std::string table = "<w:tbl><w:tblPr/><w:tblGrid/><w:tr>" + cell(P("a1")) +
                              cell(P("b1")) + "</w:tr><w:tr>" + cell(P("a2") + P("a2b")) +
                              cell(P("b2")) + "</w:tr></w:tbl>";
    EXPECT_EQ(Read(P("before") + table + P("after")),
              u"before\r\na1\r\nb1\r\na2\r\na2b\r\nb2\r\nafter\r\n\r\n1\r\n");
}

TEST(DocxReader, TableRowsOnANewPageBreakOnce) {
    auto cell = [](const std::string& content) { return "<w:tc>" + content + "</w:tc>"; };
    auto renderedP = [](const std::string& text) {
        return "<w:p>" + R(kRendered + T(text)) + "</w:p>";
    };
    // Word records the page start in every cell of the row that begins the new page; the
    // second cell runs over two pages.
    const std::string table = "<w:tbl><w:tr>" + cell(P("a1")) + cell(P("b1")) + "</w:tr><w:tr>" +
                              cell(renderedP("a2")) + cell(renderedP("b2") + renderedP("b2 more")) +
                              "</w:tr><w:tr>" + cell(P("a3")) + "</w:tr></w:tbl>";
    EXPECT_EQ(Read(table), u"a1\r\nb1\r\n\r\n1\r\na2\r\nb2\r\n\r\n2\r\nb2 more\r\na3\r\n\r\n3\r\n");
}

TEST(DocxReader, RevisionsFieldsAndHyperlinks) {
    const std::string body =
        "<w:p>" + R(T("kept ")) + "<w:del w:id=\"1\">" + R("<w:delText>gone </w:delText>") +
        "</w:del>" + "<w:ins w:id=\"2\">" + R(T("added ")) + "</w:ins>" +
        R("<w:delText>also gone</w:delText>") + "<w:hyperlink r:id=\"x\" xmlns:r=\"r\">" +
        R(T("link")) + "</w:hyperlink>" + R("<w:fldChar w:fldCharType=\"begin\"/>") +
        R("<w:instrText> PAGE </w:instrText>") + R("<w:fldChar w:fldCharType=\"separate\"/>") +
        R(T(" 7")) + R("<w:fldChar w:fldCharType=\"end\"/>") +
        "<w:fldSimple w:instr=\"NUMPAGES\">" + R(T(" 9")) + "</w:fldSimple>" +
        R(T(" x") + "<w:noBreakHyphen/>" + T("y")) + "<w:moveFrom>" + R(T("moved away")) +
        "</w:moveFrom>" + "</w:p>";
    EXPECT_EQ(Read(body), u"kept added link 7 9 x-y\r\n\r\n1\r\n");
}

TEST(DocxReader, TextBoxesAreNotPartOfTheTextFlow) {
    const std::string textBox =
        "<mc:AlternateContent><mc:Choice Requires=\"wps\"><w:drawing><wps:txbx><w:txbxContent>" +
        P("choice box") +
        "</w:txbxContent></wps:txbx></w:drawing></mc:Choice><mc:Fallback><w:pict><w:txbxContent>" +
        P("fallback box") + "</w:txbxContent></w:pict></mc:Fallback></mc:AlternateContent>";
    EXPECT_EQ(Read("<w:p>" + R(T("main") + textBox) + R(T(" text")) + "</w:p>"),
              u"main text\r\n\r\n1\r\n");
}

TEST(DocxReader, ContentControlsAndAlternateBlocksAreRead) {
    const std::string body =
        "<w:sdt><w:sdtPr><w:alias w:val=\"x\"/></w:sdtPr><w:sdtContent>" + P("in control") +
        "</w:sdtContent></w:sdt>" + "<w:p><w:sdt><w:sdtPr/><w:sdtContent>" +
        R(T("inline control")) + "</w:sdtContent></w:sdt></w:p>" +
        "<mc:AlternateContent><mc:Choice Requires=\"x\">" + P("new") + "</mc:Choice><mc:Fallback>" +
        P("old") + "</mc:Fallback></mc:AlternateContent>";
    EXPECT_EQ(Read(body), u"in control\r\ninline control\r\nold\r\n\r\n1\r\n");
}

TEST(DocxReader, CharactersAndEntitiesSurvive) {
    const Text text =
        Read(P("Gr\xC3\xBC\xC3\x9F"
               "e &amp; &lt;Tag&gt; \xF0\x9F\x98\x80"));
    EXPECT_EQ(text, u"Grüße & <Tag> \U0001F600\r\n\r\n1\r\n") << UnitsToHex(text);
}

TEST(DocxReader, LineEndsInsideTextAreBlanks) {
    EXPECT_EQ(Read(P("a\nb\r\nc")), u"a b c\r\n\r\n1\r\n");
}

TEST(DocxReader, PageLimitReadsTheFirstPages) {
    const std::string body = P("one") + "<w:p>" + R(kRendered + T("two")) + "</w:p>" + "<w:p>" +
                             R(kRendered + T("three")) + "</w:p>";
    EXPECT_EQ(Read(body, 2), u"one\r\n\r\n1\r\ntwo\r\n\r\n2\r\n");
    EXPECT_EQ(Read(body, 0), u"");
    EXPECT_EQ(Read(body, 3), Read(body, -1));
}

TEST(DocxReader, AnotherPrefixForTheWordNamespace) {
    const std::string document =
        R"(<x:document xmlns:x="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
        R"(<x:body><x:p><x:r><x:t>A</x:t><x:br x:type="page"/><x:t>B</x:t></x:r></x:p>)"
        R"(<w:p xmlns:w="other"><w:r><w:t>not word</w:t></w:r></w:p></x:body></x:document>)";
    EXPECT_EQ(ReadDocxBytes(MakeZip({{"word/document.xml", document}}), -1),
              u"A\r\n1\r\nB\r\n\r\n2\r\n");
}

TEST(DocxReader, TheMainPartIsFoundThroughThePackageRelationships) {
    const std::string rels =
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="a" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/>)"
        R"(<Relationship Id="b" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="/word/main.xml"/>)"
        R"(</Relationships>)";
    const std::string bytes = MakeZip({{"_rels/.rels", rels},
                                       {"word/document.xml", DocxDocumentXml(P("wrong part"))},
                                       {"word/main.xml", DocxDocumentXml(P("main part"))}});
    EXPECT_EQ(ReadDocxBytes(bytes, -1), u"main part\r\n\r\n1\r\n");
}

TEST(DocxReader, InvalidPackagesGiveNoPages) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"not a zip", "This is plain text, not a document."},
        {"zip signature only", "PK\x03\x04 broken"},
        {"zip without the document part", MakeZip({{"word/other.xml", DocxDocumentXml(P("x"))}})},
        {"malformed XML", MakeZip({{"word/document.xml", "<w:document><w:body><w:p>"}})},
        {"not XML at all", MakeZip({{"word/document.xml", "\x01\x02\x03"}})},
        {"another root element",
         MakeZip(
             {{"word/document.xml",
               R"(<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"/>)"}})},
        {"no body",
         MakeZip(
             {{"word/document.xml",
               R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"/>)"}})},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(ReadDocxPages(c.bytes).has_value()) << c.name;
        EXPECT_EQ(ReadDocxBytes(c.bytes, -1), u"") << c.name;
    }
}

TEST(DocxReader, ATruncatedPackageNeverCrashes) {
    const std::string bytes = MakeDocx(P("A") + "<w:p>" + R(kRendered + T("B")) + "</w:p>");
    for (size_t length = 0; length < bytes.size(); length += 7) {
        const std::string cut = bytes.substr(0, length);
        (void)ReadDocxBytes(cut, -1);
        std::string flipped = bytes;
        flipped[length] = static_cast<char>(flipped[length] ^ 0x5A);
        (void)ReadDocxBytes(flipped, -1);
    }
    SUCCEED();
}

TEST(DocxReader, DeepNestingIsCutOffWithoutOverflow) {
    std::string open;
    std::string close;
    for (int i = 0; i < 100000; ++i) {
        open += "<w:sdt><w:sdtContent>";
        close += "</w:sdtContent></w:sdt>";
    }
    const Text text = Read(P("top") + open + P("deep") + close);
    EXPECT_EQ(text, u"top\r\n\r\n1\r\n");
}

}  // namespace
}  // namespace lexorim
