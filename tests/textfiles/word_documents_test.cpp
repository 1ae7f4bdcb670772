#include "textfiles/word_documents.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "temp_folder.h"
#include "textfiles/document_fixtures.h"
#include "textfiles/internal/document_readers.h"
#include "textfiles/text_reader.h"

namespace lexorim {
namespace {

using testing::MakeDocx;
using testing::MakeOdt;
using testing::MakePdf;
using testing::MakeZip;
using testing::TempFolder;

const std::string kDocxBody = "<w:p><w:r><w:t>Docx text</w:t></w:r></w:p>";
const Text kDocxText = u"Docx text\r\n\r\n1\r\n";
const std::string kOdtText = "<text:p>Odt text</text:p>";
const Text kOdtResult = u"Odt text\r\n\r\n1\r\n";

// These tests are about the native readers; the layout through LibreOffice has its own tests.
const ReadContext kNative = [] {
    ReadContext context;
    context.layout = DocumentLayout::NativeOnly;
    return context;
}();

// Collects the messages a reading shows.
struct MessageLog {
    std::vector<Text> messages;
    ReadContext Context(Language language) {
        ReadContext context;
        context.language = language;
        context.showMessage = [this](TextView message) { messages.emplace_back(message); };
        context.layout = DocumentLayout::NativeOnly;
        return context;
    }
};

TEST(DocumentFormatOf, GoesByTheExtensionInAnyCase) {
    const struct {
        const char* path;
        DocumentFormat format;
    } cases[] = {
        {"/a/b/report.doc", DocumentFormat::Doc}, {"REPORT.DOC", DocumentFormat::Doc},
        {"x.docx", DocumentFormat::Docx},         {"x.DocX", DocumentFormat::Docx},
        {"x.odt", DocumentFormat::Odt},           {"x.ODT", DocumentFormat::Odt},
        {"book.pdf", DocumentFormat::Pdf},        {"book.PDF", DocumentFormat::Pdf},
        {"notes.txt", DocumentFormat::None},      {"archive.docx.bak", DocumentFormat::None},
        {"no_extension", DocumentFormat::None},   {"folder.docx/file", DocumentFormat::None},
        {"file.", DocumentFormat::None},          {".docx", DocumentFormat::Docx},
        {"x.docm", DocumentFormat::None},         {"", DocumentFormat::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DocumentFormatOf(c.path), c.format) << c.path;
    }
}

TEST(ReadWordDocument, ReadsEachKindFromItsFile) {
    TempFolder folder;
    const std::vector<std::pair<std::string, Text>> cases = {
        {folder.write("a.docx", MakeDocx(kDocxBody)), kDocxText},
        {folder.write("b.odt", MakeOdt(kOdtText)), kOdtResult},
        {folder.write("c.pdf", MakePdf({{"Pdf text"}})), u"Pdf text\r\n\r\n1\r\n"},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(ReadWordDocument(path, -1, kNative), expected) << path;
    }
}

TEST(ReadWordDocument, ReadTextFileHandsDocumentsToTheDocumentReader) {
    TempFolder folder;
    EXPECT_EQ(ReadTextFile(folder.write("a.DOCX", MakeDocx(kDocxBody)), kNative), kDocxText);
    EXPECT_EQ(ReadTextFile(folder.write("b.odt", MakeOdt(kOdtText)), kNative), kOdtResult);
    EXPECT_EQ(ReadTextFile(folder.write("c.Pdf", MakePdf({{"Pdf text"}})), kNative),
              u"Pdf text\r\n\r\n1\r\n");
}

TEST(ReadWordDocument, ARenamedDocumentIsReadByItsContent) {
    TempFolder folder;
    EXPECT_EQ(ReadWordDocument(folder.write("really-docx.doc", MakeDocx(kDocxBody)), -1, kNative),
              kDocxText);
    EXPECT_EQ(ReadWordDocument(folder.write("really-odt.docx", MakeOdt(kOdtText)), -1, kNative),
              kOdtResult);
    EXPECT_EQ(ReadWordDocument(folder.write("really-pdf.docx", MakePdf({{"P"}})), -1, kNative),
              u"P\r\n\r\n1\r\n");
    EXPECT_EQ(ReadWordDocument(folder.write("any-name.bin", MakeDocx(kDocxBody)), -1, kNative),
              kDocxText);
}

TEST(ReadWordDocument, PageLimitApplies) {
    TempFolder folder;
    const std::string body =
        "<w:p><w:r><w:t>one</w:t><w:br w:type=\"page\"/><w:t>two</w:t><w:br w:type=\"page\"/>"
        "<w:t>three</w:t></w:r></w:p>";
    const std::string path = folder.write("three.docx", MakeDocx(body));
    EXPECT_EQ(ReadWordDocument(path, 2, kNative), u"one\r\n1\r\ntwo\r\n2\r\n");
    EXPECT_EQ(ReadWordDocument(path, -1, kNative), u"one\r\n1\r\ntwo\r\n2\r\nthree\r\n\r\n3\r\n");
}

TEST(ReadWordDocument, AFileThatCannotBeOpenedFailsWithTheReason) {
    TempFolder folder;
    const std::string missing = folder.file("missing.docx");
    try {
        ReadWordDocument(missing, -1, kNative);
        FAIL() << "no error";
    } catch (const UserError& error) {
        EXPECT_EQ(error.text(),
                  u"Cannot open file \"" + FromUtf8(missing) + u"\". No such file or directory");
    }
    for (const std::string& name : {std::string("missing.doc"), std::string("missing.pdf")}) {
        EXPECT_THROW(ReadWordDocument(folder.file(name), -1, kNative), UserError) << name;
    }
    std::filesystem::create_directory(folder.file("folder.docx"));
    EXPECT_THROW(ReadWordDocument(folder.file("folder.docx"), -1, kNative), UserError);
}

TEST(ReadWordDocument, AFileWithoutReadPermissionFails) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not apply to root";
    }
    TempFolder folder;
    const std::string path = folder.write("locked.docx", MakeDocx(kDocxBody));
    ::chmod(path.c_str(), 0);
    EXPECT_THROW(ReadWordDocument(path, -1, kNative), UserError);
}

