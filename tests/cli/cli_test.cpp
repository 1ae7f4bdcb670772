#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "textfiles/document_fixtures.h"
#include "textfiles/source_limits.h"

namespace {

namespace fs = std::filesystem;

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}

std::string Quote(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("lexorim-cli-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path File(const std::string& name, const std::string& bytes) const {
        const fs::path path = folder_ / name;
        WriteAll(path, bytes);
        return path;
    }
    fs::path Path(const std::string& name) const { return folder_ / name; }

    // `environment` is put before the command, e.g. "LEXORIM_SOFFICE=/nonexistent".
    CliResult Run(const std::vector<std::string>& args, const std::string& input = "",
                  const std::string& environment = "") const {
        const fs::path in = folder_ / ".stdin";
        const fs::path out = folder_ / ".stdout";
        const fs::path err = folder_ / ".stderr";
        WriteAll(in, input);
        std::string command = environment + " " + Quote(LEXORIM_CLI);
        for (const std::string& a : args)
            command += " " + Quote(a);
        command += " < " + Quote(in) + " > " + Quote(out) + " 2> " + Quote(err);
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(out), ReadAll(err)};
    }

    // Runs with the shell redirections given as they stand (for a full device, a folder or a
    // closed descriptor as standard input or output); standard error is captured.
    CliResult RunRedirected(const std::vector<std::string>& args, const std::string& redirections,
                            const std::string& shellPrefix = "") const {
        const fs::path err = folder_ / ".stderr";
        std::string command = shellPrefix + Quote(LEXORIM_CLI);
        for (const std::string& a : args)
            command += " " + Quote(a);
        command += " " + redirections + " 2> " + Quote(err);
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, "", ReadAll(err)};
    }

  private:
    fs::path folder_;
};

TEST_F(CliTest, IndexesStandardInputLineByLine) {
    const CliResult r = Run({"text", "--set", "sz_zeilezuseite=1", "--set", "kt_zusdoppelt=0"},
                            "Der Hund von Jonas Weller bellt.\r\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Index\r\n\r\nH\r\nHund 1\r\n\r\nJ\r\nJonas Weller 1\r\n");
}

TEST_F(CliTest, ReadsPageNumbersFromTheTextByDefault) {
    const fs::path source = File("buch.txt", "Apfel und Birne.\r\n17\r\nBirne allein.\r\n18\r\n");
    const CliResult r = Run({"text", source.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Index\r\n\r\nA\r\nApfel 17\r\n\r\nB\r\nBirne 17, 18\r\n");
    const CliResult items = Run({"designations", source.string()});
    EXPECT_EQ(items.out, "17 (1)\r\n18 (3)\r\n");
    const CliResult above = Run({"text", source.string(), "--set", "posueber=1"});
    EXPECT_EQ(above.out, "Index\r\n\r\nB\r\nBirne 17\r\n");
}

// An empty index for a reason the user can change comes with a hint on standard error; the
// result and the exit status stay as they are.
TEST_F(CliTest, HintsWhyAnIndexIsEmpty) {
    const CliResult noNumbers = Run({"text", "--lang", "en"}, "Der Hund bellt.\r\nAnton kam.\r\n");
    EXPECT_EQ(noNumbers.status, 0);
    EXPECT_EQ(noNumbers.out, "Index\r\n");
    EXPECT_NE(noNumbers.err.find("No page numbers were found"), std::string::npos) << noNumbers.err;
    EXPECT_NE(noNumbers.err.find("--set sz_zeilezuseite=1"), std::string::npos);
    EXPECT_EQ(Run({"text", "--set", "sz_zeilezuseite=1"}, "Der Hund bellt.\r\n").err, "");

    const fs::path pdf = File("scan.pdf", lexorim::testing::MakePdf({{}, {}}));
    const CliResult scan = Run({"text", pdf.string()});
    EXPECT_EQ(scan.status, 0);
    EXPECT_EQ(scan.out, "Index\r\n");
    EXPECT_NE(scan.err.find("Das Dokument enth\xC3\xA4lt keinen Text"), std::string::npos)
        << scan.err;
}

// RTF is recognised by its content, also under a Word name; without LibreOffice it cannot be
// read, which is an error and not an empty index.
TEST_F(CliTest, NamesRtfAndFailsClearlyWithoutLibreOffice) {
    const fs::path rtf = File("brief.doc", "{\\rtf1\\ansi Hallo Anton\\par}");
    EXPECT_EQ(Run({"detect", rtf.string()}).out, "RTF\t" + rtf.string() + "\n");
    const CliResult r = Run({"text", rtf.string(), "-o", Path("index.txt").string()}, "",
                            "LEXORIM_SOFFICE=/nonexistent/soffice");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot read the document \"" + rtf.string() + "\""), std::string::npos)
        << r.err;
    EXPECT_FALSE(fs::exists(Path("index.txt")));
}

