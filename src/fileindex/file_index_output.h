#pragma once
// The finished file index store written as text or as one complete HTML page.

#include <functional>

#include "engine/index_store.h"
#include "engine/language.h"
#include "engine/text_helpers.h"
#include "fileindex/file_index_design.h"

namespace lexorim {

// One line per entry under optional letter headings; every line ends with CR LF. `design` holds
// the values to write with (EffectiveTextDesign).
Text WriteFileTextIndex(const IndexStore& store, const FileTextDesign& design);

// The page: head with style sheet, heading, navigation bar, letter sections, one row per word
// and the footer in the interface language, passed through EncodeHtmlPage. `design` holds the
// values to write with (EffectiveHtmlDesign). The rows are written on up to `threads` threads (0
// for all cores); the page does not depend on it.
Text WriteHtmlIndex(const IndexStore& store, const HtmlDesign& design, Language language,
                    unsigned threads = 0);
// The same page handed to `write` piece by piece (pure ASCII, so no piece ends inside a pair),
// so that a large page is never held whole.
void WriteHtmlIndexInPieces(const IndexStore& store, const HtmlDesign& design, Language language,
                            unsigned threads, const std::function<void(TextView)>& write);

// The page as pure ASCII: U+00A0..U+00FF as named references, every character above U+00FF as
// a numeric reference (a surrogate pair as one reference of its code point). The page declares
// ISO-8859-1, so this is what every browser and every output encoding reads correctly.
Text EncodeHtmlPage(TextView page);

}  // namespace lexorim
