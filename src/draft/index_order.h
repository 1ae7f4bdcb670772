#pragma once
// What a clean first draft leaves out of the lines that continue a heading.

#include "engine/index_store.h"

namespace lexorim {

// Leaves out the expansion lines that repeat their own first word ("Advanced; Advanced
// Configuration"): the combined word has a line of its own right below its first word anyway.
// Words are compared without regard to case ("ACCESS; Access Control" goes too).
void DropRepeatedExpansions(IndexStore& store);

}  // namespace lexorim
