#include "draft/index_order.h"

#include <algorithm>

#include "engine/case_rules.h"

namespace lexorim {

namespace {

// An expansion's word is a part, "; " and the combined word, whose words are parted by blanks.
bool RepeatsItsFirstWord(TextView word) {
    const size_t mark = word.find(u"; ");
    if (mark == TextView::npos || mark == 0)
        return false;
    const TextView part = word.substr(0, mark);
    const TextView combined = word.substr(mark + 2);
    const size_t blank = combined.find(u' ');
    return blank != TextView::npos && EqualsIgnoringCase(combined.substr(0, blank), part);
}

}  // namespace

void DropRepeatedExpansions(IndexStore& store) {
    for (int b = 0; b < IndexStore::kBucketCount; ++b) {
        const std::vector<IndexEntry>& entries = store.Bucket(b);
        const auto repeats = [](const IndexEntry& entry) {
            return RepeatsItsFirstWord(entry.word);
        };
        if (std::none_of(entries.begin(), entries.end(), repeats))
            continue;
        std::vector<IndexEntry>& edited = store.EditBucket(b);
        edited.erase(std::remove_if(edited.begin(), edited.end(), repeats), edited.end());
    }
}

}  // namespace lexorim
