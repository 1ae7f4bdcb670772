#pragma once
// The readers behind ReadWordDocument, one per document kind. Each gives the pages of a
// document, or nothing when the bytes are not a valid document of its kind.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/text_helpers.h"
#include "textfiles/page_numbering.h"

namespace lexorim {

struct DocumentPages {
    std::vector<Text> pages;
    // The number line of each page; pages without one are numbered from 1.
    std::vector<Text> numberLines;
    // The page count Word stated when it last saved the document (DOCX), and how many page
    // starts of that layout the document recorded in its text.
    std::optional<size_t> statedPageCount;
    size_t recordedPageStarts = 0;
    // The document's own page numbering, section by section (empty when it numbers 1 to n).
    std::vector<NumberingSection> numbering;
};

// Keeps the document's own numbering when it numbers its pages other than 1 to n, and numbers
// the pages as read from the document itself by it.
void NumberByOwnSections(DocumentPages& pages, std::vector<NumberingSection> sections);

// True when the pages read from the document itself are the pages its word processor laid
// out: the document recorded its layout's page starts and they give the page count it states.
bool RecordsItsWholeLayout(const DocumentPages& pages);

// DOCX: the main document part, with page breaks from the breaks the author inserted, section
// starts and the page starts Word recorded when it last laid the document out.
std::optional<DocumentPages> ReadDocxPages(std::string_view bytes);

// ODT: content.xml, with page breaks from the layout breaks the office suite recorded and from
// paragraph styles that break before or after.
std::optional<DocumentPages> ReadOdtPages(std::string_view bytes);

// PDF: the text of at most `pageLimit` pages (all when below 0), numbered with the page labels
// printed in the book when the PDF defines them.
std::optional<DocumentPages> ReadPdfPages(std::string_view bytes, int pageLimit);

// Whether a hyphen at a line end between the word part `before` and the word `after` on the
// next line stays: before a capital it belongs to a compound ("Jonas-" / "Weller"), except when
// both sides are written in capitals, where it splits one word ("MAP-" / "PING"). Otherwise the
// parts are joined.
bool KeepsLineEndHyphen(TextView before, TextView after);

// How much of a file's start may hold the PDF header.
inline constexpr size_t kPdfHeaderWindow = 1024;

// True when the PDF header stands near the start of `bytes`, as PDF readers accept it.
inline bool HasPdfHeader(std::string_view bytes) {
    return bytes.substr(0, kPdfHeaderWindow).find("%PDF-") != std::string_view::npos;
}

// The same readers, throwing DocumentProblemError with the reason where the ones above give
// nothing.
DocumentPages ReadDocxDocument(std::string_view bytes);
DocumentPages ReadOdtDocument(std::string_view bytes);
DocumentPages ReadPdfDocument(std::string_view bytes, int pageLimit);

// DOC: the standard output of `antiword` for the file, or nothing when antiword cannot be
// started. An antiword that fails on the file gives an empty output.
std::optional<std::string> RunAntiword(const std::string& path);
// Pages of antiword's text output, which marks the page breaks it knows with form feeds.
DocumentPages PagesFromAntiwordOutput(std::string_view output);

// The page format of ReadWordDocument for bytes of a DOCX or ODT document (empty text for
// bytes that are not a valid document); the entry point of the fuzzers.
Text ReadDocxBytes(std::string_view bytes, int pageLimit);
Text ReadOdtBytes(std::string_view bytes, int pageLimit);

}  // namespace lexorim
