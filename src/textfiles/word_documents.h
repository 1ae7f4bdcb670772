#pragma once
// Word-processor documents and PDF files, read page by page into the page format: each page's
// text, CR LF, its page number, CR LF; line breaks inside a page are CR LF.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/text_helpers.h"
#include "textfiles/text_reader.h"

namespace lexorim {

// The kinds of document that are not read as plain text files.
enum class DocumentFormat { None, Doc, Docx, Odt, Pdf, Rtf };

// The format by the file's extension (the characters after the last "." of the file name, in
// any case).
DocumentFormat DocumentFormatOf(const std::string& path);

// The format of a file with a document extension by what it holds (an RTF or a DOCX saved under
// a .doc name), else by its extension; None for every other file.
DocumentFormat DetectDocumentFormat(const std::string& path);

// Whether reading the text at `path` in `context`, when it is TextOnly, goes through the layout
// program when that is installed: a DOC in the binary Word format or an RTF. Looks at the
// file's first bytes only; a file that cannot be read answers false.
bool LaidOutWhenReadAsText(const std::string& path, const ReadContext& context);

// Reads at most `pageLimit` pages (all pages when it is below 0). DOC, DOCX, ODT and RTF are
// laid out by LibreOffice and their pages taken from its PDF, except a DOCX or ODT that records
// its whole layout itself, which is read natively; PDF is read through poppler. Without
// LibreOffice, DOCX and ODT are read natively and DOC through antiword, and a warning that the
// pages are approximate goes to context.showMessage; RTF then fails with UserError. When no
// reader is available for a DOC, the "Word was not found" message goes to context.showMessage.
// Throws UserError `Cannot open file "PATH". REASON` when the file cannot be read,
// `Cannot read this document "PATH". REASON` when it is truncated, damaged, encrypted, not a
// document of its kind, too large, or its reader is missing, and the layout's own error when
// the layout fails; an empty valid document reads as an empty page.
Text ReadWordDocument(const std::string& path, int pageLimit, const ReadContext& context = {});

// A document read page by page, with each page's number line and the zero-based line of the
// text on which it stands, so that an index of the document can take its pages from the
// document itself instead of guessing them from short lines. Nothing for a path that is not a
// document.
struct PageNumberLine {
    Text number;
    int64_t line = 0;
};
struct PagedDocument {
    Text text;
    std::vector<PageNumberLine> pageNumbers;
};
std::optional<PagedDocument> ReadPagedDocument(const std::string& path,
                                               const ReadContext& context = {});

}  // namespace lexorim
