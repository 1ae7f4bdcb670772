#pragma once
// The exclusion criteria of one index kind.

#include "engine/text_helpers.h"

namespace lexorim {

struct WordCriteria {
    bool lowerCaseOut = true;
    bool upperCaseOut = false;
    bool minLengthOn = true;
    Text minLengthText = u"3";  // as typed, for the summary
    bool numbersOut = true;
    bool useNegativeList = true;
    bool usePositiveList = false;
    bool markCombined = true;
    // The number the settings read from `minLengthText`; last, so that the criteria can still
    // be listed in the order of the window.
    int32_t minLength = 3;

    int32_t MinimumLength() const { return minLength; }
};

enum class IndexKind { Text, File, Keyword };

}  // namespace lexorim
