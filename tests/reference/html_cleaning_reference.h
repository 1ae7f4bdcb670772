#pragma once
// The literal tag removal: one rescan of the whole text per cycle. Slow on large pages, but easy
// to check against the description of the cycles; the fast product version must agree with it.

#include "engine/text_helpers.h"

namespace lexorim::reference {

Text RemoveHtmlTags(TextView text);

}  // namespace lexorim::reference
