#pragma once
// Texts shaped to make tag removal slow: many distinct tags that share their ending, and stray
// "<" that stay in front of copy after copy. Used by the differential test and the benchmark.

#include <string>

#include "engine/text_helpers.h"

namespace lexorim::reference {

inline Text DecimalUnits(size_t n) {
    const std::string digits = std::to_string(n);
    return Text(digits.begin(), digits.end());
}

// "<0<b<c><1<b<c><2<b<c>..." up to about `units` code units: every tag is distinct, and all of
// them end in the same two pieces.
inline Text SharedEndingTags(size_t units) {
    Text text;
    for (size_t n = 0; text.size() < units; ++n) {
        text += u"<" + DecimalUnits(n) + u"<b<c>";
    }
    return text;
}

// "<0><1>...<k>" followed by `strays` lone "<" and the same tags again: the stray "<" stay in
// front of every copy and move on with each removal.
inline Text StraysBeforeCopies(size_t tags, size_t strays) {
    Text list;
    for (size_t n = 0; n < tags; ++n) {
        list += u"<" + DecimalUnits(n) + u">";
    }
    return list + Text(strays, u'<') + list;
}

// Tags whose copies stand behind other distinct stray pieces: "<k<x>" first, later "<m<k<x>".
inline Text CopiesBehindStrayPieces(size_t tags) {
    Text text;
    for (size_t n = 0; n < tags; ++n) {
        text += u"<" + DecimalUnits(n) + u"<x>";
    }
    for (size_t n = 0; n < tags; ++n) {
        text += u"<" + DecimalUnits(n + tags) + u"<" + DecimalUnits(n) + u"<x>text";
    }
    return text;
}

}  // namespace lexorim::reference
