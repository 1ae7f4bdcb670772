#pragma once
// Index files (.idx): one line per entry, the word, ":" and its references, each line ended by
// CR LF, bucket by bucket in store order.

#include <string>

#include "engine/index_store.h"
#include "engine/text_helpers.h"

namespace lexorim {

// Appends the entries of the index file at `path` to the store, read by `rules`; a path that is
// not an existing file loads nothing. Read errors throw UserError.
void LoadExistingIndex(IndexStore& store, const std::string& path,
                       IndexStore::IndexLineRules rules);

// How a run reads the index it adds to: with combined words entered several times, expansion
// lines are skipped; while combined words are joined at all, blanks are read as the join mark,
// so that a combined word of the new pages merges with the same word of the file instead of
// being listed twice.
IndexStore::IndexLineRules ExistingIndexRules(bool multipleCombined, bool markCombined);

// The text of an index file for the store. A ":" inside a word (possible for positive-list
// entries) would end the word when the file is read back, so it is written as the look-alike
// ratio sign U+2236.
Text BuildIndexFileText(const IndexStore& store);

// A page label as it can stand in a reference: "|" joins references and ">" ends the key, so
// they are written as the look-alikes U+00A6 and U+203A.
Text ReferenceKeyOf(TextView label);

// The name an index is saved under: ".idx" is appended unless the name contains it anywhere.
std::string IndexFileName(const std::string& chosenName);

// A text index file contains ">-" somewhere; anything else is a file index file.
bool IsTextIndexFileText(TextView text);

}  // namespace lexorim
