#pragma once
// The page numbers a book prints in its heads or feet, read back for a document that does not
// say how its pages are numbered.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "draft/page_furniture.h"
#include "engine/language.h"
#include "engine/text_helpers.h"

namespace lexorim {

struct PrintedPageNumbers {
    std::vector<Text> labels;          // one per page
    std::vector<size_t> readPages;     // the pages (from 0) whose number was printed
    std::vector<size_t> countedPages;  // the pages numbered from their neighbours
};

// Reads each page's number from its head and foot zone: an arabic or roman number that goes up
// by one from page to page, as on at least one neighbouring page within three. A page without
// one is counted on from the number before it, or back from the number after it where that
// sequence starts on the page ("1" on the first page of a chapter that prints none). Nothing
// when no page prints its number.
std::optional<PrintedPageNumbers> ReadPrintedPageNumbers(const std::vector<PageLines>& pages);

// The note that the pages of the document at `path` took their printed numbers, naming them
// (counted from 1 in the order of the file).
Text PrintedPageNumbersNote(Language language, const std::string& path,
                            const PrintedPageNumbers& numbers);

}  // namespace lexorim
