#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "engine/html_cleaning.h"
#include "indexing/source_list.h"
#include "indexing/source_options_memo.h"
#include "temp_folder.h"

namespace lexorim {
namespace {

using testing::TempFolder;

Text T(const std::string& utf8) {
    return FromUtf8(utf8);
}

std::vector<Text> Names(const SourceList& list) {
    std::vector<Text> names;
    for (const SourceRow& row : list.rows())
        names.push_back(row.name);
    return names;
}

TEST(CapitalizeWordsTest, UpperCasesTheFirstCharacterAndEveryCharacterAfterABlank) {
    const std::pair<Text, Text> cases[] = {
        {u"a b c", u"A B C"}, {u"über", u"Über"},   {u"", u""},
        {u"x  y", u"X  Y"},   {u"a-b c", u"A-b C"}, {u"&uuml;ber uns", u"&uuml;ber Uns"},
    };
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(CapitalizeWords(input), expected) << ToUtf8(input);
}

TEST(FileSizeTextTest, UsesTheLocalesSeparatorsWithThreeDecimals) {
    const struct {
        uint64_t bytes;
        const char* locale;
        const char* expected;
    } cases[] = {
        {1536, "de_DE", "1,500 KB"},
        {1536, "en_US", "1.500 KB"},
        {0, "de_DE", "0,000 KB"},
        {1024 * 1000, "de_DE", "1.000,000 KB"},
        {999 * 1024, "en_US", "999.000 KB"},
        // Nine digits before the decimal point: rounded to eight significant digits.
        {uint64_t{123456789} * 1024, "de_DE", "123.456.790,000 KB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(FileSizeText(c.bytes, c.locale)), c.expected) << c.bytes << c.locale;
}

class SourceListTest : public ::testing::Test {
  protected:
    Text Path(const std::string& name, std::string_view bytes = "text") {
        std::filesystem::create_directories((folder / name).parent_path());
        return T(folder.write(name, bytes));
    }

    TempFolder folder;
    SourceList list{"de_DE"};
    SourceOptions options;
};

TEST_F(SourceListTest, AddSourceFileFillsEveryColumn) {
    const Text path = Path("Report.txt", "plain ascii");
    ASSERT_TRUE(AddSourceFile(list, path, options));
    const SourceRow& row = list.rows().at(0);
    EXPECT_EQ(row.name, u"Report");
    EXPECT_EQ(row.link, u"Report.txt");
    EXPECT_EQ(row.format, u"TXT");
    EXPECT_EQ(row.encoding, u"UTF-8");
    EXPECT_EQ(row.sizeText, u"0,011 KB");
    EXPECT_EQ(row.source, path);
    EXPECT_EQ(ToUtf8(SourceRowLine(row)),
              "Report\tReport.txt\tTXT\tUTF-8\t0,011 KB\t" + ToUtf8(path));
}

TEST_F(SourceListTest, NamesAndLinksFollowTheOptions) {
    options.linksWithoutExtension = true;
    AddSourceFile(list, Path("a b c.txt"), options);
    AddSourceFile(list, Path(".htaccess"), options);
    // Every occurrence of the extension goes, compared without regard to case.
    AddSourceFile(list, Path("x.TXT.y.txt"), options);
    options.capitalizeNames = false;
    options.linksWithoutExtension = false;
    AddSourceFile(list, Path("über.html"), options);
    std::vector<std::pair<Text, Text>> rows;
    for (const SourceRow& row : list.rows())
        rows.emplace_back(row.name, row.link);
    EXPECT_EQ(rows,
              (std::vector<std::pair<Text, Text>>{
                  {u"", u""}, {u"A B C", u"a b c"}, {u"über", u"über.html"}, {u"X.y", u"x.y"}}));
    EXPECT_EQ(list.rows()[0].format, u"HTACCESS");
}

TEST_F(SourceListTest, WordProcessorFilesShowTheirFormatAsEncoding) {
    AddSourceFile(list, Path("brief.docx", "PK"), options);
    AddSourceFile(list, Path("alt.doc", "\xD0\xCF"), options);
    EXPECT_EQ(list.rows()[0].encoding, u"DOC");
    EXPECT_EQ(list.rows()[1].encoding, u"DOCX");
}

TEST_F(SourceListTest, DuplicatePathsAreAddedOnlyWhenAllowed) {
    const Text path = Path("a.txt");
    EXPECT_TRUE(AddSourceFile(list, path, options));
    EXPECT_FALSE(AddSourceFile(list, path, options));
    EXPECT_EQ(list.size(), 1u);
    options.skipDuplicates = false;
    EXPECT_TRUE(AddSourceFile(list, path, options));
    EXPECT_EQ(list.size(), 2u);
}

TEST_F(SourceListTest, KeepsItsSortOrderThroughAddingRenamingAndHeaderClicks) {
    AddSourceFile(list, Path("birne.txt", std::string(999 * 1024, 'x')), options);
    AddSourceFile(list, Path("Äpfel.txt", std::string(1000 * 1024, 'x')), options);
    AddSourceFile(list, Path("apfel.txt", "x"), options);
    EXPECT_EQ(Names(list), (std::vector<Text>{u"Apfel", u"Äpfel", u"Birne"}));

    list.ClickHeader(SourceColumn::Size);  // numbers, not texts: 999,000 before 1.000,000
    EXPECT_EQ(Names(list), (std::vector<Text>{u"Apfel", u"Birne", u"Äpfel"}));
    list.ClickHeader(SourceColumn::Size);  // the same column again: descending
    EXPECT_EQ(Names(list), (std::vector<Text>{u"Äpfel", u"Birne", u"Apfel"}));
    list.ClickHeader(SourceColumn::Name);  // another column: ascending
    EXPECT_EQ(Names(list), (std::vector<Text>{u"Apfel", u"Äpfel", u"Birne"}));

    list.Rename(0, u"Zitrone");
    EXPECT_EQ(Names(list), (std::vector<Text>{u"Äpfel", u"Birne", u"Zitrone"}));
    list.DeleteRows({2, 0, 7});
    EXPECT_EQ(Names(list), (std::vector<Text>{u"Birne"}));
    list.DeleteAll();
    EXPECT_TRUE(list.empty());
}

TEST_F(SourceListTest, ScanAddsTheLinkedLocalFiles) {
    const Text page = Path("sub/page.html");
    Path("other.txt");
    const Text start =
        Path("start.html",
             "<a href=\"sub/page.html\"> Über uns </a>\n"
             "<a href=\"other.txt\"><img src=\"x.png\"></a>\n"
             "<a href=\"https://example.org/other.txt\">web</a>\n"
             "<a href=\"#top\">top</a> <a href=\"other.txt?x=1\">query</a>\n"
             "<A HREF=\"other.txt\">caps</A> <a class=\"c\" href=\"other.txt\">c</a>\n"
             "<a href=\"missing.html\">gone</a> <a href=\"sub\">folder</a>\n");
    const ScanResult result = ScanDocumentLinks(list, start, options);
    EXPECT_EQ(result.added, 2u);
    EXPECT_EQ(result.removeHtml, true);
    ASSERT_EQ(list.size(), 2u);
    // The image link has an empty name and sorts first; the later links to the same file add
    // nothing.
    EXPECT_EQ(list.rows()[0].name, u"");
    EXPECT_EQ(list.rows()[0].link, u"other.txt");
    const SourceRow& row = list.rows()[1];
    // The name is plain text; only the HTML page encodes it.
    EXPECT_EQ(row.name, u"\u00DCber Uns");
    EXPECT_EQ(row.link, u"sub/page.html");
    EXPECT_EQ(row.format, u"HTML");
    EXPECT_EQ(row.source, page);

    SourceList other("de_DE");
    options.linksWithoutExtension = true;
    options.capitalizeNames = false;
    ScanDocumentLinks(other, start, options);
    EXPECT_EQ(other.rows()[1].link, u"sub/page");
    EXPECT_EQ(other.rows()[1].name, u"\u00DCber uns");
}

TEST(FindDocumentLinksTest, ReadsAnchorsAsBrowsersDo) {
    using Links = std::vector<std::pair<Text, Text>>;
    const struct {
        const char* html;
        Links links;
    } cases[] = {
        // Attributes in any order, "href" in any case, any quoting, blanks around "=".
        {"<a class=\"reference internal\" href=\"intro.html\">Intro</a>",
         {{u"intro.html", u"Intro"}}},
        {"<A HREF='caps.html'>Caps</A>", {{u"caps.html", u"Caps"}}},
        {"<a href=bare.html title=x>Bare</a>", {{u"bare.html", u"Bare"}}},
        {"<a\r\nhref = \"spaced.html\"\r\n>Spaced</a >", {{u"spaced.html", u"Spaced"}}},
        {"<a title=\"a>b\" hreflang=de href=\"q.html\" href=\"second.html\">Q</a>",
         {{u"q.html", u"Q"}}},
        // Not anchors: other elements, an anchor without a target.
        {"<abbr title=\"x\">A</abbr><area href=\"map.html\"><a>no</a><a name=\"top\">Top</a>", {}},
        // The whole text content, nested tags removed and white space collapsed.
        {"<a href=\"x.html\"><span class=\"n\">9.7.</span> Aufgaben mit <code>cron</code>\r\n"
         "  und <code>atd</code></a>",
         {{u"x.html", u"9.7. Aufgaben mit cron und atd"}}},
        {"<a href=\"img.html\"><img src=\"i.png\" alt=\"Bild\"></a>", {{u"img.html", u""}}},
        {"<a href=\"u.html\">eins<bdi>zwei</bdi> <!-- c --><b>drei</b></a>",
         {{u"u.html", u"einszwei drei"}}},
        {"<a href=\"u.html\">eins<br/>zwei</a>", {{u"u.html", u"eins zwei"}}},
        {"<a href=\"u.html\">eins<br>zwei</a>", {{u"u.html", u"eins zwei"}}},
        {"<a href=\"lt.html\">a < b</a>", {{u"lt.html", u"a < b"}}},
        // References decoded in the target and in the text.
        {"<a href=\"a&amp;b.html\">Gr&ouml;&szlig;e &amp; Co &#8364;&#x20AC; &bogus; &amp</a>",
         {{u"a&b.html", u"Gr\u00F6\u00DFe & Co \u20AC\u20AC &bogus; &amp"}}},
        // An anchor without "</a>" ends at the next anchor or at the end of the text.
        {"<a href=\"n.html\">ohne Ende <a href=\"m.html\">M</a><a href=\"e.html\">Ende",
         {{u"n.html", u"ohne Ende"}, {u"m.html", u"M"}, {u"e.html", u"Ende"}}},
        {"<a href=\" t.html \" ></a>", {{u"t.html", u""}}},
        {"<a href=\"open.html", {{u"open.html", u""}}},
    };
    for (const auto& c : cases) {
        Links found;
        for (const DocumentLink& link : FindDocumentLinks(T(c.html)))
            found.emplace_back(link.target, link.text);
        EXPECT_EQ(found, c.links) << c.html;
    }
}

// The decoder behind the scanned names and targets (and behind old index files' names).
TEST(DecodeHtmlEntitiesTest, DecodesNamedAndNumericReferencesWithTheirSemicolon) {
    const std::pair<Text, Text> cases[] = {
        {u"Gr&ouml;&szlig;e", u"Gr\u00F6\u00DFe"},
        {u"&Uuml;ber &amp; &lt;&gt;&quot;&apos;", u"\u00DCber & <>\"'"},
        {u"&nbsp;&yuml;&Yuml;&euro;&thetasym;&hellip;", u"\u00A0\u00FF\u0178\u20AC\u03D1\u2026"},
        {u"&#220;&#x20ac;&#X1F600;&#0000065;", u"\u00DC\u20AC\U0001F600A"},
        {u"&#0;&#xD800;&#x110000;", u"\uFFFD\uFFFD\uFFFD"},
        // Not references: copied as they stand.
        {u"&amp &Auml &bogus; &AMP; & ; &#; &#x; &#12a; &#123456789;",
         u"&amp &Auml &bogus; &AMP; & ; &#; &#x; &#12a; &#123456789;"},
        {u"&&amp;;&", u"&&;&"},
        {u"", u""},
    };
    for (const auto& [encoded, plain] : cases)
        EXPECT_EQ(DecodeHtmlEntities(encoded), plain) << ToUtf8(encoded);
}

TEST(LocalFileOfLinkTest, CutsQueriesAndFragmentsAndLeavesOtherSitesOut) {
    const std::pair<Text, std::optional<Text>> cases[] = {
        {u"page.html#sec", u"page.html"},
        {u"p.html?x=1#y", u"p.html"},
        {u"sub/page.html", u"sub/page.html"},
        {u"../up.html", u"../up.html"},
        {u"mit%20blank.html", u"mit%20blank.html"},
        {u"#top", std::nullopt},
        {u"", std::nullopt},
        {u"?q", std::nullopt},
        {u"http://example.org/a.html", std::nullopt},
        {u"HTTPS://example.org/", std::nullopt},
        {u"mailto:a@example.org", std::nullopt},
        {u"svn+ssh://host/x", std::nullopt},
        {u"//host/x.html", std::nullopt},
    };
    for (const auto& [target, expected] : cases) {
        const std::optional<TextView> file = LocalFileOfLink(target);
        EXPECT_EQ(file ? std::optional<Text>(Text(*file)) : std::nullopt, expected)
            << ToUtf8(target);
    }
}

TEST_F(SourceListTest, ScanFindsThePagesOfGeneratedManuals) {
    const Text intro = Path("intro.html");
    const Text blank = Path("mit blank.html");
    const Text chapter = Path("kapitel/eins.html");
    const Text start =
        Path("index.html",
             "<div class=\"toctree\"><ul>\n"
             "<li><a class=\"reference internal\" href=\"intro.html\">Einf&uuml;hrung</a></li>\n"
             "<li><a class=\"reference internal\" href=\"intro.html#teil-2\">Teil 2</a></li>\n"
             "<li><a class='reference internal' href='mit%20blank.html'>Mit Blank</a></li>\n"
             "<li><A HREF=kapitel/eins.html?v=3><span class=\"n\">1.</span> Das <em>erste</em>\n"
             "  Kapitel</A></li>\n"
             "<li><a class=\"reference external\" href=\"https://example.org/intro.html\">Web</a>\n"
             "<li><a class=\"headerlink\" href=\"#top\">&para;</a></ul></div>\n");
    EXPECT_EQ(ScanDocumentLinks(list, start, options).added, 3u);
    ASSERT_EQ(list.size(), 3u);
    // Sorted by name.
    EXPECT_EQ(list.rows()[0].name, u"1. Das Erste Kapitel");
    EXPECT_EQ(list.rows()[0].link, u"kapitel/eins.html");
    EXPECT_EQ(list.rows()[0].source, chapter);
    EXPECT_EQ(list.rows()[1].name, u"Einf\u00FChrung");
    EXPECT_EQ(list.rows()[1].link, u"intro.html");
    EXPECT_EQ(list.rows()[1].source, intro);
    // The file is found under its decoded name; the link keeps the escape a browser needs.
    EXPECT_EQ(list.rows()[2].name, u"Mit Blank");
    EXPECT_EQ(list.rows()[2].link, u"mit%20blank.html");
    EXPECT_EQ(list.rows()[2].source, blank);

    // Without duplicate removal the fragment link is a second row for the same file.
    SourceList all("de_DE");
    options.skipDuplicates = false;
    options.linksWithoutExtension = true;
    EXPECT_EQ(ScanDocumentLinks(all, start, options).added, 4u);
    EXPECT_EQ(all.rows()[3].name, u"Teil 2");
    EXPECT_EQ(all.rows()[3].link, u"intro");
    EXPECT_EQ(all.rows()[3].source, intro);
}

TEST_F(SourceListTest, TagRemovalFollowsTheTypeOfTheScannedDocument) {
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {"index.php", true},         {"a.htm", true},          {"notes.txt", false}, {"b.t", false},
        {"page.HTML", std::nullopt}, {"readme", std::nullopt},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(ScanDocumentLinks(list, Path(name), options).removeHtml, expected) << name;
}

TEST_F(SourceListTest, HostileDocumentsEndTheScanWithTheRowsTheyName) {
    Path("a.html");
    const auto repeated = [](std::string_view piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += piece;
        return text;
    };
    const std::string manyLinks = [] {
        std::string text;
        for (int i = 0; i < 10000; ++i)
            text += "<a href=\"a.html\">A</a>";
        return text;
    }();
    const std::string cases[] = {
        "<a href=\"a.html",                      // no closing quote, no ">"
        "<a href=\"a.html\"",                    // no ">"
        "<a href",                               // nothing after the anchor
        "<a href>a.html\" <a href=\"a.html\">",  // quotes and ">" in odd places
        std::string(200000, '<') + "<a href" + std::string(1000, '"'),
        std::string("\0\xFF\xFE<a href=\"a.html\">\x01</a>\0", 26),
        manyLinks,
        repeated("<a href=\"a.html\">A", 100000),  // no closing tags
        repeated("<a href=", 100000),              // one tag that never ends
        repeated("<a href='a.html'><b", 50000),    // nested tags without ">"
        repeated("<a title=\"", 50000),            // quotes that never close
        repeated("<a href=\"a.html\">&#x", 50000),
    };
    for (const std::string& text : cases) {
        SourceList scanned("de_DE");
        ScanLinksInText(scanned, FromUtf8(text), T(folder.file("start.html")), options);
        EXPECT_LE(scanned.size(), 1u);
    }
    // Thousands of anchors without any quote or ">" are read in one pass.
    std::string unterminated;
    for (int i = 0; i < 200000; ++i)
        unterminated += "<a href ";
    SourceList scanned("de_DE");
    ScanLinksInText(scanned, FromUtf8(unterminated), T(folder.file("start.html")), options);
    EXPECT_TRUE(scanned.empty());
}

TEST_F(SourceListTest, DroppedFoldersAreSkippedAndDroppedFilesScannedOnlyWhenChosen) {
    Path("linked.txt");
    const Text start = Path("start.html", "<a href=\"linked.txt\">Linked</a>");
    AddDroppedFiles(list, {T(folder.path().string()), start}, options);
    EXPECT_EQ(Names(list), (std::vector<Text>{u"Start"}));
    options.scanDroppedFiles = true;
    options.skipDuplicates = true;
    EXPECT_EQ(AddDroppedFiles(list, {start}, options), true);
    EXPECT_EQ(Names(list), (std::vector<Text>{u"Linked", u"Start"}));
}

TEST_F(SourceListTest, TheMemoEditsOneColumnAndCannotGainLines) {
    AddSourceFile(list, Path("a.txt"), options);
    AddSourceFile(list, Path("b.txt"), options);
    AddSourceFile(list, Path("c.txt"), options);
    EXPECT_EQ(MemoTextFor(list, MemoColumn::Name), u"A\r\nB\r\nC");
    EXPECT_TRUE(MemoEditAllowed(u"x\r\ny\r\nz", list));
    EXPECT_FALSE(MemoEditAllowed(u"x\r\ny\r\nz\r\nw", list));

    SourceOptionsMemo memo;
    // Renaming re-sorts once; the row without a memo line keeps its name.
    const Text links = memo.Select(list, MemoColumn::Link, u"Zebra\r\nAffe");
    EXPECT_EQ(Names(list), (std::vector<Text>{u"Affe", u"C", u"Zebra"}));
    EXPECT_EQ(links, u"b.txt\r\nc.txt\r\na.txt");
    memo.Accept(list, u"neu.html\r\n\r\na.txt");
    EXPECT_EQ(list.rows()[0].link, u"neu.html");
    EXPECT_EQ(list.rows()[1].link, u"");
    EXPECT_EQ(memo.shown, MemoColumn::Link);
}

}  // namespace
}  // namespace lexorim
