#pragma once
// The summary shown before a keyword index run.

#include "engine/language.h"
#include "engine/text_helpers.h"
#include "keywordindex/keyword_run.h"

namespace lexorim {

Text KeywordSummary(const KeywordOptions& options, Language language);

}  // namespace lexorim
