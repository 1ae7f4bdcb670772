#pragma once
// The exclusion criteria of one index kind.

#include "engine/text_helpers.h"

namespace lexorim {

struct WordCriteria {
    bool lowerCaseOut = true;
    bool upperCaseOut = false;
    bool minLengthOn = true;
    Text minLengthText = u"3";
    bool numbersOut = true;
    bool useNegativeList = true;
    bool usePositiveList = false;
    bool markCombined = true;

    // The minimum length that `minLengthText` stands for (2 when it is not a number).
    int32_t MinimumLength() const { return IntegerOr(minLengthText, 2); }
};

enum class IndexKind { Text, File, Keyword };

}  // namespace lexorim
