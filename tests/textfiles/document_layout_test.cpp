// Documents laid out by an office program. Most cases use a small stand-in program that
// behaves like LibreOffice's converter; the cases with the real LibreOffice skip when it is
// not installed and start it as seldom as possible.

#include "textfiles/document_layout.h"
#include "engine/scoped_environment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "engine/word_pipeline.h"
#include "temp_folder.h"
#include "textfiles/document_fixtures.h"
#include "textfiles/internal/document_readers.h"
#include "textfiles/internal/word_binary.h"
#include "textfiles/word_documents.h"

namespace lexorim {
namespace {

namespace fs = std::filesystem;
using testing::MakeDocx;
using testing::MakePdf;
using testing::MakeZip;
using testing::TempFolder;

using ScopedVariable = testing::ScopedEnvironment;

struct MessageLog {
    std::vector<Text> messages;
    ReadContext Context(Language language = Language::English) {
        ReadContext context;
        context.language = language;
        context.showMessage = [this](TextView message) { messages.emplace_back(message); };
        return context;
    }
};

// A stand-in for soffice: records its arguments, then runs `body` (a shell snippet that sees
// the output folder in $out and the source in $src).
std::string InstallFakeOffice(const TempFolder& folder, const std::string& body) {
    const std::string script = "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" +
                               folder.file("arguments") +
                               "'\nout=''\nwhile [ $# -gt 1 ]; do\n"
                               "  if [ \"$1\" = --outdir ]; then out=$2; fi\n  shift\ndone\n"
                               "src=$1\n" +
                               body + "\n";
    const std::string path = folder.write("fake-soffice", script);
    ::chmod(path.c_str(), 0755);
    return path;
}

// The "lexorim-layout-*" folders left in a temporary folder.
std::vector<std::string> LayoutFoldersIn(const fs::path& folder) {
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with("lexorim-layout-")) {
            left.push_back(entry.path().filename().string());
        }
    }
    return left;
}

const std::string kTwoPageDocx =
    MakeDocx("<w:p><w:r><w:t>Erste</w:t></w:r></w:p><w:p><w:r><w:t>Zweite</w:t></w:r></w:p>");

TEST(DocumentLayout, PagesComeFromThePdfOfTheOfficeProgram) {
    TempFolder folder;
    const std::string pdf = folder.write("laid-out.pdf", MakePdf({{"Erste"}, {"Zweite"}}));
    const ScopedVariable office(
        "LEXORIM_SOFFICE",
        InstallFakeOffice(folder, "mkdir -p \"$out\"\ncp '" + pdf + "' \"$out/document.pdf\""));
    fs::create_directory(folder.path() / "tmp");
    const ScopedVariable temp("TMPDIR", folder.file("tmp"));
    const std::string source = folder.write("-buch name.docx", kTwoPageDocx);
    MessageLog log;
    EXPECT_EQ(ReadWordDocument(source, -1, log.Context()),
              u"Erste\r\n\r\n1\r\nZweite\r\n\r\n2\r\n");
    EXPECT_EQ(ReadWordDocument(source, 1, log.Context()), u"Erste\r\n\r\n1\r\n");
    EXPECT_TRUE(log.messages.empty());
    // A private profile in the temporary folder, headless, and a copy of the document whose
    // name cannot be taken for an option; nothing is left behind.
    const Text argumentLines = FromUtf8(TempFolder::read(folder.file("arguments")));
    const std::vector<TextView> arguments = SplitLines(argumentLines);
    ASSERT_GE(arguments.size(), 4u);
    EXPECT_TRUE(arguments[0].starts_with(u"-env:UserInstallation=file://" +
                                         FromUtf8(folder.file("tmp/lexorim-layout-"))))
        << ToUtf8(arguments[0]);
    EXPECT_NE(std::find(arguments.begin(), arguments.end(), TextView(u"--headless")),
              arguments.end());
    EXPECT_NE(std::find_if(arguments.begin(), arguments.end(),
                           [](TextView a) { return a.ends_with(u"/document.docx"); }),
              arguments.end());
    EXPECT_TRUE(LayoutFoldersIn(folder.path() / "tmp").empty());
}

