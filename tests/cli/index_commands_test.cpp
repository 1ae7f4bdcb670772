#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "ui/window_definitions.h"

namespace lexorim {
namespace {

using testing::TempFolder;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ShellQuote(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class IndexCommandsTest : public ::testing::Test {
  protected:
    // Runs lexorim-cli in the test's folder, so relative paths are the folder's files.
    CliRun Run(const std::vector<std::string>& args) const {
        std::string command = "cd " + ShellQuote(folder.path().string()) +
                              " && LC_ALL=de_DE.UTF-8 " + ShellQuote(LEXORIM_CLI);
        for (const std::string& a : args)
            command += " " + ShellQuote(a);
        command += " < /dev/null > .stdout 2> .stderr";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, TempFolder::read(folder.file(".stdout")),
                TempFolder::read(folder.file(".stderr"))};
    }

    void WriteSite() {
        std::filesystem::create_directories(folder / "sub");
        folder.write(
            "start.html",
            "<html><body><a href=\"sub/page.html\">Über uns</a> "
            "<a href=\"preise.html\">Preise</a> <a href=\"weg.html\">Weg</a></body></html>");
        folder.write("sub/page.html", "<p>Ein Haus in K\xC3\xB6ln</p>");
        folder.write("preise.html", "<p>Das Haus und die Preise</p>");
    }

    TempFolder folder;
};

TEST_F(IndexCommandsTest, ListsTheSourceRowsInTheirSortOrder) {
    WriteSite();
    const CliRun r = Run({"files", "start.html", "--scan", "--list"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Preise\tpreise.html\tHTML\tUTF-8\t0,029 KB\tpreise.html\r\n"
              "Start\tstart.html\tHTML\tUTF-8\t0,120 KB\tstart.html\r\n"
              "\xC3\x9C"
              "ber Uns\tsub/page.html\tHTML\tUTF-8\t0,023 KB\tsub/page.html\r\n");
    const CliRun unscanned = Run({"keywords", "preise.html", "start.html", "--list"});
    EXPECT_EQ(unscanned.out.find("sub/page.html"), std::string::npos);
}

TEST_F(IndexCommandsTest, WritesTheFileIndexAsHtmlOrAsText) {
    WriteSite();
    const CliRun html = Run({"files", "start.html", "--scan", "--set", "dkt_zusdoppelt=0"});
    ASSERT_EQ(html.status, 0) << html.err;
    EXPECT_TRUE(html.out.starts_with("<!DOCTYPE html PUBLIC"));
    // Names are plain text in the list ("Über Uns" sorts after "Preise"); the page encodes them.
    EXPECT_NE(html.out.find("<div id=\"box\"><div id=\"l\">Haus</div><div id=\"r\"><a "
                            "href=\"preise.html\">Preise</a> | <a "
                            "href=\"sub/page.html\">&Uuml;ber Uns</a></div></div>"),
              std::string::npos);
    EXPECT_NE(html.out.find("<a href=\"#K\">K</a>"), std::string::npos);

    const CliRun text =
        Run({"files", "start.html", "--scan", "--set", "textindex=1", "--set", "dkt_zusdoppelt=0",
             "--set", "Ttextdesign.kt_alphabet=0", "--lang", "en"});
    EXPECT_EQ(text.out,
              "Index\r\nHaus:    Preise[preise.html] | \xC3\x9C"
              "ber Uns[sub/page.html]\r\n"
              "K\xC3\xB6ln:    \xC3\x9C"
              "ber Uns[sub/page.html]\r\nPreise:    Preise[preise.html] | "
              "Start[start.html]\r\nWeg:    Start[start.html]\r\n");
}

TEST_F(IndexCommandsTest, SavesOutputAndIndexAndAddsToAnExistingIndex) {
    WriteSite();
    const CliRun first = Run({"files", "preise.html", "--set", "textindex=1", "--set",
                              "rb_utf16le=1", "-o", "index.txt", "--idx", "meinindex"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_TRUE(first.out.empty());
    EXPECT_TRUE(TempFolder::read(folder.file("index.txt")).starts_with("\xFF\xFEI\0n\0"));
    const std::string idx = TempFolder::read(folder.file("meinindex.idx"));
    EXPECT_TRUE(idx.starts_with("\xFF\xFE"));

    const CliRun added =
        Run({"files", "sub/page.html", "--add-to", "meinindex.idx", "--set", "textindex=1"});
    EXPECT_NE(added.out.find("Haus:    Preise[preise.html] | Page[page.html]"), std::string::npos)
        << added.out;
    const CliRun shown = Run({"files", "--add-to", "meinindex.idx", "--set", "textindex=1"});
    EXPECT_EQ(shown.out,
              "Index\r\n\r\nH\r\nHaus:    Preise[preise.html]\r\n\r\nP\r\n"
              "Preise:    Preise[preise.html]\r\n");
}

TEST_F(IndexCommandsTest, WritesTheKeywordIndex) {
    WriteSite();
    const CliRun r = Run({"keywords", "start.html", "--scan", "--set", "stw_design=1", "--set",
                          "bez=1", "--set", "zwdl= - ", "--set", "leerzeile=0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Preise - preise.html:  Haus, Preise\r\n"
              "Start - start.html:  Preise, Weg\r\n"
              "\xC3\x9C"
              "ber Uns - sub/page.html:  Haus, K\xC3\xB6ln\r\n");
}

TEST_F(IndexCommandsTest, WarnAboutTheMinimumLengthOfTheirOwnKind) {
    WriteSite();
    const struct {
        std::string command;
        std::string setting;
        std::string warning;  // empty: the other kind's setting is no concern of this run
    } cases[] = {
        {"files", "dkt_max=abc",
         "dkt_max=\"abc\" is not a whole number from -2147483648 to 2147483647; using 2."},
        {"files", "dkt_max=-1", "dkt_max=-1 is below 0; using -1, so every word is long enough."},
        {"files", "stw_max=abc", ""},
        {"keywords", "stw_max=",
         "stw_max=\"\" is not a whole number from -2147483648 to "
         "2147483647; using 2."},
        {"keywords", "kt_max=abc", ""},
        {"keywords", "stw_max=4", ""},
    };
    for (const auto& c : cases) {
        const CliRun r = Run({c.command, "start.html", "--set", c.setting});
        ASSERT_EQ(r.status, 0) << c.setting << r.err;
        EXPECT_EQ(r.err, c.warning.empty() ? "" : "lexorim-cli: warning: " + c.warning + "\n")
            << c.command << " " << c.setting;
    }
}

TEST_F(IndexCommandsTest, AcceptsEverySettingOfTheDesignAndSourceOptionWindows) {
    folder.write("a.txt", "Haus");
    std::vector<std::string> args = {"files", "a.txt", "--summary"};
    for (const char* window : {"Thdesign", "Ttextdesign", "Tsdesign", "Tquhopt"}) {
        const ui::WindowDefinition* definition = ui::FindWindow(window);
        ASSERT_NE(definition, nullptr) << window;
        for (const ui::ControlDefinition& control : definition->controls) {
            args.push_back("--set");
            args.push_back(std::string(window) + "." + std::string(control.name) + "=" +
                           (ui::IsBinaryKind(control.kind) ? "1" : "7"));
        }
    }
    const CliRun r = Run(args);
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* unique : {"linkleiste=0", "farbe_hg=#000000", "namen=0", "titel=T", "zwe=;",
                               "bez=1", "doppelteweg=0", "namengross=0", "dkt_design=1"}) {
        EXPECT_EQ(Run({"files", "a.txt", "--set", unique, "--list"}).status, 0) << unique;
    }
    const CliRun ambiguous = Run({"files", "a.txt", "--set", "kt_alphabet=0"});
    EXPECT_EQ(ambiguous.status, 2);
    EXPECT_NE(ambiguous.err.find("kt_alphabet"), std::string::npos);
}

TEST_F(IndexCommandsTest, BadInputEndsCleanly) {
    folder.write("bin.dat", std::string("\0\x01\xFF\xFEHaus\0<a href", 14));
    std::string hostile = "<a href=\"bin.dat\">Bin";
    for (int i = 0; i < 10000; ++i)
        hostile += "<a href=\"bin.dat\">Bin</a>";
    hostile += "<a href=\"x\"\"><a href>\"<a href=\"";
    folder.write("hostile.html", hostile);
    const CliRun files = Run({"files", "hostile.html", "--scan", "--list"});
    EXPECT_EQ(files.status, 0) << files.err;
    EXPECT_EQ(std::count(files.out.begin(), files.out.end(), '\n'), 2);
    EXPECT_EQ(Run({"files", "hostile.html", "--scan"}).status, 0);
    EXPECT_EQ(Run({"keywords", "hostile.html", "bin.dat", "--scan"}).status, 0);

    const CliRun missing = Run({"files", "a.txt", "fehlt.html"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("fehlt.html"), std::string::npos);
    EXPECT_EQ(Run({"keywords"}).status, 2);
    EXPECT_EQ(Run({"files"}).status, 2);
}

TEST_F(IndexCommandsTest, ADocumentThatCannotBeReadFailsTheRunAndWritesNothing) {
    folder.write("a.txt", "Haus");
    folder.write("b.docx", "PK\x03\x04 not a whole container");
    for (const std::string command : {"files", "keywords"}) {
        const CliRun r = Run({command, "a.txt", "b.docx", "-o", "out.txt"});
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_TRUE(r.out.empty()) << command;
        EXPECT_EQ(r.err.rfind("Cannot read this document \"", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("b.docx\". The file is damaged or incomplete.\n"), std::string::npos)
            << r.err;
        EXPECT_FALSE(std::filesystem::exists(folder / "out.txt")) << command;
    }
}

// --draft switches every draft option on, and a later --set switches one of them off again.
TEST_F(IndexCommandsTest, DraftSwitchesTheCleanDraftOnAndSetSwitchesOneOff) {
    folder.write("en.txt",
                 "The house of Jonas Weller stands.\r\nThe garden of Jonas Weller grows.\r\n"
                 "The Table shows it.\r\n");
    const std::string lineMode = "sz_zeilezuseite=1";
    const CliRun plain = Run({"text", "en.txt", "--set", lineMode});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_NE(plain.out.find("The 1, 2, 3\r\n"), std::string::npos) << plain.out;
    EXPECT_NE(plain.out.find("Jonas; Jonas Weller 1, 2\r\n"), std::string::npos) << plain.out;

    const CliRun draft = Run({"text", "en.txt", "--set", lineMode, "--draft"});
    ASSERT_EQ(draft.status, 0) << draft.err;
    EXPECT_EQ(draft.out,
              "Index\r\n\r\nJ\r\nJonas Weller 1, 2\r\n\r\nW\r\nWeller; Jonas Weller 1, 2\r\n");

    const CliRun stopWordsOff =
        Run({"text", "en.txt", "--set", lineMode, "--draft", "--set", "ew_stoppwoerter=0"});
    ASSERT_EQ(stopWordsOff.status, 0) << stopWordsOff.err;
    EXPECT_NE(stopWordsOff.out.find("The 1, 2, 3\r\n"), std::string::npos) << stopWordsOff.out;
    EXPECT_EQ(stopWordsOff.out.find("Jonas; Jonas Weller"), std::string::npos) << stopWordsOff.out;
}

}  // namespace
}  // namespace lexorim
