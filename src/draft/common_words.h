#pragma once
// Words that stand on nearly every document of a run (navigation, the foot of every page,
// "Copyright") say nothing about any one document; the file and the keyword index can leave
// them out.

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

// Runs of fewer documents than this leave nothing out: a word on both of two documents is not
// furniture yet.
inline constexpr size_t kFewestDocumentsForCommonWords = 3;

// The words that stand on at least `percent` of the documents of a run. Words are compared
// without regard to case, as the file index merges its entries, so "Next" and "NEXT" of a
// navigation bar count as one word. Only documents that give at least one word count: a missing
// or empty file does not make the others' words rarer.
class CommonWords {
  public:
    CommonWords() = default;
    // `documents` holds each document's words, repeats allowed; `percent` is taken within 1-100.
    CommonWords(const std::vector<std::vector<TextView>>& documents, int32_t percent);

    bool Contains(TextView word) const;
    bool empty() const { return keys_.empty(); }
    size_t size() const { return keys_.size(); }

  private:
    std::unordered_set<Text> keys_;
};

// The words of a list that are not common, in their order.
std::vector<Text> WithoutCommonWords(std::vector<Text> words, const CommonWords& common);

}  // namespace lexorim
