#include "textfiles/word_documents.h"

#include "textfiles/document_pages.h"
#include "textfiles/document_readers.h"
#include "textfiles/file_access.h"
#include "textfiles/zip_archive.h"

namespace lexorim {

namespace {

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Word opens a document by what it holds, not by its name; a renamed file reads the same.
DocumentFormat FormatOfContent(std::string_view bytes) {
    if (bytes.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
        return DocumentFormat::Doc;
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
    if (bytes.substr(0, 1024).find("%PDF-") != std::string_view::npos) {
        return DocumentFormat::Pdf;
    }
    return DocumentFormat::None;
}

void ShowWordNotFound(const ReadContext& context) {
    if (context.showMessage) {
        context.showMessage(Choose(context.language,
                                   u"Aktion abgebrochen. Microsoft Word® wurde nicht gefunden.",
                                   u"Action canceled. Microsoft Word® was not found."));
    }
}

std::optional<DocumentPages> ReadDocPages(const std::string& path, const ReadContext& context) {
    const std::optional<std::string> output = RunAntiword(path);
    if (!output) {
        ShowWordNotFound(context);
        return std::nullopt;
    }
    if (output->empty()) {
        return std::nullopt;  // antiword could not read the file
    }
    return PagesFromAntiwordOutput(*output);
}

// The pages of any document kind; nothing when the file is not a readable document.
std::optional<DocumentPages> ReadDocumentPages(const std::string& path, int pageLimit,
                                               const ReadContext& context) {
    const std::string bytes = ReadFileBytes(path);  // throws "Cannot open file"
    DocumentFormat format = FormatOfContent(bytes);
    if (format == DocumentFormat::None) {
        format = DocumentFormatOf(path);
    }
    switch (format) {
        case DocumentFormat::Docx:
            return ReadDocxPages(bytes);
        case DocumentFormat::Odt:
            return ReadOdtPages(bytes);
        case DocumentFormat::Pdf:
            return ReadPdfPages(bytes, pageLimit);
        case DocumentFormat::Doc:
            return ReadDocPages(path, context);
        case DocumentFormat::None:
            break;
    }
    return std::nullopt;
}

Text NumberLineOf(const DocumentPages& pages, size_t page) {
    return page < pages.numberLines.size() ? pages.numberLines[page]
                                           : DecimalText(static_cast<int64_t>(page) + 1);
}

}  // namespace

DocumentFormat DocumentFormatOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return DocumentFormat::None;
    }
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) {
        c = AsciiUpper(c);
    }
    if (extension == "DOC")
        return DocumentFormat::Doc;
    if (extension == "DOCX")
        return DocumentFormat::Docx;
    if (extension == "ODT")
        return DocumentFormat::Odt;
    if (extension == "PDF")
        return DocumentFormat::Pdf;
    return DocumentFormat::None;
}

Text ReadWordDocument(const std::string& path, int pageLimit, const ReadContext& context) {
    const std::optional<DocumentPages> pages = ReadDocumentPages(path, pageLimit, context);
    return pages ? FormatDocumentPages(pages->pages, pages->numberLines, pageLimit) : Text();
}

std::optional<PagedDocument> ReadPagedDocument(const std::string& path,
                                               const ReadContext& context) {
    if (DocumentFormatOf(path) == DocumentFormat::None) {
        return std::nullopt;
    }
    const std::optional<DocumentPages> pages = ReadDocumentPages(path, -1, context);
    PagedDocument document;
    if (!pages) {
        return document;
    }
    // Each page formatted on its own ends with its number line; the line breaks of the whole
    // text are the same, since every page ends with a complete CR LF.
    int64_t lineCount = 0;
    for (size_t i = 0; i < pages->pages.size(); ++i) {
        const Text number = NumberLineOf(*pages, i);
        const Text page = FormatDocumentPages({pages->pages[i]}, {number}, -1);
        lineCount += static_cast<int64_t>(SplitLines(page).size());
        document.pageNumbers.push_back({number, lineCount - 1});
        document.text += page;
    }
    return document;
}

}  // namespace lexorim
