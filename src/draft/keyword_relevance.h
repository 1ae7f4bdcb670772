#pragma once
// The most characteristic words of each document of a keyword index: every word scored against
// the whole source list, the best few kept.
//
// The score is BM25 rather than plain TF-IDF. Its term frequency saturates, so a word a long page
// repeats forty times does not push aside a word that stands on this page alone, and its length
// normalisation lets a few repeats count for less on a long page than on a short one. Its inverse
// document frequency ln(1 + (N - n + 0.5) / (n + 0.5)) stays positive, so with a single document,
// or a word on every document, the words still rank by how often they stand instead of all scoring
// zero.

#include <cstdint>
#include <vector>

#include "draft/draft_options.h"
#include "engine/text_helpers.h"

namespace lexorim {

struct ScoredWord {
    Text word;
    double score = 0;
};

// The different words of each document with their scores, best first; words of equal score in
// the order they first stand in the document. Words are compared exactly, as the keyword index
// compares its duplicates. `documents` holds every occurrence of each document's words.
std::vector<std::vector<ScoredWord>> ScoreDocumentWords(
    const std::vector<std::vector<Text>>& documents);

// Keeps of each document only the occurrences of its `count` best different words (at least
// one), in the order they stand, so that the index writes them in its usual order; with
// `removeDuplicates` each of them once, at its first place.
void KeepMostCharacteristicWords(std::vector<std::vector<Text>>& documents, int32_t count,
                                 bool removeDuplicates);

// The draft options of the keyword index applied to every document's words: the common words of
// the run left out first, then the most characteristic of the rest kept. With ranking on the
// lists must hold every occurrence (the collector keeps repeats), and repeats are removed here
// when `removeDuplicates` says so.
void CleanKeywordLists(std::vector<std::vector<Text>>& documents, const DraftOptions& draft,
                       bool removeDuplicates);

}  // namespace lexorim
