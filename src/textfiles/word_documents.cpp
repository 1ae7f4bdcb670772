#include "textfiles/word_documents.h"

#include "engine/errors.h"
#include "textfiles/document_error.h"
#include "textfiles/document_layout.h"
#include "textfiles/file_access.h"
#include "textfiles/internal/document_pages.h"
#include "textfiles/internal/document_readers.h"
#include "textfiles/internal/word_binary.h"
#include "textfiles/internal/zip_archive.h"

namespace lexorim {

namespace {

// Word opens a document by what it holds, not by its name; a renamed file reads the same.
DocumentFormat FormatOfContent(std::string_view bytes) {
    if (bytes.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
        return DocumentFormat::Doc;
    }
    if (bytes.starts_with("{\\rtf")) {
        return DocumentFormat::Rtf;
    }
    if (bytes.starts_with("PK")) {
        if (const std::optional<ZipArchive> archive = ZipArchive::Open(bytes)) {
            // Only the presence matters here; the part itself is read by the reader.
            if (archive->ReadPart("mimetype", 256).value_or("") ==
                "application/vnd.oasis.opendocument.text") {
                return DocumentFormat::Odt;
            }
            if (archive->ReadPart("[Content_Types].xml", kMaxDocumentPartBytes)
                    .value_or("")
                    .find("wordprocessingml") != std::string::npos) {
                return DocumentFormat::Docx;
            }
        }
    }
    if (HasPdfHeader(bytes)) {
        return DocumentFormat::Pdf;
    }
    return DocumentFormat::None;
}

// The format by the content, else by the extension.
DocumentFormat FormatOfFile(const std::string& path, std::string_view bytes) {
    const DocumentFormat byContent = FormatOfContent(bytes);
    return byContent == DocumentFormat::None ? DocumentFormatOf(path) : byContent;
}

void ShowWordNotFound(const ReadContext& context) {
    if (context.showMessage) {
        context.showMessage(Choose(context.language,
                                   u"Aktion abgebrochen. Microsoft Word® wurde nicht gefunden.",
                                   u"Action canceled. Microsoft Word® was not found."));
    }
}

DocumentPages ReadDocWithAntiword(const std::string& path, const ReadContext& context) {
    const std::optional<std::string> output = RunAntiword(path);
    if (!output) {
        ShowWordNotFound(context);
        throw DocumentProblemError(DocumentProblem::ReaderMissing, "DOC");
    }
    if (output->empty()) {
        throw DocumentProblemError(DocumentProblem::ReaderFailed, "DOC");
    }
    return PagesFromAntiwordOutput(*output);
}

void WarnPagesApproximate(const std::string& path, const ReadContext& context) {
    if (context.showMessage) {
        context.showMessage(LayoutUnavailableWarning(context.language, path));
    }
}

// The pages of the document as LibreOffice lays it out; nothing when it is not installed or
// when only the native readers are wanted. A failed layout throws.
std::optional<DocumentPages> LaidOutPages(const std::string& path, int pageLimit,
                                          const ReadContext& context) {
    if (context.layout == DocumentLayout::NativeOnly) {
        return std::nullopt;
    }
    const std::optional<std::string> program = FindLayoutProgram();
    if (!program) {
        return std::nullopt;
    }
    std::optional<std::string> ahead;
    if (context.laidOut) {
        ahead = context.laidOut->Take(path);
    }
    const std::string pdf =
        ahead ? std::move(*ahead) : LayOutAsPdf(path, *program, LayoutTimeLimit(), context.cancel);
    std::optional<DocumentPages> pages = ReadPdfPages(pdf, pageLimit);
    if (!pages) {
        throw UserError(LayoutErrorText(path, u"LibreOffice wrote pages that cannot be read."));
    }
    return pages;
}

// DOCX and ODT: the native reading when the document recorded its whole layout, else the
// layout of LibreOffice, else the native reading with a warning that the pages are approximate.
DocumentPages ReadWordProcessorPages(const std::string& path, int pageLimit, DocumentPages native,
                                     const ReadContext& context) {
    if (RecordsItsWholeLayout(native) || context.layout == DocumentLayout::TextOnly) {
        return native;  // exact as it is, or only its text is wanted
    }
    if (std::optional<DocumentPages> laidOut = LaidOutPages(path, pageLimit, context)) {
        // The layout keeps the document's own page numbers: each section is found on the
        // laid-out pages by its text.
        if (!native.numbering.empty()) {
            laidOut->numberLines = NumberPages(laidOut->pages.size(), native.numbering,
                                               LocateSections(laidOut->pages, native.numbering));
        }
        return std::move(*laidOut);
    }
    if (context.layout == DocumentLayout::Automatic) {
        WarnPagesApproximate(path, context);
    }
    return native;
}

// A DOC in the binary Word format. Without any reader there is only the message that Word was
// not found; otherwise the compound file and its FIB must be sound before a reader sees it.
DocumentPages ReadDocPages(const std::string& path, std::string_view bytes, int pageLimit,
                           const ReadContext& context) {
    const bool layoutAvailable =
        context.layout != DocumentLayout::NativeOnly && FindLayoutProgram().has_value();
    if (!layoutAvailable && !FindProgram("antiword")) {
        ShowWordNotFound(context);
        throw DocumentProblemError(DocumentProblem::ReaderMissing, "DOC");
    }
    const WordBinaryFacts facts = InspectWordBinary(bytes);
    if (std::optional<DocumentPages> laidOut = LaidOutPages(path, pageLimit, context)) {
        return std::move(*laidOut);
    }
    // The main text of an empty document is its final paragraph mark alone; antiword refuses
    // such a file, yet it is a valid document without text.
    if (facts.textLength <= 1) {
        DocumentPages empty;
        empty.pages.emplace_back();
        return empty;
    }
    DocumentPages native = ReadDocWithAntiword(path, context);
    if (context.layout == DocumentLayout::Automatic) {
        WarnPagesApproximate(path, context);
    }
    return native;
}

DocumentPages ReadRtfPages(const std::string& path, int pageLimit, const ReadContext& context) {
    if (std::optional<DocumentPages> laidOut = LaidOutPages(path, pageLimit, context)) {
        return std::move(*laidOut);
    }
    throw UserError(LayoutRequiredMessage(path));
}

DocumentPages ReadPagesOfFormat(const std::string& path, const std::string& bytes,
                                DocumentFormat format, int pageLimit, const ReadContext& context) {
    switch (format) {
        case DocumentFormat::Docx:
            return ReadWordProcessorPages(path, pageLimit, ReadDocxDocument(bytes), context);
        case DocumentFormat::Odt:
            return ReadWordProcessorPages(path, pageLimit, ReadOdtDocument(bytes), context);
        case DocumentFormat::Pdf:
            return ReadPdfDocument(bytes, pageLimit);
        case DocumentFormat::Doc:
            // Only a sound file in the binary Word format goes to the layout: LibreOffice and
            // antiword both make some text of broken bytes. Anything else under a .doc name is
            // left to antiword, which rejects what it cannot read.
            if (bytes.starts_with("\xD0\xCF\x11\xE0")) {
                return ReadDocPages(path, bytes, pageLimit, context);
            }
            return ReadDocWithAntiword(path, context);
        case DocumentFormat::Rtf:
            // RTF is recognised by its content; a file named .rtf that holds none is no document.
            if (bytes.starts_with("{\\rtf")) {
                return ReadRtfPages(path, pageLimit, context);
            }
            throw DocumentProblemError(DocumentProblem::NotThisKind, "RTF");
        case DocumentFormat::None:
            break;
    }
    throw DocumentProblemError(DocumentProblem::NotThisKind);
}

// The pages of any document kind. Throws UserError `Cannot open file "PATH". REASON` when the
// file cannot be read and `Cannot read this document "PATH". REASON` when it is no readable
// document.
DocumentPages ReadDocumentPages(const std::string& path, int pageLimit,
                                const ReadContext& context) {
    const std::string bytes = ReadFileBytes(path);
    try {
        return ReadPagesOfFormat(path, bytes, FormatOfFile(path, bytes), pageLimit, context);
    } catch (const DocumentProblemError& error) {
        throw CannotReadDocument(path, error);
    }
}

Text NumberLineOf(const DocumentPages& pages, size_t page) {
    return page < pages.numberLines.size() ? pages.numberLines[page]
                                           : DecimalText(static_cast<int64_t>(page) + 1);
}

}  // namespace

DocumentFormat DocumentFormatOf(const std::string& path) {
    const std::string extension = UpperCaseExtension(path);
    if (extension == "DOC")
        return DocumentFormat::Doc;
    if (extension == "DOCX")
        return DocumentFormat::Docx;
    if (extension == "ODT")
        return DocumentFormat::Odt;
    if (extension == "PDF")
        return DocumentFormat::Pdf;
    if (extension == "RTF")
        return DocumentFormat::Rtf;
    return DocumentFormat::None;
}

DocumentFormat DetectDocumentFormat(const std::string& path) {
    const DocumentFormat byName = DocumentFormatOf(path);
    if (byName == DocumentFormat::None) {
        return byName;
    }
    std::string bytes;
    try {
        // The header tells every kind but a zip container, which is known only by its parts;
        // FormatOfContent looks no further than the window of the PDF header.
        InputFile file(path);
        bytes.resize(kPdfHeaderWindow);
        bytes.resize(file.read(bytes.data(), bytes.size()));
        if (bytes.starts_with("PK")) {
            file.readRest(bytes);
        }
    } catch (const UserError&) {
        return byName;  // the reading itself will report the file
    }
    return FormatOfFile(path, bytes);
}

bool LaidOutWhenReadAsText(const std::string& path, const ReadContext& context) {
    if (context.layout != DocumentLayout::TextOnly ||
        DocumentFormatOf(path) == DocumentFormat::None) {
        return false;
    }
    std::string head(8, '\0');
    try {
        InputFile file(path);
        head.resize(file.read(head.data(), head.size()));
    } catch (const UserError&) {
        return false;  // the reading itself will report the file
    }
    // Only a sound compound file goes to the layout as DOC, and RTF only by its content.
    return head.starts_with("\xD0\xCF\x11\xE0") || head.starts_with("{\\rtf");
}

Text ReadWordDocument(const std::string& path, int pageLimit, const ReadContext& context) {
    const DocumentPages pages = ReadDocumentPages(path, pageLimit, context);
    return FormatDocumentPages(pages.pages, pages.numberLines, pageLimit);
}

std::optional<PagedDocument> ReadPagedDocument(const std::string& path,
                                               const ReadContext& context) {
    if (DocumentFormatOf(path) == DocumentFormat::None) {
        return std::nullopt;
    }
    const DocumentPages pages = ReadDocumentPages(path, -1, context);
    PagedDocument document;
    // Each page formatted on its own ends with its number line; the line breaks of the whole
    // text are the same, since every page ends with a complete CR LF.
    int64_t lineCount = 0;
    for (size_t i = 0; i < pages.pages.size(); ++i) {
        const Text number = NumberLineOf(pages, i);
        const Text page = FormatDocumentPages({pages.pages[i]}, {number}, -1);
        lineCount += static_cast<int64_t>(SplitLines(page).size());
        document.pageNumbers.push_back({number, lineCount - 1});
        document.text += page;
    }
    return document;
}

}  // namespace lexorim
