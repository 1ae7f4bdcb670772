// Many documents laid out by one start of the office program: each document's outcome is the
// one it gets alone. The stand-in cases always run; the cases with the real LibreOffice skip
// when it is not installed.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "engine/errors.h"
#include "engine/run_progress.h"
#include "fake_office.h"
#include "temp_folder.h"
#include "textfiles/document_fixtures.h"
#include "textfiles/document_layout.h"
#include "textfiles/internal/document_readers.h"
#include "textfiles/word_documents.h"

namespace lexorim {
namespace {

namespace fs = std::filesystem;
using testing::FakeOffice;
using testing::MakePdf;
using testing::ScopedEnvironment;
using testing::TempFolder;

constexpr std::chrono::seconds kLimit{60};

// The error text of a layout alone, or "" when it succeeds.
std::string ErrorAlone(const std::string& path, const std::string& program) {
    try {
        LayOutAsPdf(path, program, kLimit);
    } catch (const UserError& error) {
        return error.what();
    }
    return "";
}

std::string ErrorOf(const LayoutOutcome& outcome) {
    const std::exception_ptr* error = std::get_if<std::exception_ptr>(&outcome);
    if (error == nullptr) {
        return "";
    }
    try {
        std::rethrow_exception(*error);
    } catch (const UserError& thrown) {
        return thrown.what();
    }
    return "not a UserError";
}

std::string PdfOf(const LayoutOutcome& outcome) {
    const std::string* pdf = std::get_if<std::string>(&outcome);
    return pdf != nullptr ? *pdf : "";
}

bool LayoutFoldersLeftIn(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with("lexorim-layout-")) {
            return true;
        }
    }
    return false;
}

class LayoutBatch : public ::testing::Test {
  protected:
    LayoutBatch() : temp_("TMPDIR", folder.file("tmp")) {}
    void SetUp() override {
        fs::create_directories(folder.path() / "one");
        fs::create_directories(folder.path() / "two");
    }

    TempFolder folder;

  private:
    // Created before the scratch folders are wanted; the base class made the folder.
    bool madeTemp_ = fs::create_directories(folder.path() / "tmp");
    ScopedEnvironment temp_;
};

// One start for all; documents of one name from different folders keep their own pages; a
// document the batch brings no PDF for gets the error of its layout alone, and the others are
// not held up by it.
TEST_F(LayoutBatch, OneStartForAllAndEachDocumentKeepsItsOwnOutcome) {
    const FakeOffice office(folder);
    const std::string first = folder.write("first.pdf", MakePdf({{"Erste"}}));
    const std::string second = folder.write("second.pdf", MakePdf({{"Zweite"}, {"Seite"}}));
    const std::vector<std::string> paths = {
        folder.write("one/brief.rtf", FakeOffice::Source(first)),
        folder.write("two/brief.rtf", FakeOffice::Source(second)),
        folder.write("kaputt.rtf", FakeOffice::Source("")),
        folder.write("two/Brief.RTF", FakeOffice::Source(first)),
    };
    const std::vector<LayoutOutcome> outcomes = LayOutAllAsPdf(paths, office.path(), kLimit);
    ASSERT_EQ(outcomes.size(), paths.size());
    // The batch, then the failed document once more alone.
    EXPECT_EQ(office.starts(), 2u);
    EXPECT_EQ(PdfOf(outcomes[0]), TempFolder::read(first));
    EXPECT_EQ(PdfOf(outcomes[1]), TempFolder::read(second));
    EXPECT_EQ(PdfOf(outcomes[3]), TempFolder::read(first));
    const std::string alone = ErrorAlone(paths[2], office.path());
    EXPECT_NE(alone.find("kaputt.rtf\". LibreOffice wrote no pages."), std::string::npos) << alone;
    EXPECT_EQ(ErrorOf(outcomes[2]), alone);
    EXPECT_FALSE(LayoutFoldersLeftIn(folder.path() / "tmp"));
}

