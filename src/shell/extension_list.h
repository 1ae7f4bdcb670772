#pragma once
// The extension list of the shell windows: the file types whose context menu offers the program.

#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

// The extensions of a comma-separated list, each with its leading "." and in list order. Pieces
// are trimmed; a piece without "." gets one in front; a piece of one character, or one that
// holds a character no file name extension may hold (< > \ / | : ? " * or a blank) after its
// first, is left out.
std::vector<Text> ParseExtensionList(TextView list);

}  // namespace lexorim
