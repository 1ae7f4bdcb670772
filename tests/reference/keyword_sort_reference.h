#pragma once
// The keyword order as plainly written: the recursive quicksort on (key, position) pairs.

#include <vector>

#include "engine/text_helpers.h"

namespace lexorim::reference {

void SortKeywords(std::vector<Text>& words);

}  // namespace lexorim::reference