// The file and keyword index only need the words: a DOCX is read from its own text without
// starting the office program, and without the warning about approximate pages.
TEST(DocumentLayout, OnlyTheTextIsReadWithoutTheOfficeProgram) {
    TempFolder folder;
    const ScopedVariable office("LEXORIM_SOFFICE", InstallFakeOffice(folder, "exit 3"));
    const std::string source = folder.write("buch.docx", kTwoPageDocx);
    MessageLog log;
    ReadContext context = log.Context();
    context.layout = DocumentLayout::TextOnly;
    const Text text = ReadTextFile(source, context);
    EXPECT_NE(text.find(u"Erste"), Text::npos);
    EXPECT_NE(text.find(u"Zweite"), Text::npos);
    EXPECT_TRUE(log.messages.empty());
    EXPECT_TRUE(TempFolder::read(folder.file("arguments")).empty());
}

TEST(DocumentLayout, AFailedLayoutIsAnErrorNamingTheFile) {
    TempFolder folder;
    fs::create_directory(folder.path() / "tmp");
    const ScopedVariable temp("TMPDIR", folder.file("tmp"));
    const ScopedVariable limit("LEXORIM_LAYOUT_SECONDS", "1");
    const std::string source = folder.write("buch.docx", kTwoPageDocx);
    const struct {
        const char* what;
        std::string body;
        Text reason;
    } cases[] = {
        {"exits with an error", "echo 'Error: source file could not be loaded'\nexit 3",
         u"LibreOffice ended with status 3. Error: source file could not be loaded"},
        {"writes no PDF", "exit 0", u"LibreOffice wrote no pages."},
        {"writes a broken PDF", "mkdir -p \"$out\"\necho broken > \"$out/document.pdf\"",
         u"LibreOffice wrote pages that cannot be read."},
        {"takes too long", "sleep 30", u"LibreOffice did not finish within 1 s."},
    };
    for (const auto& c : cases) {
        const ScopedVariable office("LEXORIM_SOFFICE", InstallFakeOffice(folder, c.body));
        MessageLog log;
        try {
            ReadWordDocument(source, -1, log.Context());
            ADD_FAILURE() << c.what << ": no error";
        } catch (const UserError& error) {
            EXPECT_EQ(error.text(),
                      u"Cannot lay out the document \"" + FromUtf8(source) + u"\". " + c.reason)
                << c.what;
        }
        EXPECT_TRUE(LayoutFoldersIn(folder.path() / "tmp").empty()) << c.what;
    }
}

// LibreOffice lays out any bytes as text; a DOC whose structure is broken is reported as
// damaged instead of being handed to it.
TEST(DocumentLayout, ADamagedDocIsNeverLaidOut) {
    TempFolder folder;
    const std::string pdf = folder.write("laid-out.pdf", MakePdf({{"Zufall"}}));
    const ScopedVariable office(
        "LEXORIM_SOFFICE",
        InstallFakeOffice(folder, "mkdir -p \"$out\"\ncp '" + pdf + "' \"$out/document.pdf\""));
    std::mt19937 random(14);
    std::string bytes = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    for (int i = 0; i < 20000; ++i) {
        bytes += static_cast<char>(random() & 0xFF);
    }
    const std::string source = folder.write("kaputt.doc", bytes);
    MessageLog log;
    try {
        ReadWordDocument(source, -1, log.Context());
        ADD_FAILURE() << "no error";
    } catch (const UserError& error) {
        EXPECT_EQ(error.text(), u"Cannot read this document \"" + FromUtf8(source) +
                                    u"\". The file is damaged or incomplete.");
    }
    EXPECT_TRUE(log.messages.empty());
    EXPECT_FALSE(fs::exists(folder.file("arguments")));
    // A sound one is laid out.
    EXPECT_EQ(ReadWordDocument(folder.write("heil.doc", testing::MakeWordBinary(30)), -1),
              u"Zufall\r\n\r\n1\r\n");
}