TEST(ReadWordDocument, InvalidDocumentsReadAsEmptyTextsWithoutMessage) {
    TempFolder folder;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"not-a-zip.docx", "This is not a zip file."},
        {"empty.docx", ""},
        {"no-document-part.docx", MakeZip({{"word/styles.xml", "<w:styles/>"}})},
        {"malformed.docx", MakeZip({{"word/document.xml", "<w:document><w:body><w:p>"}})},
        {"not-a-zip.odt", "plain"},
        {"malformed.odt", MakeZip({{"content.xml", "<<<"}})},
        {"not-a-pdf.pdf", "%PDX-1.4 nothing"},
        {"truncated.pdf", MakePdf({{"x"}}).substr(0, 30)},
        {"unknown.xyz", "just text"},
    };
    for (const auto& [name, bytes] : cases) {
        MessageLog log;
        EXPECT_EQ(ReadWordDocument(folder.write(name, bytes), -1, log.Context(Language::English)),
                  u"")
            << name;
        EXPECT_TRUE(log.messages.empty()) << name;
    }
}

// Runs the DOC reader with a PATH that holds only the given folder.
class AntiwordOnPath : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* path = std::getenv("PATH");
        savedPath_ = path != nullptr ? path : "";
        hadPath_ = path != nullptr;
    }
    void TearDown() override {
        if (hadPath_) {
            ::setenv("PATH", savedPath_.c_str(), 1);
        } else {
            ::unsetenv("PATH");
        }
    }
    void UseOnlyFolder(const std::string& folder) { ::setenv("PATH", folder.c_str(), 1); }

    // A stand-in antiword: records its arguments (one per line) and prints `output`.
    std::string InstallFakeAntiword(const TempFolder& folder, const std::string& output,
                                    int exitCode = 0) {
        const std::string bin = folder.file("bin");
        std::filesystem::create_directory(bin);
        const std::string script =
            "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" +
            folder.file("arguments") + "'\nprintf '" + output + "'\nexit " +
            std::to_string(exitCode) + "\n";
        const std::string program = bin + "/antiword";
        folder.write("bin/antiword", script);
        ::chmod(program.c_str(), 0755);
        return bin;
    }

  private:
    std::string savedPath_;
    bool hadPath_ = false;
};

