#pragma once
// Shortening a path for a menu caption: leading folders give way to "..." until the text fits.

#include <functional>

#include "engine/text_helpers.h"

namespace lexorim {

// The width of a text in the unit of `maxWidth`: the desktop program measures with its font,
// the command line counts characters.
using TextWidth = std::function<int(TextView text)>;

// Drops the first folder names of `path` one by one (C:\A\B\name becomes C:\...\B\name, then
// C:\...\name, ...\name and name) and stops as soon as the text is at most `maxWidth` wide.
// Paths with "/" are shortened the same way with "/" in the places of "\".
Text ShortenPath(TextView path, int maxWidth, const TextWidth& width);

// The command line's measure: one per UTF-16 code unit.
int CharacterCount(TextView text);

}  // namespace lexorim
