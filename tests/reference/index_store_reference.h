#pragma once
// The index entry store written the plain way: linear search in the bucket, duplicate check by
// splitting the reference list, sorting by the materialised sort key. The product store must
// end up with exactly the same buckets.

#include <array>
#include <vector>

#include "engine/index_store.h"
#include "engine/text_helpers.h"

namespace lexorim {
class LocaleCollator;
}

namespace lexorim::reference {

class IndexStore {
  public:
    static int BucketOf(TextView word);

    void Clear();
    void AddReference(TextView word, TextView key, TextView tag, bool removeDuplicates);
    void ExpandCombinedWords();
    void JoinCombinedWords();
    void SortStore(const LocaleCollator& collator);
    void LoadIndexLines(TextView text, bool multiple);

    const std::vector<IndexEntry>& Bucket(int index) const { return buckets_.at(index); }

  private:
    std::array<std::vector<IndexEntry>, lexorim::IndexStore::kBucketCount> buckets_;
};

}  // namespace lexorim::reference