// A LEXORIM_SOFFICE that names a program which cannot be started is named in the warning;
// "not installed" is said only when no program was named and soffice is not on the path.
TEST(DocumentLayout, TheWarningNamesAConfiguredProgramThatCannotBeStarted) {
    TempFolder folder;
    fs::create_directory(folder.path() / "empty-bin");
    const ScopedVariable path("PATH", folder.file("empty-bin"));
    const std::string docx = folder.write("buch.docx", kTwoPageDocx);
    const std::string plain = folder.write("plain-file", "not a program");
    const std::string missing = folder.file("opt/x/soffice");
    const struct {
        std::string configured;
        Text german;
        Text english;
    } cases[] = {
        {missing,
         u"Hinweis: LibreOffice konnte nicht gestartet werden: \"" + FromUtf8(missing) +
             u"\" gibt es nicht.",
         u"Note: LibreOffice could not be started: \"" + FromUtf8(missing) + u"\" does not exist."},
        {plain,
         u"Hinweis: LibreOffice konnte nicht gestartet werden: \"" + FromUtf8(plain) +
             u"\" ist kein ausführbares Programm.",
         u"Note: LibreOffice could not be started: \"" + FromUtf8(plain) +
             u"\" is not an executable program."},
        {folder.path().string(),
         u"Hinweis: LibreOffice konnte nicht gestartet werden: \"" +
             FromUtf8(folder.path().string()) + u"\" ist kein ausführbares Programm.",
         u"Note: LibreOffice could not be started: \"" + FromUtf8(folder.path().string()) +
             u"\" is not an executable program."},
        {"my-office",
         u"Hinweis: LibreOffice konnte nicht gestartet werden: \"my-office\" wurde im Suchpfad "
         u"nicht gefunden.",
         u"Note: LibreOffice could not be started: \"my-office\" was not found on the search "
         u"path."},
        {"", u"Hinweis: LibreOffice ist nicht installiert.",
         u"Note: LibreOffice is not installed."},
    };
    for (const auto& c : cases) {
        const ScopedVariable office("LEXORIM_SOFFICE", c.configured);
        for (const auto& [language, start] :
             {std::pair(Language::German, c.german), std::pair(Language::English, c.english)}) {
            MessageLog log;
            EXPECT_EQ(ReadWordDocument(docx, -1, log.Context(language)),
                      u"Erste\r\nZweite\r\n\r\n1\r\n");
            ASSERT_EQ(log.messages.size(), 1u) << c.configured;
            EXPECT_TRUE(log.messages[0].starts_with(start)) << ToUtf8(log.messages[0]);
            EXPECT_NE(log.messages[0].find(u"\"buch.docx\""), Text::npos);
        }
        const bool named = !c.configured.empty();
        EXPECT_EQ(ConfiguredLayoutProgramProblem(Language::English).has_value(), named);
        // The RTF error gives the same reason.
        const Text rtfError = LayoutRequiredMessage(folder.file("brief.rtf"));
        EXPECT_NE(rtfError.find(named ? c.english.substr(6) : Text(u"which is not installed")),
                  Text::npos)
            << ToUtf8(rtfError);
    }
}

// A program that exists but cannot be run is named in the error of the layout.
TEST(DocumentLayout, AProgramThatCannotBeRunIsNamedInTheError) {
    TempFolder folder;
    const std::string program = folder.write("broken-soffice",
                                             "\x7F"
                                             "ELF broken");
    ::chmod(program.c_str(), 0755);
    const ScopedVariable office("LEXORIM_SOFFICE", program);
    const std::string docx = folder.write("buch.docx", kTwoPageDocx);
    try {
        ReadWordDocument(docx, -1);
        ADD_FAILURE() << "no error";
    } catch (const UserError& error) {
        const Text expected = u"Cannot lay out the document \"" + FromUtf8(docx) +
                              u"\". LibreOffice could not be started: \"" + FromUtf8(program) +
                              u"\". ";
        EXPECT_TRUE(error.text().starts_with(expected)) << ToUtf8(error.text());
    }
}