TEST_F(CliTest, RejectsBadArgumentsWithUsage) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"text", "--bogus"},
             {"text", "--set", "no_such=1"},
             {"text", "--set", "kt_design=2"},
             {"text", "--set"},
             {"text", "--lang", "fr"},
             {"frobnicate"},
             {},
             {"convert", "x.txt"},
             {"text", "--font", "Mono"},
         }) {
        const CliResult r = Run(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "(none)" : args[0]);
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
}

// A bad argument gets a short usage: the synopsis of the command that was named, else the list
// of commands, and where the whole help is.
TEST_F(CliTest, KeepsTheUsageAfterABadArgumentShort) {
    const struct {
        std::vector<std::string> args;
        std::string usage;
    } cases[] = {
        {{"text", "--bogus"}, "usage: lexorim-cli text [SOURCE|-]"},
        {{"config", "--standard"},
         "usage: lexorim-cli config --standard -o FILE.lkfg\n"
         "       lexorim-cli config --show FILE.lkfg\n"},
        {{}, "usage: lexorim-cli COMMAND"},
        {{"frobnicate"}, "usage: lexorim-cli COMMAND"},
    };
    for (const auto& c : cases) {
        const CliResult r = Run(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.usage), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("lexorim-cli --help"), std::string::npos) << r.err;
        EXPECT_LE(std::count(r.err.begin(), r.err.end(), '\n'), 4) << r.err;
    }
}

// The help goes to standard output with status 0 and needs no complete command line; each line
// fits a terminal, and no wrapped line starts with a dash (help2man would take it for an option).
TEST_F(CliTest, PrintsTheHelpOfTheProgramAndOfEachCommand) {
    const std::vector<std::string> commands = {"text",    "designations", "strip-html", "detect",
                                               "convert", "config",       "txt2idx",    "paginate",
                                               "files",   "keywords"};
    const auto expectReadableHelp = [](const CliResult& r, const std::string& what) {
        EXPECT_EQ(r.status, 0) << what;
        EXPECT_EQ(r.err, "") << what;
        std::istringstream lines(r.out);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_LE(line.size(), 79u) << what << ": " << line;
            EXPECT_FALSE(line.starts_with("        ") &&
                         line.find_first_not_of(' ') != std::string::npos &&
                         line[line.find_first_not_of(' ')] == '-')
                << what << ": " << line;
        }
    };
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--help"}, {"-h"}}) {
        const CliResult r = Run(args);
        expectReadableHelp(r, args[0]);
        for (const std::string& command : commands)
            EXPECT_NE(r.out.find("lexorim-cli " + command + " "), std::string::npos) << command;
        EXPECT_NE(r.out.find("--version"), std::string::npos);
    }
    for (const std::string& command : commands) {
        const CliResult r = Run({command, "--help"});
        expectReadableHelp(r, command);
        EXPECT_EQ(r.out.rfind("Usage: lexorim-cli " + command + " ", 0), 0u) << r.out;
    }
    EXPECT_NE(Run({"text", "--help"}).out.find("--add-to FILE.idx"), std::string::npos);
    EXPECT_EQ(Run({"detect", "--help"}).out.find("--add-to"), std::string::npos);
    // Help before the arguments are checked: a setting no control has is not looked at.
    EXPECT_EQ(Run({"convert", "--help", "--set", "no_such=1"}).status, 0);
}

