#pragma once
// The stop words of the languages a clean draft knows, and the caption words of printed books
// (Table, Note, Tabelle, Hinweis, ...). They are negative-list entries: whole words, matched
// ignoring case, used after the user's own negative list.

#include <string_view>
#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

// The stop words of the language (a code such as "de" or "en") followed by the caption words of
// both German and English, which books of either language carry. For a language without a
// list of its own only the caption words.
const std::vector<Text>& DraftStopWords(std::string_view languageCode);

// Whether the language has a stop-word list of its own.
bool HasOwnStopWords(std::string_view languageCode);

}  // namespace lexorim
