#pragma once
// What a printed book repeats on its pages besides its text: running heads and feet, and the
// pages that only point to other pages (contents, lists of tables, the book's own index).

#include <cstddef>
#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

// One page as the draft reads it: its lines in order.
using PageLines = std::vector<TextView>;

// The lines of a page's head and foot zone: from each end the first two lines with words, and
// the lines with nothing but numbers and punctuation on the way to them, four lines at most.
// In order, each once.
std::vector<size_t> HeadAndFootLines(const PageLines& page);

// A line as it recurs from page to page: lower case, without its digits and roman numerals,
// blanks collapsed.
Text RecurringForm(TextView line);

// For each page, the positions of its lines that are running heads or feet: lines of the head
// and foot zone whose recurring form stands in that zone of at least three pages, and on at
// least half the pages (of one parity when the book sets odd and even pages apart) from the
// first of them to the last.
std::vector<std::vector<size_t>> FindRunningHeads(const std::vector<PageLines>& pages);

// Whether a page is a contents page or a page of the book's own index: most of its lines that
// have words end in a page number, a list of them or a dot leader. The lines at `leftOut` are
// not read.
bool IsContentsPage(const PageLines& page, const std::vector<size_t>& leftOut = {});

}  // namespace lexorim
