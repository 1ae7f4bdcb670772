#include <gtest/gtest.h>

#include <string>

#include "temp_folder.h"
#include "textfiles/document_fixtures.h"
#include "textfiles/internal/document_readers.h"

namespace lexorim {
namespace {

using testing::MakeOdt;
using testing::MakeZip;
using testing::OdtContentXml;
using testing::UnitsToHex;

std::string P(const std::string& text, const std::string& style = "") {
    return "<text:p" + (style.empty() ? "" : " text:style-name=\"" + style + "\"") + ">" + text +
           "</text:p>";
}
const std::string kSoftBreak = "<text:soft-page-break/>";

std::string ParagraphStyle(const std::string& name, const std::string& properties,
                           const std::string& parent = "", const std::string& extra = "") {
    return "<style:style style:name=\"" + name + "\" style:family=\"paragraph\"" +
           (parent.empty() ? "" : " style:parent-style-name=\"" + parent + "\"") + extra + ">" +
           "<style:paragraph-properties " + properties + "/></style:style>";
}

struct OdtCase {
    const char* name;
    std::string text;
    std::string automaticStyles;
    std::string namedStyles;
    Text expected;
};

void ExpectCases(const std::vector<OdtCase>& cases) {
    for (const OdtCase& c : cases) {
        const Text text = ReadOdtBytes(MakeOdt(c.text, c.automaticStyles, c.namedStyles), -1);
        EXPECT_EQ(text, c.expected) << c.name << "\n got: " << UnitsToHex(text);
    }
}

TEST(OdtReader, ParagraphsHeadingsAndInlineElements) {
    const std::string text =
        "<text:h text:outline-level=\"1\">Title</text:h>" +
        P("a<text:tab/>b<text:line-break/>c <text:span text:style-name=\"T1\">span</text:span> "
          "<text:a xlink:href=\"x\" xmlns:xlink=\"http://www.w3.org/1999/xlink\">link</text:a>") +
        P("") + P("x<text:s/>y<text:s text:c=\"3\"/>z");
    ExpectCases(
        {{"mixed", text, "", "", u"Title\r\na\tb\r\nc span link\r\n\r\nx y   z\r\n\r\n1\r\n"}});
}

TEST(OdtReader, WhiteSpaceInTheXmlCollapses) {
    ExpectCases({
        {"runs collapse", P("a   b\n\t c"), "", "", u"a b c\r\n\r\n1\r\n"},
        {"leading blanks are dropped", P("  \n lead"), "", "", u"lead\r\n\r\n1\r\n"},
        {"collapse goes across spans", P("a <text:span> b</text:span>"), "", "",
         u"a b\r\n\r\n1\r\n"},
        {"a blank after a tab stays", P("a<text:tab/> b"), "", "", u"a\t b\r\n\r\n1\r\n"},
        {"blank elements are not collapsed", P("a <text:s/>b"), "", "", u"a  b\r\n\r\n1\r\n"},
    });
}

TEST(OdtReader, ListsTablesAndSections) {
    const std::string text =
        "<text:list><text:list-item>" + P("item 1") + "<text:list><text:list-item>" +
        P("item 1.1") + "</text:list-item></text:list></text:list-item><text:list-header>" +
        P("header") + "</text:list-header></text:list>" +
        "<table:table table:name=\"T\"><table:table-column table:number-columns-repeated=\"2\"/>"
        "<table:table-header-rows><table:table-row><table:table-cell>" +
        P("h1") + "</table:table-cell><table:table-cell>" + P("h2") +
        "</table:table-cell></table:table-row></table:table-header-rows>"
        "<table:table-row><table:table-cell>" +
        P("c1") + "</table:table-cell><table:covered-table-cell/></table:table-row></table:table>" +
        "<text:section text:name=\"S\">" + P("in section") + "</text:section>";
    ExpectCases({{"structure", text, "", "",
                  u"item 1\r\nitem 1.1\r\nheader\r\nh1\r\nh2\r\nc1\r\nin section\r\n\r\n1\r\n"}});
}

TEST(OdtReader, RecordedPageStarts) {
    ExpectCases({
        {"between paragraphs", P("A") + kSoftBreak + P("B"), "", "",
         u"A\r\n\r\n1\r\nB\r\n\r\n2\r\n"},
        {"inside a paragraph", P("end of " + kSoftBreak + "page"), "", "",
         u"end of \r\n1\r\npage\r\n\r\n2\r\n"},
        {"at the start of the document", kSoftBreak + P("A"), "", "", u"A\r\n\r\n1\r\n"},
        {"at the end of the document", P("A") + kSoftBreak, "", "", u"A\r\n\r\n1\r\n"},
        {"inside a list",
         "<text:list><text:list-item>" + P("A") + "</text:list-item>" + kSoftBreak +
             "<text:list-item>" + P("B") + "</text:list-item></text:list>",
         "", "", u"A\r\n\r\n1\r\nB\r\n\r\n2\r\n"},
        {"between table rows",
         "<table:table><table:table-row><table:table-cell>" + P("A") +
             "</table:table-cell></table:table-row>" + kSoftBreak +
             "<table:table-row><table:table-cell>" + P("B") +
             "</table:table-cell></table:table-row></table:table>",
         "", "", u"A\r\n\r\n1\r\nB\r\n\r\n2\r\n"},
    });
}

TEST(OdtReader, StyleBreaks) {
    const std::string before = ParagraphStyle("P1", "fo:break-before=\"page\"");
    const std::string after = ParagraphStyle("P2", "fo:break-after=\"page\"");
    const Text twoPages = u"A\r\n\r\n1\r\nB\r\n\r\n2\r\n";
    const Text onePage = u"A\r\nB\r\n\r\n1\r\n";
    ExpectCases({
        {"break before", P("A") + P("B", "P1"), before, "", twoPages},
        {"break after", P("A", "P2") + P("B"), after, "", twoPages},
        {"break before the first paragraph", P("A", "P1") + P("B"), before, "", onePage},
        {"break after the last paragraph", P("A") + P("B", "P2"), after, "", onePage},
        {"break after, then break before: one page", P("A", "P2") + P("B", "P1"), before + after,
         "", twoPages},
        {"break with the recorded start", P("A") + kSoftBreak + P("B", "P1"), before, "", twoPages},
        {"break auto", P("A") + P("B", "P3"), ParagraphStyle("P3", "fo:break-before=\"auto\""), "",
         onePage},
        {"column break is no page", P("A") + P("B", "P3"),
         ParagraphStyle("P3", "fo:break-before=\"column\""), "", onePage},
        {"a new master page starts a page", P("A") + P("B", "P4"),
         ParagraphStyle("P4", "", "", " style:master-page-name=\"Landscape\""), "", twoPages},
        {"an empty master page name does not", P("A") + P("B", "P4"),
         ParagraphStyle("P4", "", "", " style:master-page-name=\"\""), "", onePage},
        {"heading with a named style", P("A") + "<text:h text:style-name=\"Chapter\">B</text:h>",
         "", ParagraphStyle("Chapter", "fo:break-before=\"page\""), twoPages},
    });
}

TEST(OdtReader, StyleBreaksAreInherited) {
    const std::string named = ParagraphStyle("Heading", "fo:break-before=\"page\"") +
                              ParagraphStyle("Heading 1", "", "Heading") +
                              ParagraphStyle("Quiet", "fo:break-before=\"auto\"", "Heading");
    const Text twoPages = u"A\r\n\r\n1\r\nB\r\n\r\n2\r\n";
    const Text onePage = u"A\r\nB\r\n\r\n1\r\n";
    ExpectCases({
        {"automatic style over a named style", P("A") + P("B", "P1"),
         ParagraphStyle("P1", "fo:margin-top=\"1cm\"", "Heading 1"), named, twoPages},
        {"a child that overrides its parent", P("A") + P("B", "P1"),
         ParagraphStyle("P1", "", "Quiet"), named, onePage},
        {"unknown style", P("A") + P("B", "Missing"), "", named, onePage},
        {"a cycle of parents ends", P("A") + P("B", "X"),
         ParagraphStyle("X", "", "Y") + ParagraphStyle("Y", "", "X"), "", onePage},
        {"a table style",
         P("A") +
             "<table:table table:style-name=\"Tab\"><table:table-row>"
             "<table:table-cell>" +
             P("B") + "</table:table-cell></table:table-row></table:table>",
         "<style:style style:name=\"Tab\" style:family=\"table\"><style:table-properties "
         "fo:break-before=\"page\"/></style:style>",
         "", twoPages},
        {"text styles do not break", P("A") + P("B", "T"),
         "<style:style style:name=\"T\" style:family=\"text\"><style:paragraph-properties "
         "fo:break-before=\"page\"/></style:style>",
         "", onePage},
    });
}

TEST(OdtReader, NotesCommentsFramesAndTrackedChangesAreLeftOut) {
    const std::string text =
        "<text:tracked-changes><text:changed-region><text:deletion>" + P("deleted") +
        "</text:deletion></text:changed-region></text:tracked-changes>" +
        P("main<text:note text:note-class=\"footnote\"><text:note-citation>1</text:note-citation>"
          "<text:note-body>" +
          P("note") +
          "</text:note-body></text:note> text"
          "<office:annotation><text:p>comment</text:p></office:annotation>"
          "<draw:frame><draw:text-box>" +
          P("frame") + "</draw:text-box></draw:frame>") +
        "<text:list><text:list-item><text:number>1.</text:number>" + P("numbered") +
        "</text:list-item></text:list>";
    ExpectCases({{"left out", text, "", "", u"main text\r\nnumbered\r\n\r\n1\r\n"}});
}

TEST(OdtReader, PageLimitReadsTheFirstPages) {
    const std::string bytes = MakeOdt(P("one") + kSoftBreak + P("two") + kSoftBreak + P("three"));
    EXPECT_EQ(ReadOdtBytes(bytes, 2), u"one\r\n\r\n1\r\ntwo\r\n\r\n2\r\n");
    EXPECT_EQ(ReadOdtBytes(bytes, -1), u"one\r\n\r\n1\r\ntwo\r\n\r\n2\r\nthree\r\n\r\n3\r\n");
}

TEST(OdtReader, MissingOrBrokenStylesOnlyLoseTheirBreaks) {
    const std::string content = OdtContentXml(P("A") + P("B", "Named"));
    EXPECT_EQ(ReadOdtBytes(MakeZip({{"content.xml", content}}), -1), u"A\r\nB\r\n\r\n1\r\n");
    EXPECT_EQ(ReadOdtBytes(MakeZip({{"content.xml", content}, {"styles.xml", "<broken"}}), -1),
              u"A\r\nB\r\n\r\n1\r\n");
}

TEST(OdtReader, RepeatedBlanksAreLimited) {
    const Text text = ReadOdtBytes(MakeOdt(P("a<text:s text:c=\"2000000000\"/>b")), -1);
    EXPECT_EQ(text.size(), std::u16string(u"a\r\n\r\n1\r\n").size() + 1 + 1000);
    const Text negative = ReadOdtBytes(MakeOdt(P("a<text:s text:c=\"-5\"/>b")), -1);
    EXPECT_EQ(negative, u"a b\r\n\r\n1\r\n");
}

TEST(OdtReader, InvalidPackagesGiveNoPages) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"not a zip", "plain text"},
        {"zip without content", MakeZip({{"styles.xml", "<x/>"}})},
        {"malformed content", MakeZip({{"content.xml", "<office:document-content><office:body>"}})},
        {"a spreadsheet",
         MakeZip(
             {{"content.xml",
               R"(<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"><office:body><office:spreadsheet/></office:body></office:document-content>)"}})},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(ReadOdtPages(c.bytes).has_value()) << c.name;
        EXPECT_EQ(ReadOdtBytes(c.bytes, -1), u"") << c.name;
    }
}

}  // namespace
}  // namespace lexorim
