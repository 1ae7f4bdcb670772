#pragma once
// The pages of a book that an index takes, as the user writes them: "iii-xii, 1-248". A page
// is named by its label; roman and arabic numbers are compared by value, anything else as
// written.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/language.h"
#include "engine/text_helpers.h"

namespace lexorim {

// The value of a roman numeral written in one case and in its usual form ("iv", "XII"; not
// "iiii" or "Xii"); nothing for any other text.
std::optional<int64_t> RomanNumeralValue(TextView text);

class PageRange {
  public:
    // Parses a list of labels and ranges separated by commas or semicolons. A range joins two
    // arabic or two roman numbers with "-", the smaller first. Throws UserError naming the item
    // that is neither.
    static PageRange Parse(TextView text, Language language);

    bool Contains(TextView label) const;

  private:
    enum class Kind { Arabic, Roman };
    struct Span {
        Kind kind = Kind::Arabic;
        int64_t first = 0;
        int64_t last = 0;
    };
    std::vector<Span> spans_;
    std::vector<Text> labels_;  // single labels that are no number
};

}  // namespace lexorim
