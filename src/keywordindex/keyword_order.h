#pragma once
// The alphabetical order of a document's keywords: upper-cased keys with the German umlauts and
// "ß" spelled out, sorted by a quicksort whose order of equal keys is part of the output.

#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

// The word upper-cased, then "Ä" as "AE", "Ö" as "OE", "Ü" as "UE", "ß" as "SS" and "Ç" as "C".
Text KeywordSortKey(TextView word);

// Sorts the words by their keys, compared by UTF-16 code units. Words with equal keys end up in
// the order this particular quicksort leaves them in.
void SortKeywords(std::vector<Text>& words);

}  // namespace lexorim
