#include "textfiles/word_documents.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "engine/errors.h"
#include "temp_folder.h"
#include "textfiles/document_fixtures.h"
#include "textfiles/internal/document_readers.h"
#include "textfiles/source_limits.h"
#include "textfiles/text_reader.h"

namespace lexorim {
namespace {

using testing::DocxDocumentXml;
using testing::MakeDocx;
using testing::MakeOdt;
using testing::MakePdf;
using testing::MakeWordBinary;
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

// The error text of a reading that must fail, or "" when it succeeds.
Text ReadingError(const std::string& path, const ReadContext& context = kNative) {
    try {
        (void)ReadWordDocument(path, -1, context);
    } catch (const UserError& error) {
        return error.text();
    }
    return u"";
}

Text CannotRead(const std::string& path, const char16_t* reason) {
    return u"Cannot read this document \"" + FromUtf8(path) + u"\". " + reason;
}

// A zip whose one part has a byte of its compressed data changed.
std::string WithDamagedPart(std::string zip) {
    // The part's data follows the 30-byte local header, its name and its extra field.
    const size_t nameLength = static_cast<unsigned char>(zip[26]) | zip[27] << 8;
    const size_t extraLength = static_cast<unsigned char>(zip[28]) | zip[29] << 8;
    const size_t data = 30 + nameLength + extraLength;
    for (size_t i = data + 2; i < data + 12; ++i) {
        zip[i] = static_cast<char>(zip[i] ^ 0x5A);
    }
    return zip;
}

// A PDF that asks for a password: its /U entry matches no password, so the empty one fails.
std::string EncryptedPdf() {
    std::string pdf = MakePdf({{"secret"}});
    const size_t trailer = pdf.find("<< /Size");
    pdf.insert(trailer + 2, " /Encrypt << /Filter /Standard /V 1 /R 2 /P -4 /O <" +
                                std::string(64, '1') + "> /U <" + std::string(64, '2') +
                                "> >> /ID [<0123456789ABCDEF0123456789ABCDEF>"
                                " <0123456789ABCDEF0123456789ABCDEF>]");
    return pdf;
}

TEST(ReadWordDocument, UnreadableDocumentsFailWithTheFileAndTheReason) {
    TempFolder folder;
    const std::string docx = MakeDocx(kDocxBody);
    const std::string pdf = MakePdf({{"x"}});
    const std::vector<std::tuple<std::string, std::string, const char16_t*>> cases = {
        {"not-a-zip.docx", "This is not a zip file.", u"The file is not a valid DOCX document."},
        {"empty.docx", "", u"The file is not a valid DOCX document."},
        {"truncated.docx", docx.substr(0, docx.size() / 2), u"The file is damaged or incomplete."},
        {"no-document-part.docx", MakeZip({{"word/styles.xml", "<w:styles/>"}}),
         u"The file is not a valid DOCX document."},
        {"malformed.docx", MakeZip({{"word/document.xml", "<w:document><w:body><w:p>"}}),
         u"The file is damaged or incomplete."},
        {"bad-checksum.docx",
         WithDamagedPart(MakeZip({{"word/document.xml", DocxDocumentXml(kDocxBody)}})),
         u"The file is damaged or incomplete."},
        {"not-a-zip.odt", "plain", u"The file is not a valid ODT document."},
        {"malformed.odt", MakeZip({{"content.xml", "<<<"}}), u"The file is damaged or incomplete."},
        {"truncated.odt", MakeOdt(kOdtText).substr(0, 200), u"The file is damaged or incomplete."},
        {"not-a-pdf.pdf", "%PDX-1.4 nothing", u"The file is not a valid PDF document."},
        {"truncated.pdf", pdf.substr(0, 30), u"The file is damaged or incomplete."},
        {"random-after-header.pdf", "%PDF-1.4\n\x93\x11\xF0 garbage \x01\x02 more",
         u"The file is damaged or incomplete."},
        {"encrypted.pdf", EncryptedPdf(), u"The document is encrypted."},
        {"unknown.xyz", "just text", u"The file is not a valid document."},
    };
    for (const auto& [name, bytes, reason] : cases) {
        MessageLog log;
        const std::string path = folder.write(name, bytes);
        EXPECT_EQ(ReadingError(path, log.Context(Language::English)), CannotRead(path, reason))
            << name;
        EXPECT_TRUE(log.messages.empty()) << name;
    }
}

TEST(ReadWordDocument, EmptyValidDocumentsAreNoError) {
    TempFolder folder;
    EXPECT_EQ(ReadWordDocument(folder.write("empty.docx", MakeDocx("")), -1, kNative),
              u"\r\n1\r\n");
    EXPECT_EQ(ReadWordDocument(folder.write("empty.odt", MakeOdt("")), -1, kNative), u"\r\n1\r\n");
}

// Expansion bombs, made here: small files whose text or parts are far above the size limit.
TEST(ReadWordDocument, DocumentsThatExpandBeyondTheLimitAreTooLarge) {
    TempFolder folder;
    std::string spaces;
    for (int i = 0; i < 70000; ++i) {
        spaces += "<text:s text:c=\"1000\"/>";
    }
    const std::string spaceBomb = MakeOdt("<text:p>a" + spaces + "b</text:p>");
    const std::string hugeText(kMaxDocumentTextSize + 1, 'x');
    const std::string textBomb = MakeDocx(
        "<w:p><w:r><w:t>" + hugeText.substr(0, kMaxDocumentTextSize / 2) + "</w:t></w:r>" +
        "<w:r><w:t>" + hugeText.substr(0, kMaxDocumentTextSize / 2) + "</w:t></w:r></w:p>");
    const std::string relationshipBomb = MakeZip({{"_rels/.rels", hugeText},
                                                  {"word/document.xml", DocxDocumentXml(kDocxBody)},
                                                  {"[Content_Types].xml", "wordprocessingml"}});
    const std::string partBomb = MakeZip({{"content.xml", hugeText}});
    const std::vector<std::pair<std::string, const std::string*>> cases = {
        {"spaces.odt", &spaceBomb},
        {"text.docx", &textBomb},
        {"relationships.docx", &relationshipBomb},
        {"part.odt", &partBomb},
    };
    for (const auto& [name, bytes] : cases) {
        ASSERT_LT(bytes->size(), size_t{2} << 20) << name << " is no bomb";
        const std::string path = folder.write(name, *bytes);
        EXPECT_EQ(ReadingError(path), CannotRead(path, u"The document is too large.")) << name;
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
    const std::string path = folder.write("old file's \"name\".doc", MakeWordBinary(30));
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

TEST_F(AntiwordOnPath, AFailingAntiwordIsAnError) {
    TempFolder folder;
    UseOnlyFolder(InstallFakeAntiword(folder, "partial", 1));
    MessageLog log;
    const std::string path = folder.write("a.doc", "x");
    EXPECT_EQ(ReadingError(path, log.Context(Language::English)),
              CannotRead(path, u"The program that reads this DOC document could not read it."));
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(AntiwordOnPath, MissingAntiwordShowsTheMessageInTheInterfaceLanguage) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("empty-bin"));
    UseOnlyFolder(folder.file("empty-bin"));
    const std::string path = folder.write("a.doc", MakeWordBinary(30));
    const struct {
        Language language;
        Text message;
    } cases[] = {
        {Language::German, u"Aktion abgebrochen. Microsoft Word® wurde nicht gefunden."},
        {Language::English, u"Action canceled. Microsoft Word® was not found."},
    };
    const Text error =
        CannotRead(path, u"The program that reads this DOC document is not installed.");
    for (const auto& c : cases) {
        MessageLog log;
        EXPECT_EQ(ReadingError(path, log.Context(c.language)), error);
        EXPECT_EQ(log.messages, std::vector<Text>{c.message});
    }
    // Without a message callback only the error remains.
    EXPECT_EQ(ReadingError(path, kNative), error);
}

// antiword prints some text for many a broken file; a DOC whose structure is broken never
// reaches it, and an empty one needs no reader.
TEST_F(AntiwordOnPath, OnlyASoundDocWithTextIsHandedToAntiword) {
    TempFolder folder;
    UseOnlyFolder(InstallFakeAntiword(folder, "Garbage \\344\\n"));
    std::mt19937 random(14);
    std::string randomBytes = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    for (int i = 0; i < 20000; ++i) {
        randomBytes += static_cast<char>(random() & 0xFF);
    }
    const std::string sound = MakeWordBinary(30);
    const struct {
        const char* name;
        std::string bytes;
        const char16_t* reason;
    } cases[] = {
        {"random.doc", randomBytes, u"The file is damaged or incomplete."},
        {"signature.doc", randomBytes.substr(0, 8), u"The file is damaged or incomplete."},
        {"truncated.doc", sound.substr(0, sound.size() / 2), u"The file is damaged or incomplete."},
        {"workbook.doc", testing::MakeCompoundFile({{"Workbook", "cells"}}),
         u"The file is not a valid DOC document."},
        {"locked.doc",
         testing::MakeCompoundFile(
             {{"WordDocument", testing::WordFib(30, 0x0300)}, {"1Table", ""}}),
         u"The document is encrypted."},
    };
    for (const auto& c : cases) {
        MessageLog log;
        const std::string path = folder.write(c.name, c.bytes);
        EXPECT_EQ(ReadingError(path, log.Context(Language::English)), CannotRead(path, c.reason))
            << c.name;
        EXPECT_TRUE(log.messages.empty()) << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("arguments")));
    EXPECT_EQ(ReadWordDocument(folder.write("empty.doc", MakeWordBinary(1)), -1, kNative),
              u"\r\n1\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("arguments")));
    // A sound DOC with text that antiword cannot read stays its failure.
    InstallFakeAntiword(folder, "", 1);
    EXPECT_EQ(ReadingError(folder.write("text.doc", sound), kNative),
              CannotRead(folder.file("text.doc"),
                         u"The program that reads this DOC document could not read it."));
}

TEST(ReadWordDocument, InstalledAntiwordRejectsAFileThatIsNoWordDocument) {
    if (!RunAntiword("/dev/null").has_value()) {
        GTEST_SKIP() << "antiword is not installed";
    }
    TempFolder folder;
    MessageLog log;
    const std::string path = folder.write("fake.doc", "not a word file at all");
    EXPECT_EQ(ReadingError(path, log.Context(Language::German)),
              CannotRead(path, u"The program that reads this DOC document could not read it."));
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