TEST(DocumentLayout, WithoutTheOfficeProgramDocumentsAreReadNativelyWithAWarning) {
    TempFolder folder;
    const ScopedVariable office("LEXORIM_SOFFICE", folder.file("no-such-soffice"));
    EXPECT_FALSE(FindLayoutProgram().has_value());
    const std::string docx = folder.write("buch.docx", kTwoPageDocx);
    for (const Language language : {Language::German, Language::English}) {
        MessageLog log;
        EXPECT_EQ(ReadWordDocument(docx, -1, log.Context(language)),
                  u"Erste\r\nZweite\r\n\r\n1\r\n");
        ASSERT_EQ(log.messages.size(), 1u);
        EXPECT_EQ(log.messages[0], LayoutUnavailableWarning(language, docx));
        EXPECT_NE(log.messages[0].find(u"\"buch.docx\""), Text::npos);
    }
    EXPECT_NE(LayoutUnavailableWarning(Language::German, docx),
              LayoutUnavailableWarning(Language::English, docx));
    // RTF has no native reader: a clear error instead of an empty index.
    for (const char* name : {"brief.rtf", "brief-rtf.doc"}) {
        const std::string rtf = folder.write(name, "{\\rtf1\\ansi Hallo\\par}");
        EXPECT_EQ(DetectDocumentFormat(rtf), DocumentFormat::Rtf) << name;
        try {
            ReadWordDocument(rtf, -1);
            ADD_FAILURE() << name << ": no error";
        } catch (const UserError& error) {
            EXPECT_EQ(error.text(), LayoutRequiredMessage(rtf));
        }
    }
}

// Word records where its pages started and how many there were; such a document is read as it
// is, without starting the office program.
TEST(DocumentLayout, ADocxThatRecordsItsWholeLayoutIsReadNatively) {
    TempFolder folder;
    const ScopedVariable office("LEXORIM_SOFFICE", InstallFakeOffice(folder, "exit 1"));
    const std::string body =
        "<w:p><w:r><w:t>Erste</w:t></w:r></w:p>"
        "<w:p><w:r><w:lastRenderedPageBreak/><w:t>Zweite</w:t></w:r></w:p>";
    auto package = [&](const std::string& application, const std::string& pages) {
        return MakeZip(
            {{"[Content_Types].xml", "<Types>wordprocessingml</Types>"},
             {"word/document.xml", testing::DocxDocumentXml(body)},
             {"docProps/app.xml", "<Properties><Application>" + application +
                                      "</Application><Pages>" + pages + "</Pages></Properties>"}});
    };
    MessageLog log;
    EXPECT_EQ(ReadWordDocument(folder.write("word.docx", package("Microsoft Office Word", "2")), -1,
                               log.Context()),
              u"Erste\r\n\r\n1\r\nZweite\r\n\r\n2\r\n");
    EXPECT_TRUE(log.messages.empty());
    // A page count that does not match, or one written by another program, is not trusted.
    for (const auto& [application, pages] :
         {std::pair{"Microsoft Office Word", "3"}, std::pair{"LibreOffice/7.4", "2"}}) {
        EXPECT_THROW(ReadWordDocument(folder.write("other.docx", package(application, pages)), -1,
                                      log.Context()),
                     UserError)
            << application << " " << pages;
    }
}

// Converters copy a template's statistics into every DOCX they write (Word, one page, 83
// words); a long text under such a claim is laid out, while Word's own statistics are trusted.
TEST(DocumentLayout, StatisticsThatDoNotDescribeTheTextAreNotTrusted) {
    TempFolder folder;
    const ScopedVariable office("LEXORIM_SOFFICE", InstallFakeOffice(folder, "exit 1"));
    std::string body;
    for (int i = 0; i < 60; ++i) {
        body += "<w:p><w:r><w:t>Ein Absatz mit sechs Worten hier</w:t></w:r></w:p>";
    }
    auto package = [&](const std::string& words) {
        return MakeZip({{"[Content_Types].xml", "<Types>wordprocessingml</Types>"},
                        {"word/document.xml", testing::DocxDocumentXml(body)},
                        {"docProps/app.xml",
                         "<Properties><Application>Microsoft Word 12.0.0</Application><Pages>1"
                         "</Pages><Words>" +
                             words + "</Words></Properties>"}});
    };
    MessageLog log;
    EXPECT_THROW(ReadWordDocument(folder.write("template.docx", package("83")), -1, log.Context()),
                 UserError);
    const Text text =
        ReadWordDocument(folder.write("word.docx", package("360")), -1, log.Context());
    EXPECT_TRUE(text.ends_with(u"hier\r\n\r\n1\r\n"));
    EXPECT_TRUE(log.messages.empty());
}

