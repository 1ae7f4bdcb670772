#pragma once
// The word pipeline written the plain way: every list entry is one pass of whole-word
// replacement over the page, and every step rewrites the whole string. Slow, but easy to check
// line by line; the product pipeline must give exactly the same words.

#include <vector>

#include "engine/text_helpers.h"
#include "engine/word_criteria.h"
#include "engine/word_pipeline.h"

namespace lexorim::reference {

Text ReplaceWholeWords(TextView text, TextView pattern, TextView replacement, bool allOccurrences,
                       bool ignoreCase);

Text PositiveListStep(TextView text, const std::vector<Text>& positiveList, bool hitsJoinBlanks,
                      TextView key, TextView tag, const WordSink& sink);
Text NegativeListStep(TextView text, const std::vector<Text>& negativeList);
Text NormaliseSeparators(TextView text);
Text MarkCombinedWords(TextView text);
Text BlanksToFullStops(TextView text);
Text CollapseFullStops(TextView text);
Text RemoveDigits(TextView text);
Text RemoveLowerCaseWords(TextView text);
Text RemoveUpperCaseWords(TextView text);
Text ApplyMinimumLength(TextView text, TextView minLengthText);
void DeliverWords(TextView text, TextView key, TextView tag, const WordSink& sink);

// All eleven steps in order.
void FilterPageWords(TextView page, const WordCriteria& criteria, bool positiveHitsJoinBlanks,
                     const std::vector<Text>& negativeList, const std::vector<Text>& positiveList,
                     TextView key, TextView tag, const WordSink& sink);

}  // namespace lexorim::reference
