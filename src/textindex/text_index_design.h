#pragma once
// Title, headings and separators of the book index output.

#include "engine/language.h"
#include "engine/text_helpers.h"

namespace lexorim {

// The defaults are the fixed layout used while the custom design is off.
struct TextIndexDesign {
    Text title = u"Index";               // ub
    bool headings = true;                // kt_alphabet
    bool emptyLineBeforeHeading = true;  // dabsatz_abc
    Text pageSeparator = u", ";          // dsep
    Text wordSeparator = u" ";           // dzw
};

// The preview line of the design window, e.g. "Vorschau: Eintrag 17, 38, 69, 193".
Text DesignPreview(const TextIndexDesign& design, Language language);

// A separator as its label shows it: between double quotation marks, so blanks are visible.
Text QuotedSeparator(TextView separator);

}  // namespace lexorim
