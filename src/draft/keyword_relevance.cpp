#include "draft/keyword_relevance.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "draft/common_words.h"

namespace lexorim {

namespace {

// The usual BM25 constants: saturation of the term frequency and strength of the length
// normalisation.
constexpr double kSaturation = 1.2;
constexpr double kLengthWeight = 0.75;

// A document's different words in the order they first stand, with how often each stands.
struct WordCounts {
    std::vector<TextView> words;
    std::vector<size_t> counts;
};

WordCounts CountWords(const std::vector<Text>& words) {
    WordCounts counted;
    std::unordered_map<TextView, size_t> place;
    for (const Text& word : words) {
        const auto [it, isNew] = place.try_emplace(word, counted.words.size());
        if (isNew) {
            counted.words.push_back(word);
            counted.counts.push_back(0);
        }
        ++counted.counts[it->second];
    }
    return counted;
}

}  // namespace

std::vector<std::vector<ScoredWord>> ScoreDocumentWords(
    const std::vector<std::vector<Text>>& documents) {
    std::vector<WordCounts> counted;
    counted.reserve(documents.size());
    std::unordered_map<TextView, size_t> documentFrequency;
    size_t withWords = 0;
    size_t allWords = 0;
    for (const std::vector<Text>& words : documents) {
        counted.push_back(CountWords(words));
        for (const TextView word : counted.back().words)
            ++documentFrequency[word];
        withWords += words.empty() ? 0 : 1;
        allWords += words.size();
    }
    const double averageLength =
        withWords == 0 ? 1.0 : static_cast<double>(allWords) / static_cast<double>(withWords);

    std::vector<std::vector<ScoredWord>> scored(documents.size());
    for (size_t d = 0; d < documents.size(); ++d) {
        const WordCounts& words = counted[d];
        const double length = static_cast<double>(documents[d].size()) / averageLength;
        const double norm = kSaturation * (1.0 - kLengthWeight + kLengthWeight * length);
        for (size_t w = 0; w < words.words.size(); ++w) {
            const auto n = static_cast<double>(documentFrequency[words.words[w]]);
            const double idf =
                std::log(1.0 + (static_cast<double>(withWords) - n + 0.5) / (n + 0.5));
            const auto tf = static_cast<double>(words.counts[w]);
            scored[d].push_back(
                {Text(words.words[w]), idf * tf * (kSaturation + 1.0) / (tf + norm)});
        }
        std::stable_sort(
            scored[d].begin(), scored[d].end(),
            [](const ScoredWord& a, const ScoredWord& b) { return a.score > b.score; });
    }
    return scored;
}

void KeepMostCharacteristicWords(std::vector<std::vector<Text>>& documents, int32_t count,
                                 bool removeDuplicates) {
    const auto keep = static_cast<size_t>(std::max<int32_t>(count, 1));
    const std::vector<std::vector<ScoredWord>> scored = ScoreDocumentWords(documents);
    for (size_t d = 0; d < documents.size(); ++d) {
        std::unordered_set<Text> best;
        for (size_t w = 0; w < scored[d].size() && w < keep; ++w)
            best.insert(scored[d][w].word);
        std::unordered_set<Text> written;
        std::vector<Text> kept;
        for (Text& word : documents[d]) {
            if (!best.contains(word) || (removeDuplicates && !written.insert(word).second))
                continue;
            kept.push_back(std::move(word));
        }
        documents[d] = std::move(kept);
    }
}

void CleanKeywordLists(std::vector<std::vector<Text>>& documents, const DraftOptions& draft,
                       bool removeDuplicates) {
    if (draft.leaveOutCommonWords) {
        std::vector<std::vector<TextView>> views(documents.size());
        for (size_t d = 0; d < documents.size(); ++d)
            views[d].assign(documents[d].begin(), documents[d].end());
        const CommonWords common(views, draft.commonWordPercent);
        for (std::vector<Text>& words : documents)
            words = WithoutCommonWords(std::move(words), common);
    }
    if (draft.rankKeywords)
        KeepMostCharacteristicWords(documents, draft.keywordCount, removeDuplicates);
}

}  // namespace lexorim