TEST_F(AntiwordOnPath, DocPagesComeFromFormFeeds) {
    TempFolder folder;
    UseOnlyFolder(InstallFakeAntiword(folder, "Page one\\nline two\\n\\fPage two\\n\\n\\fLast\\n"));
    const std::string path = folder.write("old file's \"name\".doc", "\xD0\xCF\x11\xE0 whatever");
    MessageLog log;
    EXPECT_EQ(ReadWordDocument(path, -1, log.Context(Language::German)),
              u"Page one\r\nline two\r\n\r\n1\r\nPage two\r\n\r\n\r\n2\r\nLast\r\n\r\n3\r\n");
    EXPECT_EQ(ReadWordDocument(path, 1, log.Context(Language::German)),
              u"Page one\r\nline two\r\n\r\n1\r\n");
    EXPECT_TRUE(log.messages.empty());
    // The path reaches antiword as one argument, however many blanks and quotes it holds.
    EXPECT_EQ(TempFolder::read(folder.file("arguments")), "-m\nUTF-8.txt\n-w\n0\n" + path + "\n");
}

TEST_F(AntiwordOnPath, WithoutFormFeedsTheDocumentIsOnePage) {
    TempFolder folder;
    UseOnlyFolder(InstallFakeAntiword(folder, "First paragraph\\nSecond \\303\\244\\n"));
    EXPECT_EQ(ReadWordDocument(folder.write("a.doc", "x"), -1, kNative),
              u"First paragraph\r\nSecond ä\r\n\r\n1\r\n");
}

TEST_F(AntiwordOnPath, AFailingAntiwordGivesAnEmptyText) {
    TempFolder folder;
    UseOnlyFolder(InstallFakeAntiword(folder, "partial", 1));
    MessageLog log;
    EXPECT_EQ(ReadWordDocument(folder.write("a.doc", "x"), -1, log.Context(Language::English)),
              u"");
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(AntiwordOnPath, MissingAntiwordShowsTheMessageInTheInterfaceLanguage) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("empty-bin"));
    UseOnlyFolder(folder.file("empty-bin"));
    const std::string path = folder.write("a.doc", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
    const struct {
        Language language;
        Text message;
    } cases[] = {
        {Language::German, u"Aktion abgebrochen. Microsoft Word® wurde nicht gefunden."},
        {Language::English, u"Action canceled. Microsoft Word® was not found."},
    };
    for (const auto& c : cases) {
        MessageLog log;
        EXPECT_EQ(ReadWordDocument(path, -1, log.Context(c.language)), u"");
        EXPECT_EQ(log.messages, std::vector<Text>{c.message});
    }
    // Without a message callback the reading is just empty.
    EXPECT_EQ(ReadWordDocument(path, -1, kNative), u"");
}

TEST(ReadWordDocument, InstalledAntiwordRejectsAFileThatIsNoWordDocument) {
    if (!RunAntiword("/dev/null").has_value()) {
        GTEST_SKIP() << "antiword is not installed";
    }
    TempFolder folder;
    MessageLog log;
    EXPECT_EQ(ReadWordDocument(folder.write("fake.doc", "not a word file at all"), -1,
                               log.Context(Language::German)),
              u"");
    EXPECT_TRUE(log.messages.empty());
}

TEST(PagesFromAntiwordOutput, SplitsAtFormFeeds) {
    const struct {
        std::string output;
        std::vector<Text> pages;
    } cases[] = {
        {"", {u""}},
        {"a\n", {u"a\r"}},
        {"a\r\nb\n", {u"a\rb\r"}},
        {"a\n\fb\n", {u"a\r", u"b\r"}},
        {"a\n\f", {u"a\r"}},
        {"\fa\n", {u"", u"a\r"}},
        {"a\n\f\fb\n", {u"a\r", u"", u"b\r"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PagesFromAntiwordOutput(c.output).pages, c.pages) << testing::ToHex(c.output);
    }
}

}  // namespace
}  // namespace lexorim