TEST(RecordsItsWholeLayout, NeedsWordsCountAndRecordedPageStarts) {
    DocumentPages pages;
    pages.pages = {u"a", u"b"};
    EXPECT_FALSE(RecordsItsWholeLayout(pages));
    pages.statedPageCount = 2;
    EXPECT_FALSE(RecordsItsWholeLayout(pages));
    pages.recordedPageStarts = 1;
    EXPECT_TRUE(RecordsItsWholeLayout(pages));
    pages.statedPageCount = 3;
    EXPECT_FALSE(RecordsItsWholeLayout(pages));
    pages.pages = {u"a"};
    pages.statedPageCount = 1;
    pages.recordedPageStarts = 0;
    EXPECT_TRUE(RecordsItsWholeLayout(pages));
}

// ---------------------------------------------------------------------------------------------
// With the real LibreOffice: books written by pandoc and by LibreOffice, made once for all
// cases by scripts/make-document-fixtures.

class LaidOutBooks : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!FindLayoutProgram() || std::system("command -v pandoc >/dev/null 2>&1") != 0) {
            return;
        }
        folder_ = new TempFolder();
        const std::string command = std::string(LEXORIM_SOURCE_DIR) +
                                    "/scripts/make-document-fixtures '" + folder_->file("books") +
                                    "'";
        made_ = std::system(command.c_str()) == 0;
    }
    static void TearDownTestSuite() {
        delete folder_;
        folder_ = nullptr;
    }
    void SetUp() override {
        if (folder_ == nullptr) {
            GTEST_SKIP() << "LibreOffice (soffice) or pandoc is not installed";
        }
        ASSERT_TRUE(made_) << "scripts/make-document-fixtures failed";
    }
    static std::string Book(const std::string& name) { return folder_->file("books/" + name); }

    static TempFolder* folder_;
    static bool made_;
};

TempFolder* LaidOutBooks::folder_ = nullptr;
bool LaidOutBooks::made_ = false;

using PagesOfWords = std::map<Text, std::set<Text>>;

// Every word of each page, with the page's number line.
PagesOfWords WordPages(const std::vector<Text>& pages, const std::vector<Text>& numbers) {
    WordCriteria criteria;
    criteria.useNegativeList = false;
    criteria.markCombined = false;
    const WordPipeline pipeline({criteria, false}, {}, {});
    PagesOfWords result;
    for (size_t i = 0; i < pages.size(); ++i) {
        const Text number = i < numbers.size() ? numbers[i] : DecimalText(int64_t(i) + 1);
        pipeline.FilterPageWords(
            pages[i], number, u"-",
            [&](TextView word, TextView key, TextView) { result[Text(word)].insert(Text(key)); });
    }
    return result;
}

// The pages of the document as the index run takes them: the text between number lines.
PagesOfWords WordPagesOfDocument(const std::string& path) {
    const std::optional<PagedDocument> document = ReadPagedDocument(path);
    EXPECT_TRUE(document.has_value()) << path;
    if (!document) {
        return {};
    }
    const std::vector<TextView> lines = SplitLines(document->text);
    std::vector<Text> pages;
    std::vector<Text> numbers;
    int64_t next = 0;
    for (const PageNumberLine& page : document->pageNumbers) {
        Text text;
        for (int64_t line = next; line < page.line; ++line) {
            text += lines[static_cast<size_t>(line)];
            text += u"\r\n";
        }
        pages.push_back(text);
        numbers.push_back(page.number);
        next = page.line + 1;
    }
    return WordPages(pages, numbers);
}

// A sound DOC written by LibreOffice passes the check of its structure; one without text is an
// empty page with and without the layout.
TEST_F(LaidOutBooks, DocsOfTheOfficeProgramAreSound) {
    const std::string empty = Book("empty-doc.doc");
    EXPECT_GT(InspectWordBinary(TempFolder::read(Book("office-doc.doc"))).textLength, 1u);
    EXPECT_LE(InspectWordBinary(TempFolder::read(empty)).textLength, 1u);
    EXPECT_EQ(ReadWordDocument(empty, -1), u"\r\n1\r\n");
    const ScopedVariable office("LEXORIM_SOFFICE", Book("no-such-soffice"));
    EXPECT_EQ(ReadWordDocument(empty, -1), u"\r\n1\r\n");
}

