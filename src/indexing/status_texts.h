#pragma once
// The status texts that every index run shows beside its progress bar.

#include "engine/language.h"
#include "engine/text_helpers.h"

namespace lexorim {

Text StatusPreparing(Language language);
Text StatusReadingPage(Language language);  // followed by the page label
Text StatusRefreshing(Language language);
Text StatusWriting(Language language);
Text StatusReadingFile(Language language);  // followed by the file's path

}  // namespace lexorim
