#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/index_store.h"
#include "engine/program_folder.h"
#include "fileindex/file_index_output.h"
#include "fileindex/html_preview.h"
#include "temp_folder.h"

namespace lexorim {
namespace {

// A store holding these index-file lines, in this order.
IndexStore StoreOf(TextView lines) {
    IndexStore store;
    store.LoadIndexLines(lines, false);
    return store;
}

std::vector<Text> LinesOf(const Text& page) {
    std::vector<Text> lines;
    for (const Text& line : SplitAt(page, u"\r\n"))
        lines.push_back(line);
    return lines;
}

bool HasLine(const Text& page, TextView line) {
    const std::vector<Text> lines = LinesOf(page);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

const HtmlDesign kStandard = StandardHtmlDesign();

TEST(HtmlIndexTest, WritesTheNavigationBarTheLetterSectionsAndOneRowPerWord) {
    const Text page = WriteHtmlIndex(StoreOf(u"Haus:Angebot>angebot.html|Preise>preise.html"),
                                     kStandard, Language::German);
    const std::vector<Text> lines = LinesOf(page);
    ASSERT_GE(lines.size(), 33u);
    EXPECT_EQ(lines[0],
              u"<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
              u"\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">");
    EXPECT_EQ(lines[1], u"<html xmlns=\"http://www.w3.org/1999/xhtml\">");
    EXPECT_EQ(lines[3],
              u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\" />");
    EXPECT_EQ(lines[4], u"<title>Index</title>");
    EXPECT_EQ(lines[13],
              u"#top { width: 100%; float: left; font-size: 24px; padding-top: 5px; padding-left: "
              u"10px; padding-right: 10px; }");
    EXPECT_EQ(lines[14],
              u"#links { width: 100%; float: left; font-size: 12px; padding-top: 0px; "
              u"padding-left: 10px;\tpadding-right: 10px; }");
    EXPECT_EQ(lines[20],
              u"#footer { width: 100%;  float: left; font-size: 12px; padding-top: 25px; "
              u"padding-left: 10px; padding-right: 10px; padding-bottom: 5px; }");
    EXPECT_EQ(lines[24], u"");
    EXPECT_EQ(lines[25], u"<body>");
    EXPECT_EQ(lines[26], u"<div id=\"top\">Index</div>");
    EXPECT_EQ(lines[27], u"<div id=\"links\"><a href=\"#H\">H</a></div>");
    EXPECT_EQ(lines[28], u"");
    EXPECT_EQ(lines[29], u"<div id=\"abc-box\"><a name=\"H\">H</a></div>");
    EXPECT_EQ(lines[30],
              u"<div id=\"box\"><div id=\"l\">Haus</div><div id=\"r\"><a href=\"angebot.html\">"
              u"Angebot</a> | <a href=\"preise.html\">Preise</a></div></div>");
    EXPECT_EQ(lines[31], u"");
    EXPECT_TRUE(lines[32].starts_with(u"<div id=\"footer\">Erstellt mit dem <a href=\"https://"));
    EXPECT_EQ(lines[33], u"</body></html>");
    EXPECT_EQ(lines.size(), 34u);  // no line break after the last line
}

TEST(HtmlIndexTest, FooterFollowsTheInterfaceLanguage) {
    const Text german = WriteHtmlIndex(IndexStore{}, kStandard, Language::German);
    const Text english = WriteHtmlIndex(IndexStore{}, kStandard, Language::English);
    EXPECT_NE(german.find(u"\">Lexorim</a> von <a href=\"https://www.orvell.example/de/"),
              Text::npos);
    EXPECT_NE(
        english.find(u"<div id=\"footer\">Created by <a href=\"https://www.orvell.example/en/"),
        Text::npos);
    EXPECT_NE(english.find(u"\">Jonas Weller</a> (<a href=\""), Text::npos);
    // An empty store: an empty navigation bar.
    EXPECT_TRUE(HasLine(german, u"<div id=\"links\"></div>"));
}

TEST(HtmlIndexTest, OtherCharactersGetNumberedAnchorsAndLinks) {
    const Text page =
        WriteHtmlIndex(StoreOf(u"1999:A>a.html\r\n\u00C9cu:B>b.html\r\n\u00C9lan:C>c.html"),
                       kStandard, Language::German);
    EXPECT_TRUE(HasLine(page, u"<div id=\"abc-box\"><a name=\"sz0\">1</a></div>"));
    EXPECT_TRUE(HasLine(page, u"<div id=\"abc-box\"><a name=\"sz1\">&Eacute;</a></div>"));
    EXPECT_EQ(page.find(u"name=\"sz2\""), Text::npos);
    EXPECT_TRUE(HasLine(
        page, u"<div id=\"links\"><a href=\"#sz0\">1</a> | <a href=\"#sz1\">&Eacute;</a></div>"));
}

TEST(HtmlIndexTest, WithoutHeadingsTheBarStillLinksTheLetters) {
    HtmlDesign design = kStandard;
    design.headings = false;
    const Text page = WriteHtmlIndex(StoreOf(u"Apfel:A>a.html\r\nBirne:B>b.html\r\n1:C>c.html"),
                                     design, Language::German);
    EXPECT_TRUE(
        HasLine(page, u"<div id=\"links\"><a href=\"#A\">A</a> | <a href=\"#B\">B</a></div>"));
    EXPECT_EQ(page.find(u"abc-box\"><a"), Text::npos);
    design.navigationBar = false;
    EXPECT_EQ(
        WriteHtmlIndex(StoreOf(u"Apfel:A>a.html"), design, Language::German).find(u"id=\"links\">"),
        Text::npos);
}

TEST(HtmlIndexTest, DesignValuesGetTheirUnits) {
    HtmlDesign design;
    design.headingSize = u"18";
    design.boxWidth = u"80%";
    design.textSpace = u"1em";
    const Text page = WriteHtmlIndex(IndexStore{}, design, Language::German);
    EXPECT_NE(page.find(u"#top { width: 100%; float: left; font-size: 18px;"), Text::npos);
    EXPECT_NE(page.find(u"#box { width: 80%;"), Text::npos);
    EXPECT_NE(page.find(u"padding-top: 1em;"), Text::npos);
}

TEST(HtmlIndexTest, ThePageIsPureAsciiWithNamedAndNumericReferences) {
    const Text page = WriteHtmlIndex(
        StoreOf(
            u"Gr\u00F6\u00DFe:Pr\u00E4sentation>p.html\r\n\u20ACuro:\u0141\u00F3d\u017A>l.html\r\n"
            u"\U0001F600:x>y.html\r\nRef:ohne Link|x>y"),
        kStandard, Language::German);
    for (const char16_t c : page)
        ASSERT_LT(c, 0x80) << "character " << static_cast<int>(c);
    EXPECT_NE(page.find(u"<div id=\"l\">Gr&ouml;&szlig;e</div>"), Text::npos);
    EXPECT_NE(page.find(u">Pr&auml;sentation</a>"), Text::npos);
    EXPECT_NE(page.find(u"<div id=\"l\">&#8364;uro</div>"), Text::npos);
    EXPECT_NE(page.find(u">&#321;&oacute;d&#378;</a>"), Text::npos);
    EXPECT_NE(page.find(u"<div id=\"l\">&#128512;</div>"), Text::npos);
    EXPECT_NE(page.find(u"<a name=\"sz1\">&#128512;</a>"), Text::npos);
    // A reference without ">" has an empty link.
    EXPECT_NE(page.find(u"<a href=\"\">ohne Link</a>"), Text::npos);
}

TEST(HtmlIndexTest, NamesAndLinksAreEncodedOnceWhereThePageIsWritten) {
    const struct {
        const char16_t* reference;
        const char16_t* written;
    } cases[] = {
        {u"\u00DCber Uns>sub/page.html", u"<a href=\"sub/page.html\">&Uuml;ber Uns</a>"},
        {u"M\u00FCller & S\u00F6hne>a&b.html",
         u"<a href=\"a&amp;b.html\">M&uuml;ller &amp; S&ouml;hne</a>"},
        {u"a < b \"c\">say \"x\".html", u"<a href=\"say &quot;x&quot;.html\">a &lt; b \"c\"</a>"},
        {u"\u20AC \u2013 1>e.html", u"<a href=\"e.html\">&#8364; &#8211; 1</a>"},
    };
    for (const auto& c : cases) {
        const Text page =
            WriteHtmlIndex(StoreOf(Text(u"Haus:") + c.reference), kStandard, Language::German);
        EXPECT_NE(page.find(c.written), Text::npos) << ToUtf8(c.reference);
    }
}

TEST(HtmlIndexTest, ALargeStoreWrittenInPartsOnSeveralThreadsIsOnePage) {
    // Thousands of rows of the bucket of other characters, whose first character changes where
    // one part of the page ends and the next begins; every row needs references.
    const size_t count = 6000;
    const auto word = [](size_t i) {
        Text w(1, static_cast<char16_t>(u'0' + i / 2048));
        w += u"\u00FC\u20AC" + DecimalText(static_cast<int64_t>(i));
        if (i == 2047)
            w += u'\xD834';  // half a pair at the end of the last row of a part
        if (i == 2048)
            w += u"\U0001D11E";
        return w;
    };
    Text lines;
    for (size_t i = 0; i < count; ++i)
        lines += word(i) + u":S\u00E4tze>s" + DecimalText(static_cast<int64_t>(i)) + u".html\r\n";
    const IndexStore store = StoreOf(lines);
    const Text page = WriteHtmlIndex(store, kStandard, Language::German, 1);
    for (const unsigned threads : {2u, 4u})
        EXPECT_EQ(WriteHtmlIndex(store, kStandard, Language::German, threads), page) << threads;
    // Handed over in pieces (as the command line writes it), the page is the same, in several.
    for (const unsigned threads : {1u, 2u}) {
        Text joined;
        size_t pieces = 0;
        WriteHtmlIndexInPieces(store, kStandard, Language::German, threads, [&](TextView piece) {
            joined += piece;
            ++pieces;
        });
        EXPECT_EQ(joined, page) << threads;
        EXPECT_GT(pieces, 3u) << threads;
    }

    const auto row = [](size_t i, TextView encodedWord) {
        return u"<div id=\"box\"><div id=\"l\">" + Text(encodedWord) +
               u"</div><div id=\"r\"><a href=\"s" + DecimalText(static_cast<int64_t>(i)) +
               u".html\">S&auml;tze</a></div></div>\r\n";
    };
    const Text aroundTheBoundary =
        row(2046, u"0&uuml;&#8364;2046") + row(2047, u"0&uuml;&#8364;2047&#65533;") +
        u"\r\n<div id=\"abc-box\"><a name=\"sz2048\">1</a></div>\r\n" +
        row(2048, u"1&uuml;&#8364;2048&#119070;") + row(2049, u"1&uuml;&#8364;2049");
    EXPECT_NE(page.find(aroundTheBoundary), Text::npos);
    size_t rows = 0;
    for (size_t at = page.find(u"<div id=\"box\">"); at != Text::npos;
         at = page.find(u"<div id=\"box\">", at + 1))
        ++rows;
    EXPECT_EQ(rows, count);
    EXPECT_TRUE(page.ends_with(u"</div>\r\n</body></html>"));
}

TEST(FileTextIndexTest, WritesEntriesWithTheStandardOrTheWindowsValues) {
    const IndexStore store =
        StoreOf(u"Haus:Angebot>angebot.html|Preise>preise.html\r\nGr\u00F6\u00DFe:A>a");
    FileTextDesign standard = StandardFileTextDesign();
    EXPECT_EQ(WriteFileTextIndex(store, standard),
              u"Index\r\n\r\nG\r\nGr\u00F6\u00DFe:    A[a]\r\n\r\nH\r\n"
              u"Haus:    Angebot[angebot.html] | Preise[preise.html]\r\n");
    standard.names = false;
    standard.headings = false;
    EXPECT_EQ(WriteFileTextIndex(store, standard),
              u"Index\r\nGr\u00F6\u00DFe:    [a]\r\nHaus:    [angebot.html] | [preise.html]\r\n");
    standard.names = true;
    standard.links = false;
    EXPECT_EQ(
        WriteFileTextIndex(StoreOf(u"Haus:Angebot>angebot.html|Preise>preise.html"), standard),
        u"Index\r\nHaus:    Angebot | Preise\r\n");
    EXPECT_EQ(WriteFileTextIndex(IndexStore{}, FileTextDesign{}), u"Index\r\n");
}

TEST(FileTextIndexTest, OtherCharactersGetAHeadingWhenTheFirstCharacterChanges) {
    const IndexStore store = StoreOf(u"1999:A>a\r\n\u00E9cu:B>b\r\n\u00C9lan:C>c");
    EXPECT_EQ(WriteFileTextIndex(store, FileTextDesign{}),
              u"Index\r\n\r\n1\r\n1999:  A [a]\r\n\r\n\u00C9\r\n\u00E9cu:  B [b]\r\n\u00C9lan:  C "
              u"[c]\r\n");
}

TEST(EncodeHtmlPageTest, HalfASurrogatePairBecomesTheReplacementCharacter) {
    EXPECT_EQ(EncodeHtmlPage(u"a\xD800"
                             u"b\xDC00"),
              u"a&#65533;b&#65533;");
    EXPECT_EQ(EncodeHtmlPage(u"<\u00A0\u0080>"), u"<&nbsp;&#128;>");
}

}  // namespace
}  // namespace lexorim

namespace lexorim {
namespace {

TEST(HtmlPreviewTest, ARunsPageGoesToTheProgramFolderTheEditedCodeToTheTemporaryFolder) {
    const HtmlPreviewFile afterRun = PreviewFileFor(PreviewOrigin::AfterRun);
    EXPECT_EQ(afterRun.path, ProgramFolder() / "temphtmlindex.html");
    EXPECT_EQ(afterRun.encoding, encoding::kUtf8Bom);
    const HtmlPreviewFile design = PreviewFileFor(PreviewOrigin::DesignButton);
    EXPECT_EQ(design.path, TemporaryFolder() / "temphtmlindex.html");
    EXPECT_EQ(design.encoding, encoding::kUtf8);

    const std::filesystem::path written =
        WriteHtmlPreview(u"<p>\u00E4</p>", PreviewOrigin::AfterRun);
    EXPECT_EQ(testing::TempFolder::read(written.string()), "\xEF\xBB\xBF<p>\xC3\xA4</p>");
}

TEST(HtmlPreviewTest, CachingWritesThePreviewFileWithoutItThePageStaysInMemory) {
    // A temporary folder of this test's own, so that no other program's preview file interferes.
    testing::TempFolder folder;
    const char* previous = std::getenv("TMPDIR");
    const std::string restore = previous != nullptr ? previous : "";
    ::setenv("TMPDIR", folder.path().c_str(), 1);
    const std::filesystem::path file = PreviewFileFor(PreviewOrigin::DesignButton).path;
    EXPECT_EQ(file, folder.path() / "temphtmlindex.html");

    EXPECT_EQ(PrepareHtmlPreview(u"<p>eins</p>", PreviewOrigin::DesignButton, false), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(file));
    const std::optional<std::filesystem::path> shown =
        PrepareHtmlPreview(u"<p>zwei</p>", PreviewOrigin::DesignButton, true);
    EXPECT_EQ(shown, std::optional<std::filesystem::path>(file));
    EXPECT_EQ(testing::TempFolder::read(file.string()), "<p>zwei</p>");

    if (previous != nullptr)
        ::setenv("TMPDIR", restore.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
}

}  // namespace
}  // namespace lexorim
