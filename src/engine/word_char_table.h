#pragma once
// One table with everything the word pipeline asks about a code unit: separator, whole-word
// boundary, whether the case mappings leave it unchanged, and its upper-case form. The pipeline
// looks at every character of every page several times, so these answers are tabled together.

#include <array>
#include <cstdint>

#include "engine/text_helpers.h"

namespace lexorim {

class WordCharTable {
  public:
    enum Flag : uint8_t {
        kSeparator = 1,  // one of the 34 word-ending characters
        kBoundary = 2,   // ends a whole-word match (separator, white space, punctuation, symbol)
        kUpperSame = 4,  // upper-casing leaves it unchanged
        kLowerSame = 8,  // lower-casing leaves it unchanged
        kMixedBoundary = 16,  // characters with this upper-case form differ in being boundaries
    };

    static const WordCharTable& Get();

    uint8_t flags(char16_t unit) const { return flags_[unit]; }
    bool IsSeparator(char16_t unit) const { return (flags_[unit] & kSeparator) != 0; }
    bool IsBoundary(char16_t unit) const { return (flags_[unit] & kBoundary) != 0; }
    bool IsUpperSame(char16_t unit) const { return (flags_[unit] & kUpperSame) != 0; }
    bool IsLowerSame(char16_t unit) const { return (flags_[unit] & kLowerSame) != 0; }
    char16_t Upper(char16_t unit) const { return upper_[unit]; }
    // True when every character whose upper-case form equals that of `unit` is a boundary
    // exactly when `unit` is one.
    bool UpperFormHasOneClass(char16_t unit) const {
        return (flags_[upper_[unit]] & kMixedBoundary) == 0;
    }

  private:
    WordCharTable();
    std::array<uint8_t, 0x10000> flags_{};
    std::array<char16_t, 0x10000> upper_{};
};

}  // namespace lexorim