// A batch that dies as a whole leaves every document to its own layout.
TEST_F(LayoutBatch, ABatchThatFailsAsAWholeLaysEachDocumentOutAlone) {
    const FakeOffice office(folder, "", 1);
    const std::string pdf = folder.write("pages.pdf", MakePdf({{"Text"}}));
    const std::vector<std::string> paths = {
        folder.write("one/a.rtf", FakeOffice::Source(pdf)),
        folder.write("two/a.rtf", FakeOffice::Source(pdf)),
        folder.write("b.rtf", FakeOffice::Source("")),
    };
    const std::vector<LayoutOutcome> outcomes = LayOutAllAsPdf(paths, office.path(), kLimit);
    EXPECT_EQ(office.starts(), 4u);
    EXPECT_EQ(PdfOf(outcomes[0]), TempFolder::read(pdf));
    EXPECT_EQ(PdfOf(outcomes[1]), TempFolder::read(pdf));
    EXPECT_EQ(ErrorOf(outcomes[2]), ErrorAlone(paths[2], office.path()));
}

// The time limit holds for each document: a batch goes on while its PDFs keep coming, longer
// than one document may take.
TEST_F(LayoutBatch, TheTimeLimitStartsAgainWithEachPdf) {
    // Each document takes 0.6 s, three of them longer than the limit of one second.
    const FakeOffice office(folder, "", 1000, "sleep 0.6");
    const std::string pdf = folder.write("pages.pdf", MakePdf({{"Text"}}));
    const std::vector<std::string> paths = {
        folder.write("a.rtf", FakeOffice::Source(pdf)),
        folder.write("b.rtf", FakeOffice::Source(pdf)),
        folder.write("c.rtf", FakeOffice::Source(pdf)),
    };
    const std::vector<LayoutOutcome> outcomes =
        LayOutAllAsPdf(paths, office.path(), std::chrono::seconds(1));
    EXPECT_EQ(office.starts(), 1u);
    for (const LayoutOutcome& outcome : outcomes) {
        EXPECT_EQ(PdfOf(outcome), TempFolder::read(pdf));
    }
}

TEST_F(LayoutBatch, CancellingStopsTheBatch) {
    const FakeOffice office(folder, "sleep 30");
    const std::vector<std::string> paths = {folder.write("a.rtf", FakeOffice::Source("")),
                                            folder.write("b.rtf", FakeOffice::Source(""))};
    std::atomic<bool> cancel{false};
    std::thread canceller([&cancel] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        cancel = true;
    });
    EXPECT_THROW(LayOutAllAsPdf(paths, office.path(), kLimit, &cancel), RunCancelled);
    canceller.join();
    EXPECT_EQ(office.starts(), 1u);
    EXPECT_FALSE(LayoutFoldersLeftIn(folder.path() / "tmp"));
}

// Each reading of a document laid out ahead takes its PDF or its error; the last one frees it.
TEST(LaidOutDocuments, EachUseTakesTheOutcomeOnce) {
    LaidOutDocuments laidOut;
    laidOut.Add("a.doc", std::string("%PDF a"), 2);
    laidOut.Add("b.doc", std::make_exception_ptr(UserError(u"kaputt")), 1);
    EXPECT_EQ(laidOut.Take("a.doc"), std::optional<std::string>("%PDF a"));
    EXPECT_TRUE(laidOut.Holds("a.doc"));
    EXPECT_EQ(laidOut.Take("a.doc"), std::optional<std::string>("%PDF a"));
    EXPECT_FALSE(laidOut.Holds("a.doc"));
    EXPECT_EQ(laidOut.Take("a.doc"), std::nullopt);
    EXPECT_THROW(laidOut.Take("b.doc"), UserError);
    EXPECT_EQ(laidOut.Take("c.doc"), std::nullopt);
}

