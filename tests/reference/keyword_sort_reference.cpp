#include "reference/keyword_sort_reference.h"

#include <utility>

#include "engine/case_rules.h"

namespace lexorim::reference {

namespace {

struct Pair {
    Text key;
    int position;
};

Text Key(const Text& word) {
    Text key = ToUpper(word);
    key = ReplaceAll(key, u"\u00C4", u"AE");
    key = ReplaceAll(key, u"\u00D6", u"OE");
    key = ReplaceAll(key, u"\u00DC", u"UE");
    key = ReplaceAll(key, u"\u00DF", u"SS");
    key = ReplaceAll(key, u"\u00C7", u"C");
    return key;
}

void QuickSort(std::vector<Pair>& a, int lo, int hi) {
    int i = lo;
    int j = hi;
    const Text pivot = a[(lo + hi) / 2].key;
    do {
        while (a[i].key < pivot)
            i++;
        while (a[j].key > pivot)
            j--;
        if (i <= j) {
            std::swap(a[i], a[j]);
            i++;
            j--;
        }
    } while (i <= j);
    if (lo < j)
        QuickSort(a, lo, j);
    if (i < hi)
        QuickSort(a, i, hi);
}

}  // namespace

void SortKeywords(std::vector<Text>& words) {
    if (words.empty())
        return;
    std::vector<Pair> pairs;
    for (size_t i = 0; i < words.size(); ++i)
        pairs.push_back({Key(words[i]), static_cast<int>(i)});
    QuickSort(pairs, 0, static_cast<int>(pairs.size()) - 1);
    std::vector<Text> sorted;
    for (const Pair& pair : pairs)
        sorted.push_back(words[pair.position]);
    words = sorted;
}

}  // namespace lexorim::reference