void ExpectPagesCarryTheNumbersTheDocumentDefines(
    const std::function<std::string(const std::string&)>& Book);

// One case for all books, so that the fixtures are made once.
TEST_F(LaidOutBooks, EveryWordIsOnThePagesAndNumbersOfTheOfficePdfExport) {
    ExpectPagesCarryTheNumbersTheDocumentDefines(&LaidOutBooks::Book);
    // RTF is recognised by its content also under a Word name.
    fs::copy_file(Book("pandoc-rtf.rtf"), Book("pandoc-rtf-named.doc"));
    fs::copy_file(Book("reference/pandoc-rtf.pdf"), Book("reference/pandoc-rtf-named.pdf"));
    EXPECT_EQ(DetectDocumentFormat(Book("pandoc-rtf-named.doc")), DocumentFormat::Rtf);
    EXPECT_EQ(DetectDocumentFormat(Book("office-rtf.rtf")), DocumentFormat::Rtf);
    EXPECT_EQ(DetectDocumentFormat(Book("office-doc.doc")), DocumentFormat::Doc);
    for (const std::string name :
         {"pandoc-docx.docx", "pandoc-odt.odt", "pandoc-rtf.rtf", "pandoc-rtf-named.doc",
          "office-docx.docx", "office-odt.odt", "office-doc.doc", "office-rtf.rtf"}) {
        const std::string stem = name.substr(0, name.find('.'));
        const std::optional<DocumentPages> reference =
            ReadPdfPages(TempFolder::read(Book("reference/" + stem + ".pdf")), -1);
        ASSERT_TRUE(reference.has_value()) << name;
        // Long enough that the layout adds page breaks of its own to the hard ones.
        EXPECT_GE(reference->pages.size(), 9u) << name;
        const PagesOfWords expected = WordPages(reference->pages, {});
        const PagesOfWords actual = WordPagesOfDocument(Book(name));
        EXPECT_EQ(actual.size(), expected.size()) << name;
        for (const auto& [word, pages] : expected) {
            const auto found = actual.find(word);
            ASSERT_NE(found, actual.end()) << name << ": " << ToUtf8(word);
            EXPECT_EQ(found->second, pages) << name << ": " << ToUtf8(word);
        }
    }
}

// The number each page of a PDF shows in its footer: its last line.
std::vector<Text> FooterNumbers(const std::vector<Text>& pages) {
    std::vector<Text> numbers;
    for (const Text& page : pages) {
        const std::vector<Text> lines = SplitAt(TrimBlanksAndControls(page), u"\r");
        numbers.emplace_back(TrimBlanksAndControls(lines.back()));
    }
    return numbers;
}

// Front matter in roman numerals, chapters from 1: the numbers the user sees in the word
// processor, whatever path the document takes.
void ExpectPagesCarryTheNumbersTheDocumentDefines(
    const std::function<std::string(const std::string&)>& Book) {
    for (const std::string name : {"numbered-odt.odt", "numbered-docx.docx"}) {
        const std::string stem = name.substr(0, name.find('.'));
        const std::optional<DocumentPages> reference =
            ReadPdfPages(TempFolder::read(Book("reference/" + stem + ".pdf")), -1);
        ASSERT_TRUE(reference.has_value()) << name;
        const std::vector<Text> numbers = FooterNumbers(reference->pages);
        ASSERT_GE(numbers.size(), 5u);
        EXPECT_EQ(numbers[0], u"i") << name;
        const PagesOfWords expected = WordPages(reference->pages, numbers);
        const PagesOfWords actual = WordPagesOfDocument(Book(name));
        EXPECT_EQ(actual, expected) << name;
    }
    // Word's own record of its pages, with a roman first section.
    const std::optional<PagedDocument> word = ReadPagedDocument(Book("word.docx"));
    ASSERT_TRUE(word.has_value());
    std::vector<Text> numbers;
    for (const PageNumberLine& page : word->pageNumbers) {
        numbers.push_back(page.number);
    }
    EXPECT_EQ(numbers, (std::vector<Text>{u"i", u"ii", u"1", u"2", u"3"}));
}

}  // namespace
}  // namespace lexorim
