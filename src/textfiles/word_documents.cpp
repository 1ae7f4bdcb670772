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

Text ReadDoc(const std::string& path, int pageLimit, const ReadContext& context) {
    const std::optional<std::string> output = RunAntiword(path);
    if (!output) {
        ShowWordNotFound(context);
        return {};
    }
    if (output->empty()) {
        return {};  // antiword could not read the file
    }
    const DocumentPages pages = PagesFromAntiwordOutput(*output);
    return FormatDocumentPages(pages.pages, pages.numberLines, pageLimit);
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
    const std::string bytes = ReadFileBytes(path);  // throws "Cannot open file"
    DocumentFormat format = FormatOfContent(bytes);
    if (format == DocumentFormat::None) {
        format = DocumentFormatOf(path);
    }
    // A file that is not a valid document of its kind reads as an empty text, as a missing
    // source does, so that one broken file does not end a run over many documents.
    switch (format) {
        case DocumentFormat::Docx:
            return ReadDocxBytes(bytes, pageLimit);
        case DocumentFormat::Odt:
            return ReadOdtBytes(bytes, pageLimit);
        case DocumentFormat::Pdf: {
            const std::optional<DocumentPages> pages = ReadPdfPages(bytes, pageLimit);
            return pages ? FormatDocumentPages(pages->pages, pages->numberLines, pageLimit)
                         : Text();
        }
        case DocumentFormat::Doc:
            return ReadDoc(path, pageLimit, context);
        case DocumentFormat::None:
            return {};
    }
    return {};
}

}  // namespace lexorim
