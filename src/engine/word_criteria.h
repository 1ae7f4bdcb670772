#pragma once
// The exclusion criteria of one index kind.

#include "engine/text_helpers.h"

namespace lexorim {

struct WordCriteria {
    bool lowerCaseOut = true;
    bool upperCaseOut = false;
    bool minLengthOn = true;
    Text minLengthText = u"3";  // as typed, for the summary
    int32_t minLength = 3;      // the number the settings read from it
    bool numbersOut = true;
    bool useNegativeList = true;
    bool usePositiveList = false;
    bool markCombined = true;

    int32_t MinimumLength() const { return minLength; }
};

enum class IndexKind { Text, File, Keyword };

}  // namespace lexorim
