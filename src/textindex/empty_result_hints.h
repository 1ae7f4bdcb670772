#pragma once
// Hints for a text index run that gives an empty index for a reason the user can change: the
// status texts that the desktop program shows beside the result and the command line prints on
// standard error. The result itself stays as it is.

#include <optional>
#include <vector>

#include "engine/language.h"
#include "engine/text_helpers.h"

namespace lexorim {

// Designation mode found no page number line in a plain text, so the index has no pages.
Text HintNoPageDesignations(Language language);

// A document gave no text at all (a scan without a text layer, an empty document).
Text HintDocumentWithoutText(Language language);

struct EmptyResultFacts {
    bool lineMode = false;        // sz_zeilezuseite
    bool isDocument = false;      // the source was read page by page from a document
    bool sourceHasText = false;   // anything but blanks, line breaks and number lines
    size_t designationCount = 0;  // page designations the run cuts the text at
};

// The hint that explains an empty result, if one applies.
std::optional<Text> EmptyResultHint(const EmptyResultFacts& facts, Language language);

// True when a text holds anything but blanks and control characters, apart from the lines
// given by their zero-based numbers (a document's page number lines).
bool HasTextBesidesLines(TextView text, const std::vector<int64_t>& skippedLines);

}  // namespace lexorim
