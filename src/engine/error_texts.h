#pragma once
// The error texts of reading and writing in the interface language. The core words them in
// English (the command line prints them so, and scripts may read them); the desktop program shows
// them in German when its interface is German, sentence by sentence, with paths and names kept.

#include "engine/language.h"
#include "engine/text_helpers.h"

namespace lexorim {

// `english` in `language`: known sentences are translated, anything else stays as it is.
Text ErrorTextIn(TextView english, Language language);

}  // namespace lexorim