TEST_F(CliTest, PrintsTheVersionOfTheProject) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--version"}, {"text", "--version"}}) {
        const CliResult r = Run(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "lexorim-cli " LEXORIM_PROJECT_VERSION "\n");
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(CliTest, ReportsFilesThatCannotBeRead) {
    const CliResult r = Run({"text", Path("missing.txt").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("Cannot open file \"" + Path("missing.txt").string() + "\". ", 0), 0u)
        << r.err;
}

TEST_F(CliTest, PrintsTheSummaryInEitherLanguage) {
    const CliResult de = Run({"text", "--summary"});
    EXPECT_EQ(de.out.rfind("Quelle\r\n - Text wird als Quelle benutzt", 0), 0u);
    EXPECT_NE(de.out.find("Seitenzahlen\r\n - Benutzerdefinierte Einstellungen"),
              std::string::npos);
    const CliResult en =
        Run({"text", "book.txt", "--summary", "--lang", "en", "--set", "sz_zeilezuseite=1"});
    EXPECT_EQ(en.out.rfind("Source\r\n - File: book.txt\r\n\r\nPage Numbers\r\n"
                           " - Every Line is a New Page\r\n",
                           0),
              0u)
        << en.out;
}

TEST_F(CliTest, ShowsProgressOnStandardError) {
    const CliResult r =
        Run({"text", "--set", "sz_zeilezuseite=1", "--progress", "--lang", "en"}, "A\nB\n");
    EXPECT_EQ(r.err,
              "0%\tPreparing Index..\n50%\tReading Page: 1\n75%\tReading Page: 2\n"
              "75%\tRefreshing Index..\n75%\tWriting Index..\n");
}

TEST_F(CliTest, WritesTheOutputAndTheIndexFileInTheChosenEncoding) {
    const fs::path out = Path("index.txt");
    const CliResult r = Run({"text", "--set", "sz_zeilezuseite=1", "--set", "rb_utf16le=1", "-o",
                             out.string(), "--idx", Path("buch").string()},
                            "Apfel\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const std::string expected("\xFF\xFEI\0n\0d\0e\0x\0\r\0\n\0", 16);
    EXPECT_EQ(ReadAll(out).substr(0, 16), expected);
    EXPECT_EQ(ReadAll(Path("buch.idx")), std::string("\xFF\xFE"
                                                     "A\0p\0f\0e\0l\0:\0"
                                                     "1\0>\0-\0\r\0\n\0",
                                                     24));
}

TEST_F(CliTest, AddsToAnExistingIndex) {
    const fs::path idx = File("alt.idx", "Apfel:3>-\r\n");
    const CliResult r =
        Run({"text", "--set", "sz_zeilezuseite=1", "--add-to", idx.string()}, "Apfel\nBirne\n");
    EXPECT_EQ(r.out, "Index\r\n\r\nA\r\nApfel 3, 1\r\n\r\nB\r\nBirne 2\r\n");
}

TEST_F(CliTest, TakesWordListsFromFiles) {
    const fs::path neg = File("neg.txt", "Apfel\r\n");
    const fs::path pos = File("pos.txt", "kleine Birne\r\n");
    const CliResult r =
        Run({"text", "--set", "sz_zeilezuseite=1", "--set", "kt_positivliste=1", "--set",
             "kt_zusdoppelt=0", "--neg", neg.string(), "--pos", pos.string()},
            "Apfel und Der und eine kleine Birne\n");
    EXPECT_EQ(r.out, "Index\r\n\r\nD\r\nDer 1\r\n\r\nK\r\nkleine Birne 1\r\n");
}

// Documents read page by page are indexed with their own pages and printed page numbers.
TEST_F(CliTest, IndexesDocumentsWithTheirOwnPageNumbers) {
    using namespace lexorim::testing;
    const fs::path pdf =
        File("buch.pdf", MakePdf({{"Vorwort von Marta"}, {"Anton baut"}, {"Marta und Anton"}},
                                 "<< /Nums [0 << /S /r >> 1 << /S /D /St 17 >>] >>"));
    const CliResult fromPdf = Run({"text", pdf.string()});
    EXPECT_EQ(fromPdf.status, 0) << fromPdf.err;
    EXPECT_EQ(fromPdf.out,
              "Index\r\n\r\nA\r\nAnton 17, 18\r\n\r\nM\r\nMarta i, 18\r\n"
              "\r\nV\r\nVorwort i\r\n");
    EXPECT_EQ(Run({"designations", pdf.string()}).out, "i (2)\r\n17 (5)\r\n18 (8)\r\n");

    const fs::path docx = File(
        "buch.docx",
        MakeDocx("<w:p><w:r><w:t>Erste Seite mit Anton</w:t></w:r></w:p>"
                 "<w:p><w:r><w:br w:type=\"page\"/><w:t>Zweite Seite mit Marta</w:t></w:r></w:p>"));
    // Read natively, as on a machine without LibreOffice; the user is told so.
    const std::string withoutOffice = "LEXORIM_SOFFICE=/nonexistent/soffice";
    const CliResult fromDocx = Run({"text", docx.string()}, "", withoutOffice);
    EXPECT_NE(fromDocx.err.find("LibreOffice"), std::string::npos) << fromDocx.err;
    EXPECT_EQ(fromDocx.status, 0);
    EXPECT_EQ(fromDocx.out,
              "Index\r\n\r\nA\r\nAnton 1\r\n\r\nE\r\nErste 1\r\n\r\nM\r\n"
              "Marta 2\r\n\r\nS\r\nSeite 1, 2\r\n\r\nZ\r\nZweite 2\r\n")
        << fromDocx.err;

    const fs::path odt = File("buch.odt", MakeOdt("<text:p>Anton</text:p><text:soft-page-break/>"
                                                  "<text:p>Marta</text:p>"));
    EXPECT_EQ(Run({"text", odt.string()}, "", withoutOffice).out,
              "Index\r\n\r\nA\r\nAnton 1\r\n\r\nM\r\nMarta 2\r\n");
    EXPECT_EQ(
        Run({"detect", pdf.string(), docx.string(), odt.string()}).out,
        "PDF\t" + pdf.string() + "\nDOCX\t" + docx.string() + "\nODT\t" + odt.string() + "\n");
}

// A PDF without page labels takes the numbers its feet print when asked, with a note naming
// the pages on standard error; a page range that cannot be read stops the run with a message.
TEST_F(CliTest, TakesPrintedPageNumbersAndAPageRangeOnRequest) {
    using namespace lexorim::testing;
    const fs::path pdf = File("buch.pdf", MakePdf({{"Vorwort von Marta", "iv"},
                                                   {"Dank an Anton", "v"},
                                                   {"Kapitel Apfel", "1"},
                                                   {"Kapitel Birne", "2"}}));
    const CliResult plain = Run({"text", pdf.string(), "--lang", "en"});
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_NE(plain.out.find("Apfel 3\r\n"), std::string::npos) << plain.out;
    EXPECT_EQ(plain.err, "");

    const CliResult printed =
        Run({"text", pdf.string(), "--lang", "en", "--set", "ew_gedrucktenummern=1"});
    EXPECT_EQ(printed.status, 0) << printed.err;
    EXPECT_NE(printed.out.find("Apfel 1\r\n"), std::string::npos) << printed.out;
    EXPECT_NE(printed.out.find("Marta iv\r\n"), std::string::npos) << printed.out;
    EXPECT_EQ(printed.err, "The document \"" + pdf.string() +
                               "\" has no page labels of its own; its pages take the numbers "
                               "printed in their heads or feet: read on pages 1-4.\n");

    const CliResult range = Run({"text", pdf.string(), "--lang", "en", "--set",
                                 "ew_gedrucktenummern=1", "--set", "ew_seitenbereich=1-2"});
    EXPECT_EQ(range.status, 0) << range.err;
    EXPECT_EQ(range.out.find("Marta"), std::string::npos) << range.out;
    EXPECT_NE(range.out.find("Birne 2\r\n"), std::string::npos) << range.out;
    const CliResult bad =
        Run({"text", pdf.string(), "--lang", "en", "--set", "ew_seitenbereich=1-b"});
    EXPECT_NE(bad.status, 0);
    EXPECT_NE(bad.err.find("The page range \"1-b\" is not valid"), std::string::npos) << bad.err;
}

// A document is cut at its own pages; the settings for page number lines in a plain text, each
// alone and all at once, leave its locators where they are.
TEST_F(CliTest, PageNumberSettingsForPlainTextsLeaveDocumentPagesAlone) {
    using namespace lexorim::testing;
    const std::string withoutOffice = "LEXORIM_SOFFICE=/nonexistent/soffice";
    const std::vector<fs::path> documents{
        File("buch.pdf", MakePdf({{"Vorwort von Marta"}, {"Anton baut"}, {"Marta und Anton"}},
                                 "<< /Nums [0 << /S /r >> 1 << /S /D /St 17 >>] >>")),
        File("buch.docx",
             MakeDocx("<w:p><w:r><w:t>Erste Seite mit Anton</w:t></w:r></w:p>"
                      "<w:p><w:r><w:br w:type=\"page\"/><w:t>Zweite Seite mit Marta</w:t></w:r>"
                      "</w:p><w:p><w:r><w:br w:type=\"page\"/><w:t>Anton</w:t></w:r></w:p>")),
        File("buch.odt", MakeOdt("<text:p>Anton</text:p><text:soft-page-break/>"
                                 "<text:p>Marta</text:p><text:soft-page-break/>"
                                 "<text:p>Marta und Anton</text:p>")),
    };
    const std::vector<std::vector<std::string>> settings{
        {"posueber=1"},
        {"sz_laenge=1"},
        {"sz_laenge=9"},
        {"sz_zeichbeginn=1", "sz_zeichen=#"},
        {"sz_zeichenweg=0"},
        {"sz_kuerzen=0"},
        {"sz_bwdef=1", "sz_bwdefs=1 2"},
        {"sz_nurzahl=0"},
        {"cb_plus=1", "cb_pluswert=5"},
        {"cb_plus=1", "cb_pluswert=-3"},
        {"sz_beginn=40"},
    };
    for (const fs::path& document : documents) {
        const CliResult plain = Run({"text", document.string()}, "", withoutOffice);
        ASSERT_EQ(plain.status, 0) << plain.err;
        ASSERT_NE(plain.out, "Index\r\n") << document;
        std::vector<std::string> all{"text", document.string()};
        for (const std::vector<std::string>& group : settings) {
            std::vector<std::string> args{"text", document.string()};
            for (const std::string& setting : group) {
                args.insert(args.end(), {"--set", setting});
                all.insert(all.end(), {"--set", setting});
            }
            EXPECT_EQ(Run(args, "", withoutOffice).out, plain.out)
                << document.filename() << " with " << group.front();
        }
        EXPECT_EQ(Run(all, "", withoutOffice).out, plain.out) << document.filename();
    }
}

TEST_F(CliTest, ConvertsBetweenEncodingsAndToPictures) {
    const fs::path in = File("in.txt",
                             "Gr\xC3\xBC\xC3\x9F"
                             "e \xF0\x9F\x98\x80\r\nZeile 2\r\n");
    const fs::path utf16 = Path("out16.txt");
    ASSERT_EQ(Run({"convert", in.string(), "-o", utf16.string(), "--set", "rb_utf_be=1"}).status,
              0);
    EXPECT_EQ(Run({"detect", utf16.string()}).out, "UTF-16 BE\t" + utf16.string() + "\n");
    const fs::path back = Path("back.txt");
    ASSERT_EQ(Run({"convert", utf16.string(), "-o", back.string()}).status, 0);
    EXPECT_EQ(ReadAll(back), ReadAll(in));
    for (const char* name : {"bild.bmp", "bild.gif", "bild.JPG"}) {
        const fs::path picture = Path(name);
        const CliResult r = Run({"convert", in.string(), "-o", picture.string(), "--font",
                                 "DejaVu Sans Mono,14,bold,#000080", "--set", "Edit1=#FFFFE0"});
        EXPECT_EQ(r.status, 0) << r.err;
        const std::string bytes = ReadAll(picture);
        ASSERT_GT(bytes.size(), 100u) << name;
        const std::string magic = bytes.substr(0, 2);
        EXPECT_TRUE(magic == "BM" || magic == "GI" || magic == "\xFF\xD8") << name;
    }
}

TEST_F(CliTest, StripsHtmlTags) {
    const fs::path html = File("seite.html", "<p>Gr&ouml;&szlig;e</p><b>fett</b>");
    EXPECT_EQ(Run({"strip-html", html.string()}).out, " . Gr&ouml;&szlig;e .  . fett . ");
}

TEST_F(CliTest, WritesShowsAndUsesConfigurations) {
    const fs::path standard = Path("standard.lkfg");
    ASSERT_EQ(Run({"config", "--standard", "-o", standard.string()}).status, 0);
    EXPECT_EQ(ReadAll(standard).substr(0, 2), "\xFF\xFE");
    const CliResult shown = Run({"config", "--show", standard.string()});
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("Tdesign\t[DSLE]\tdsep=, \n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("Tprog\t[AS]\tN=1\n"), std::string::npos);
    EXPECT_EQ(shown.err, "");
    const fs::path odd =
        File("odd.lkfg", "[pbch]\r\nKT_DESIGN=1\r\nkt_unknown=1\r\n[Mine]\r\nx=y\r\n");
    const CliResult oddShown = Run({"config", "--show", odd.string()});
    EXPECT_NE(oddShown.out.find("Tprog\t[PBCH]\tkt_design=1\n"), std::string::npos);
    EXPECT_EQ(oddShown.err, "not used: [pbch] kt_unknown\nnot used: [Mine] x\n");

    // Every text index setting of a configuration file, against the same settings given one by
    // one: line mode and page designations, criteria, design and output encoding.
    const fs::path book = File("book.txt",
                               "Apfel und birne 12 Apfel\r\nKern der Birne 7\r\n"
                               "Jonas Weller sah es\r\n3\r\n");
    struct Case {
        std::string file;
        std::vector<std::string> sets;
    };
    for (const Case& c : std::vector<Case>{
             {"[PBED]\r\nsz_beginn=5\r\n[PBCB]\r\nkt_max=5\r\n[PBRB]\r\nsz_zeilezuseite=1\r\n"
              "[PBCH]\r\nkt_kleineraus=0\r\nkt_zahlen=0\r\nkt_negativliste=0\r\n"
              "kt_keinedoppeltenseiten=0\r\nkt_zusdoppelt=0\r\nkt_design=1\r\nkt_zusammen=0\r\n"
              "[DSCH]\r\ndabsatz_abc=0\r\n[DSLE]\r\ndsep=\" - \"\r\ndzw=\": \"\r\nub=Buch\r\n"
              "[EARB]\r\nrb_utf16le=1\r\n",
              {"sz_beginn=5", "kt_max=5", "sz_zeilezuseite=1", "kt_kleineraus=0", "kt_zahlen=0",
               "kt_negativliste=0", "kt_keinedoppeltenseiten=0", "kt_zusdoppelt=0", "kt_design=1",
               "kt_zusammen=0", "dabsatz_abc=0", "Tdesign.dsep= - ", "dzw=: ", "ub=Buch",
               "rb_utf16le=1"}},
             {"[SKCB]\r\nsz_laenge=3\r\ncb_pluswert=10\r\n[SKRB]\r\nposueber=1\r\n"
              "[SKCH]\r\ncb_plus=1\r\n[PBCH]\r\nkt_grosseraus=1\r\nkt_maxl=0\r\n"
              "[DSCH]\r\nkt_alphabet=0\r\n",
              {"sz_laenge=3", "cb_pluswert=10", "posueber=1", "cb_plus=1", "kt_grosseraus=1",
               "kt_maxl=0", "Tdesign.kt_alphabet=0"}},
         }) {
        const fs::path config = File("my.lkfg", c.file);
        const CliResult fromFile = Run({"text", "--config", config.string(), book.string()});
        std::vector<std::string> args = {"text", book.string()};
        for (const std::string& set : c.sets) {
            args.push_back("--set");
            args.push_back(set);
        }
        const CliResult fromSets = Run(args);
        EXPECT_EQ(fromFile.status, 0) << fromFile.err;
        EXPECT_EQ(fromFile.out, fromSets.out);
        EXPECT_NE(fromFile.out, Run({"text", book.string()}).out);
    }

    // Later files win, and --set wins over every file.
    const fs::path first = File("first.lkfg", "[DSLE]\r\nub=Erste\r\n[PBCH]\r\nkt_design=1\r\n");
    const fs::path second = File("second.lkfg", "[DSLE]\r\nub=Zweite\r\n");
    EXPECT_EQ(Run({"text", "--config", first.string(), "--config", second.string(), book.string()})
                  .out.substr(0, 8),
              "Zweite\r\n");
    EXPECT_EQ(Run({"text", "--config", first.string(), "--set", "ub=Dritte", book.string()})
                  .out.substr(0, 8),
              "Dritte\r\n");

    // Without a SOURCE, the source file the configuration chose.
    const fs::path withSource =
        File("source.lkfg", "[PBED]\r\nedit_quelle=" + book.string() + "\r\n");
    EXPECT_EQ(Run({"text", "--config", withSource.string()}).out, Run({"text", book.string()}).out);

    const CliResult missing =
        Run({"text", "--config", Path("missing.lkfg").string(), book.string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("missing.lkfg"), std::string::npos);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"config"},
             {"config", "--standard"},
             {"config", "--standard", "-o", "x", "--show", "y"},
             {"txt2idx", book.string()},
             {"paginate", book.string(), "-o", "x"},
             {"paginate", book.string(), "--markers", "--empty-lines", "-o", "x"},
         }) {
        EXPECT_EQ(Run(args).status, 2) << args[0];
    }
}

TEST_F(CliTest, ConvertsTextToIndexFilesAndWritesPageNumbers) {
    const fs::path text =
        File("index.txt", "Apfel 12, 15, 17\r\nJonas Weller 12, 15\r\nnothing\r\n");
    const fs::path out = Path("buch");
    const CliResult r = Run({"txt2idx", text.string(), "-o", out.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadAll(Path("buch.idx")), "Apfel:12>-|15>-|17>-\r\nJonas Weller:12>-|15>-\r\n");
    EXPECT_NE(r.err.find("nothing"), std::string::npos);
    const fs::path ignore = File("ignore.lkfg", "[EIRB]\r\nzus_auslassen=1\r\n");
    ASSERT_EQ(Run({"txt2idx", text.string(), "--config", ignore.string(), "-o",
                   Path("kurz.idx").string()})
                  .status,
              0);
    EXPECT_EQ(ReadAll(Path("kurz.idx")), "Apfel:12>-|15>-|17>-\r\n");

    const fs::path pages = File("pages.txt", "Text A\r\n\r\n\r\nText B\r\n\r\n");
    ASSERT_EQ(
        Run({"paginate", pages.string(), "--empty-lines", "-o", Path("p1.txt").string()}).status,
        0);
    EXPECT_EQ(ReadAll(Path("p1.txt")), "Text A\r\n1\r\n\r\nText B\r\n2\r\n");
    const fs::path markers = File("markers.txt", "eins # zwei # drei");
    ASSERT_EQ(Run({"paginate", markers.string(), "--markers", "-o", Path("p2.txt").string(),
                   "--set", "zes=7"})
                  .status,
              0);
    EXPECT_EQ(ReadAll(Path("p2.txt")), "eins \r\n7\r\n zwei \r\n8\r\n drei");
}

}  // namespace

TEST_F(CliTest, AnUnreadableSourceFailsAndLeavesEveryTargetAsItWas) {
    const std::string docx = lexorim::testing::MakeDocx("<w:p><w:r><w:t>Text</w:t></w:r></w:p>");
    const std::string pdf = lexorim::testing::MakePdf({{"Text"}});
    // A damaged DOC: the compound file signature, then bytes from a fixed seed.
    std::mt19937 random(14);
    std::string randomDoc = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    for (int i = 0; i < 20000; ++i) {
        randomDoc += static_cast<char>(random() & 0xFF);
    }
    const std::string withoutOffice = "LEXORIM_SOFFICE=/nonexistent/soffice";
    const struct {
        std::string name;
        std::string bytes;
        std::string reason;
        std::string environment = "";
    } cases[] = {
        {"trunc.docx", docx.substr(0, docx.size() / 2), "The file is damaged or incomplete."},
        {"trunc.pdf", pdf.substr(0, pdf.size() / 3), "The file is damaged or incomplete."},
        {"random.pdf", "%PDF-1.7\n\x01\x02\x03 random bytes", "The file is damaged or incomplete."},
        {"random.odt", "PK\x03\x04 random", "The file is damaged or incomplete."},
        {"random.doc", randomDoc, "The file is damaged or incomplete."},
        {"random.doc", randomDoc, "The file is damaged or incomplete.", withoutOffice},
    };
    for (const auto& c : cases) {
        const fs::path source = File(c.name, c.bytes);
        const fs::path output = File("index.txt", "old output");
        const fs::path idx = File("book.idx", "Alt:1>-\r\n");
        const std::string error =
            "Cannot read this document \"" + source.string() + "\". " + c.reason + "\n";
        const CliResult text =
            Run({"text", source.string(), "--idx", idx.string(), "-o", output.string()}, "",
                c.environment);
        EXPECT_EQ(text.status, 1) << c.name;
        EXPECT_EQ(text.err, error) << c.name;
        EXPECT_EQ(ReadAll(output), "old output") << c.name;
        EXPECT_EQ(ReadAll(idx), "Alt:1>-\r\n") << c.name;
        const CliResult convert =
            Run({"convert", source.string(), "-o", output.string()}, "", c.environment);
        EXPECT_EQ(convert.status, 1) << c.name;
        EXPECT_EQ(convert.err, error) << c.name;
        EXPECT_EQ(ReadAll(output), "old output") << c.name;
    }
}

// A DOC that is sound but holds no text is an empty index with the hint, not an error.
TEST_F(CliTest, AnEmptyDocIsAnEmptyIndexWithTheHint) {
    if (std::system("command -v antiword >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "antiword is not installed";  // without any reader the DOC is an error
    }
    const fs::path doc = File("leer.doc", lexorim::testing::MakeWordBinary(1));
    const CliResult r =
        Run({"text", doc.string(), "--lang", "en"}, "", "LEXORIM_SOFFICE=/nonexistent/soffice");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Index\r\n");
    EXPECT_NE(r.err.find("The document holds no text"), std::string::npos) << r.err;
}

TEST_F(CliTest, AFailedWriteToStandardOutputIsAnError) {
    const fs::path book = File("book.txt", "Hund\n1\nKatze\n2\n");
    const fs::path html = File("page.html", "<b>fett</b>");
    const fs::path cfg = File("auto.lkfg", "");
    const std::vector<std::vector<std::string>> commands = {
        {"text", book.string(), "--set", "sz_zeilezuseite=1"},
        {"text", "--summary"},
        {"designations", book.string()},
        {"strip-html", html.string()},
        {"detect", book.string()},
        {"config", "--show", cfg.string()},
    };
    for (const auto& args : commands) {
        const CliResult r = RunRedirected(args, "< /dev/null > /dev/full");
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(r.err, "Cannot write to standard output. No space left on device\n") << args[0];
    }
}

TEST_F(CliTest, StandardInputThatCannotBeReadIsAnError) {
    const struct {
        std::string redirection;
        std::string error;
    } cases[] = {
        {"< " + Quote(Path("").string()), "Cannot read standard input. Is a directory\n"},
        {"<&-", "Cannot read standard input. Bad file descriptor\n"},
    };
    for (const auto& c : cases) {
        const CliResult r = RunRedirected({"text"}, c.redirection + " > /dev/null");
        EXPECT_EQ(r.status, 1) << c.redirection;
        EXPECT_EQ(r.err, c.error) << c.redirection;
    }
}

TEST_F(CliTest, SourcesAboveTheSizeLimitAreRefusedNamingTheLimit) {
    // A sparse file: its size is one byte above the limit, yet nothing of it is written.
    const fs::path file = File("big.txt", "");
    fs::resize_file(file, lexorim::kMaxTextSourceBytes + 1);
    const std::string reason = "The file is larger than 1 GiB.\n";
    const CliResult fromFile = Run({"text", file.string()});
    EXPECT_EQ(fromFile.status, 1);
    EXPECT_EQ(fromFile.err, "Cannot open file \"" + file.string() + "\". " + reason);
    const CliResult detected = Run({"detect", file.string()});
    EXPECT_EQ(detected.status, 1);
    EXPECT_EQ(detected.err, "Cannot open file \"" + file.string() + "\". " + reason);
    const CliResult fromInput =
        RunRedirected({"text"}, "< " + Quote(file.string()) + " > /dev/null");
    EXPECT_EQ(fromInput.status, 1);
    EXPECT_EQ(fromInput.err, "Cannot read standard input. " + reason);
}

TEST_F(CliTest, ALongLineOfCapitalisedWordsStaysSmall) {
    // 8,000 capitalised words on one line, without a full stop, directly and in UTF-7.
    std::string line = "x";
    for (int i = 0; i < 8000; ++i) {
        line += " Wort" + std::to_string(i % 10 == 0 ? 0 : 1) + std::string(1, 'A' + i % 26);
    }
    std::string utf7 = "+/v8-";
    for (int i = 0; i < 10000; ++i) {
        utf7 += "Hund Jonas ";
    }
    for (const auto& [name, bytes] : {std::pair{"line.txt", line}, std::pair{"hund.txt", utf7}}) {
        const fs::path source = File(name, bytes);
        const CliResult r =
            Run({"text", source.string(), "--set", "sz_zeilezuseite=1", "--set", "kt_zahlen=0"});
        EXPECT_EQ(r.status, 0) << name;
        // Every name holds at most eight words, so the index grows with the line, not its square.
        EXPECT_LT(r.out.size(), 40 * bytes.size()) << name;
        EXPECT_EQ(r.out.find("Hund Jonas Hund Jonas Hund Jonas Hund Jonas Hund"),
                  std::string::npos);
    }
}

TEST_F(CliTest, WarnsAboutNumericSettingsItCannotUse) {
    const struct {
        std::string setting;
        std::string warning;
    } cases[] = {
        {"kt_max=abc",
         "kt_max=\"abc\" is not a whole number from -2147483648 to 2147483647; "
         "using 2."},
        {"sz_laenge=-5",
         "sz_laenge=-5 is below 1; using -5, so no line is short enough to be a "
         "page number."},
        {"sz_beginn=999999999999",
         "sz_beginn=\"999999999999\" is not a whole number from "
         "-2147483648 to 2147483647; using 1."},
        {"cb_pluswert=zwei",
         "cb_pluswert=\"zwei\" is not a whole number from -2147483648 to "
         "2147483647; using 0."},
        {"kt_max=-1", "kt_max=-1 is below 0; using -1, so every word is long enough."},
    };
    for (const auto& c : cases) {
        const CliResult r =
            Run({"text", "--set", "sz_zeilezuseite=1", "--set", c.setting}, "Hund\n");
        EXPECT_EQ(r.status, 0) << c.setting;
        EXPECT_EQ(r.err, "lexorim-cli: warning: " + c.warning + "\n") << c.setting;
    }
    EXPECT_EQ(
        Run({"text", "--set", "sz_zeilezuseite=1", "--set", "kt_max=4", "--set", "sz_laenge=$10"},
            "Hund\n")
            .err,
        "");
}

TEST_F(CliTest, WarnsWhenTheIndexToAddToHoldsNothing) {
    const fs::path missing = Path("tippfehler.idx");
    const fs::path empty = File("leer.idx", "kein Index\r\n");
    const fs::path real = File("echt.idx", "Apfel:3>-\r\n");
    EXPECT_EQ(
        Run({"text", "--set", "sz_zeilezuseite=1", "--add-to", missing.string()}, "Hund\n").err,
        "lexorim-cli: warning: --add-to \"" + missing.string() +
            "\": no such file; the index holds only the new entries.\n");
    EXPECT_EQ(Run({"text", "--set", "sz_zeilezuseite=1", "--add-to", empty.string()}, "Hund\n").err,
              "lexorim-cli: warning: --add-to \"" + empty.string() +
                  "\": the file holds no index line; the index holds only the new entries.\n");
    EXPECT_EQ(Run({"text", "--set", "sz_zeilezuseite=1", "--add-to", real.string()}, "Hund\n").err,
              "");
}

TEST_F(CliTest, EveryErrorNamesItsFile) {
    const fs::path utf7 = File("kaputt.txt", "+/v8\x80");
    const CliResult text = Run({"text", utf7.string()});
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.err, "Cannot read file \"" + utf7.string() + "\". Invalid UTF7\n");
    const CliResult input = Run({"text"}, "+/v8\x80");
    EXPECT_EQ(input.err, "Cannot read standard input. Invalid UTF7\n");
    const fs::path missing = Path("fehlt.txt");
    const CliResult detect = Run({"detect", missing.string(), Path("").string()});
    EXPECT_EQ(detect.status, 1);
    EXPECT_EQ(detect.err, "Cannot open file \"" + missing.string() +
                              "\". No such file or directory\nCannot open file \"" +
                              Path("").string() + "\". Is a directory\n");
}

TEST_F(CliTest, RunningOutOfMemoryIsAnError) {
    std::string book;
    while (book.size() < 20'000'000) {
        book += "Haus Garten und der Weller Jonas\n";
    }
    const fs::path source = File("book.txt", book);
    // About 120 MB of address space: enough to start, too little for the run.
    const CliResult r = RunRedirected({"text", source.string(), "--set", "sz_zeilezuseite=1"},
                                      "> /dev/null", "ulimit -v 120000; ");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Not enough memory to finish the command.\n");
}