TEST(LaidOutWhenReadAsText, OnlyWordBinariesAndRtfUnderDocumentNames) {
    TempFolder folder;
    ReadContext textOnly;
    textOnly.layout = DocumentLayout::TextOnly;
    const struct {
        const char* name;
        std::string bytes;
        bool laidOut;
    } cases[] = {
        {"a.doc", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 rest", true},
        {"a.rtf", "{\\rtf1 Text}", true},
        {"rtf-named.doc", "{\\rtf1 Text}", true},
        {"word-named.docx", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", true},
        {"text.doc", "just text", false},
        {"a.txt", "{\\rtf1 Text}", false},
        {"a.docx", "PK\x03\x04", false},
        {"a.pdf", "%PDF-1.4", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LaidOutWhenReadAsText(folder.write(c.name, c.bytes), textOnly), c.laidOut)
            << c.name;
    }
    EXPECT_FALSE(LaidOutWhenReadAsText(folder.file("missing.doc"), textOnly));
    EXPECT_FALSE(LaidOutWhenReadAsText(folder.file("a.rtf"), ReadContext{}));
}

// The real LibreOffice: RTF of one name in two folders, a DOC it wrote itself and a damaged
// DOC, in one batch against each alone.
class RealLayoutBatch : public LayoutBatch {
  protected:
    void SetUp() override {
        LayoutBatch::SetUp();
        program_ = FindProgram("soffice");
        if (!program_) {
            GTEST_SKIP() << "LibreOffice (soffice) is not installed";
        }
    }
    std::optional<std::string> program_;
};

std::vector<Text> PagesOf(const std::string& pdf) {
    const std::optional<DocumentPages> pages = ReadPdfPages(pdf, -1);
    return pages ? pages->pages : std::vector<Text>{u"no pages"};
}

TEST_F(RealLayoutBatch, EveryDocumentGetsThePagesOrErrorOfItsLayoutAlone) {
    const std::string doc = folder.write("brief.txt", "Ein Brief aus Köln\n\nmit zwei Absätzen\n");
    const std::string profile = "-env:UserInstallation=file://" + folder.file("profile");
    const std::string convert = "'" + *program_ + "' '" + profile +
                                "' --headless --norestore --convert-to doc --outdir '" +
                                folder.file("one") + "' '" + doc + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(convert.c_str()), 0);
    const std::vector<std::string> paths = {
        folder.write("one/brief.rtf", "{\\rtf1\\ansi Erste Mappe\\par Alpha\\page Zweite Seite}"),
        folder.write("two/brief.rtf", "{\\rtf1\\ansi Andere Mappe Beta}"),
        folder.write("kaputt.doc", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) +
                                       std::string(3000, '\x07')),
        folder.file("one/brief.doc"),
    };
    const std::vector<LayoutOutcome> outcomes = LayOutAllAsPdf(paths, *program_, kLimit);
    ASSERT_EQ(outcomes.size(), paths.size());
    EXPECT_EQ(PagesOf(PdfOf(outcomes[0])).size(), 2u);
    for (const size_t i : {0u, 1u, 3u}) {
        EXPECT_EQ(ErrorOf(outcomes[i]), "") << paths[i];
        EXPECT_EQ(PagesOf(PdfOf(outcomes[i])), PagesOf(LayOutAsPdf(paths[i], *program_, kLimit)))
            << paths[i];
    }
    EXPECT_NE(PagesOf(PdfOf(outcomes[0])), PagesOf(PdfOf(outcomes[1])));
    const std::string broken = ErrorOf(outcomes[2]);
    if (!broken.empty()) {
        EXPECT_EQ(broken, ErrorAlone(paths[2], *program_));
    }
    EXPECT_FALSE(LayoutFoldersLeftIn(folder.path() / "tmp"));
}

TEST_F(RealLayoutBatch, CancellingStopsTheOfficeProgram) {
    std::vector<std::string> paths;
    for (int i = 0; i < 3; ++i) {
        paths.push_back(folder.write("d" + std::to_string(i) + ".rtf", "{\\rtf1\\ansi Text}"));
    }
    std::atomic<bool> cancel{false};
    std::thread canceller([&cancel] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        cancel = true;
    });
    EXPECT_THROW(LayOutAllAsPdf(paths, *program_, kLimit, &cancel), RunCancelled);
    canceller.join();
    EXPECT_FALSE(LayoutFoldersLeftIn(folder.path() / "tmp"));
}

}  // namespace
}  // namespace lexorim
