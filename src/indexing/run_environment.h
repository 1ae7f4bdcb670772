#pragma once
// What every index run reads besides its options and its pages or documents.

#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

// The negative and the positive list as a run uses them: one entry per line.
struct WordLists {
    std::vector<Text> negative;
    std::vector<Text> positive;
};

}  // namespace lexorim
