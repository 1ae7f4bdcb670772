#include "keywordindex/keyword_order.h"

#include <cstddef>
#include <cstdint>
#include <utility>

#include "engine/case_rules.h"

namespace lexorim {

namespace {

// A word to sort: the first four units of its key, the first in the highest bits and missing
// ones as zero (keys whose prefixes differ are ordered by them as by the whole keys), and its
// position, which also finds its key. Small, so that the sort moves little memory.
struct KeyedWord {
    uint64_t prefix = 0;
    size_t position = 0;
};

uint64_t PrefixOf(TextView key) {
    uint64_t prefix = 0;
    for (size_t i = 0; i < 4; ++i)
        prefix = prefix << 16 | (i < key.size() ? key[i] : 0u);
    return prefix;
}

class KeyOrder {
  public:
    explicit KeyOrder(const std::vector<Text>& keys) : keys_(keys) {}

    bool Less(const KeyedWord& a, const KeyedWord& b) const {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        return keys_[a.position] < keys_[b.position];
    }

  private:
    const std::vector<Text>& keys_;
};

// A quicksort of the Hoare kind with the middle element as pivot. The two parts of a range are
// disjoint, so sorting the smaller one first by recursion and the larger one in the loop gives
// the same order as sorting them in turn, with a stack depth of at most log2(n).
void QuickSort(std::vector<KeyedWord>& items, std::ptrdiff_t lo, std::ptrdiff_t hi,
               const KeyOrder& order) {
    while (lo < hi) {
        const KeyedWord pivot = items[static_cast<size_t>((lo + hi) / 2)];
        std::ptrdiff_t i = lo;
        std::ptrdiff_t j = hi;
        do {
            while (order.Less(items[static_cast<size_t>(i)], pivot))
                ++i;
            while (order.Less(pivot, items[static_cast<size_t>(j)]))
                --j;
            if (i <= j) {
                std::swap(items[static_cast<size_t>(i)], items[static_cast<size_t>(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - lo < hi - i) {
            if (lo < j)
                QuickSort(items, lo, j, order);
            lo = i;
        } else {
            if (i < hi)
                QuickSort(items, i, hi, order);
            hi = j;
        }
    }
}

}  // namespace

Text KeywordSortKey(TextView word) {
    // One pass: each replacement is ASCII, so no replacement can make another one match.
    Text key;
    key.reserve(word.size() + 2);
    for (const char16_t c : word) {
        const char16_t upper = UpperUnit(c);
        switch (upper) {
            case u'\u00C4':  // Ä
                key.append(u"AE");
                break;
            case u'\u00D6':  // Ö
                key.append(u"OE");
                break;
            case u'\u00DC':  // Ü
                key.append(u"UE");
                break;
            case u'\u00DF':  // ß
                key.append(u"SS");
                break;
            case u'\u00C7':  // Ç
                key.push_back(u'C');
                break;
            default:
                key.push_back(upper);
        }
    }
    return key;
}

void SortKeywords(std::vector<Text>& words) {
    if (words.size() < 2)
        return;
    std::vector<Text> keys;
    keys.reserve(words.size());
    std::vector<KeyedWord> items;
    items.reserve(words.size());
    for (size_t i = 0; i < words.size(); ++i) {
        keys.push_back(KeywordSortKey(words[i]));
        items.push_back({PrefixOf(keys.back()), i});
    }
    QuickSort(items, 0, static_cast<std::ptrdiff_t>(items.size()) - 1, KeyOrder(keys));
    std::vector<Text> sorted;
    sorted.reserve(words.size());
    for (const KeyedWord& item : items)
        sorted.push_back(std::move(words[item.position]));
    words = std::move(sorted);
}

}  // namespace lexorim
