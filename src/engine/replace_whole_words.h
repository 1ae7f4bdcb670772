#pragma once
// Replacing whole-word occurrences of a pattern, as the word lists act on a page.

#include <cstddef>

#include "engine/text_helpers.h"

namespace lexorim {

struct WholeWordOptions {
    bool allOccurrences = true;
    bool ignoreCase = true;
};

// Replaces every occurrence of `pattern` whose neighbours are both boundaries: the character
// before is the last one already written to the result, the one after the next of the unchanged
// text; no character, white space, punctuation, symbols and the separator characters are
// boundaries. An empty pattern changes nothing.
Text ReplaceWholeWords(TextView text, TextView pattern, TextView replacement,
                       WholeWordOptions options = {});

// The same replacement, applied to `text` itself. `scratch` is working storage that callers
// reuse between calls. Returns true when the text changed (an occurrence replaced by an equal
// text does not count as a change).
bool ReplaceWholeWordsInPlace(Text& text, TextView pattern, TextView replacement,
                              WholeWordOptions options, Text& scratch);

}  // namespace lexorim
