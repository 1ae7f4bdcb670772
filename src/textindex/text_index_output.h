#pragma once
// The book index as text: the title line, then per letter a heading and one line per entry with
// its pages. Every line ends with CR LF.

#include <functional>

#include "engine/index_store.h"
#include "engine/text_helpers.h"
#include "textindex/text_index_design.h"

namespace lexorim {

Text WriteTextIndexOutput(const IndexStore& store, const TextIndexDesign& design);

// The same text handed to `write` in pieces of about half a million units, so that a large
// index is written without being held whole; no piece ends inside a word.
void WriteTextIndexOutputInPieces(const IndexStore& store, const TextIndexDesign& design,
                                  const std::function<void(TextView)>& write);

// The shown part of a reference list: each reference's key (the text before its first ">"),
// joined by `separator`.
Text JoinReferenceKeys(TextView references, TextView separator);

}  // namespace lexorim
