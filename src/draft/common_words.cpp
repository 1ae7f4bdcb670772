#include "draft/common_words.h"

#include <algorithm>
#include <unordered_map>

#include "engine/case_rules.h"

namespace lexorim {

CommonWords::CommonWords(const std::vector<std::vector<TextView>>& documents, int32_t percent) {
    const auto withWords = static_cast<size_t>(std::count_if(
        documents.begin(), documents.end(), [](const auto& words) { return !words.empty(); }));
    if (withWords < kFewestDocumentsForCommonWords)
        return;
    const auto share = static_cast<size_t>(std::clamp<int32_t>(percent, 1, 100));
    std::unordered_map<Text, size_t> documentCounts;
    std::unordered_set<Text> ofThisDocument;
    for (const std::vector<TextView>& words : documents) {
        ofThisDocument.clear();
        for (const TextView word : words) {
            Text key = ToUpper(word);
            if (ofThisDocument.insert(key).second)
                ++documentCounts[std::move(key)];
        }
    }
    // At least the share, in whole numbers: count / withWords >= share / 100.
    for (auto& [key, count] : documentCounts) {
        if (count * 100 >= share * withWords)
            keys_.insert(key);
    }
}

bool CommonWords::Contains(TextView word) const {
    return !keys_.empty() && keys_.contains(ToUpper(word));
}

std::vector<Text> WithoutCommonWords(std::vector<Text> words, const CommonWords& common) {
    if (!common.empty())
        std::erase_if(words, [&common](const Text& word) { return common.Contains(word); });
    return words;
}

}  // namespace lexorim
