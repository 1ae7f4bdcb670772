#pragma once
// Upper- and lower-casing with the simple per-code-unit Unicode case mappings, and comparison
// of words without regard to case (by their upper-cased forms).

#include "engine/text_helpers.h"

namespace lexorim {

char16_t UpperUnit(char16_t unit);
char16_t LowerUnit(char16_t unit);

Text ToUpper(TextView text);
Text ToLower(TextView text);

// True when both texts are equal after upper-casing each code unit.
bool EqualsIgnoringCase(TextView a, TextView b);

inline bool IsUnchangedByUpperCasing(char16_t unit) {
    return UpperUnit(unit) == unit;
}
inline bool IsUnchangedByLowerCasing(char16_t unit) {
    return LowerUnit(unit) == unit;
}

}  // namespace lexorim
