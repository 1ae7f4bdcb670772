#pragma once
// The index entry store: every index word with the references of the places where it occurs,
// in 27 buckets ("A" to "Z", then everything else).

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

class LocaleCollator;

struct IndexEntry {
    Text word;
    // References joined by "|"; a reference is key, ">", tag.
    Text references;

    bool operator==(const IndexEntry&) const = default;
};

class IndexStore {
  public:
    static constexpr int kBucketCount = 27;
    static constexpr int kOtherBucket = 26;

    IndexStore();
    ~IndexStore();
    IndexStore(IndexStore&&) noexcept;
    IndexStore& operator=(IndexStore&&) noexcept;

    // The bucket a word goes to: its first letter, umlauts folded to their base letter, or the
    // bucket of other characters.
    static int BucketOf(TextView word);

    void Clear();

    // Adds one occurrence. Words are matched without regard to case; the entry keeps the
    // spelling it was created with.
    void AddReference(TextView word, TextView key, TextView tag, bool removeDuplicates);
    // The same with the word's WordHash computed beforehand (on another thread, say).
    void AddReference(TextView word, uint64_t wordHash, TextView key, TextView tag,
                      bool removeDuplicates);

    // Hints that a word will soon be added, so that the memory its addition reads is fetched
    // meanwhile; they change nothing. Given for a word in the order of the stages, each stage
    // a while after the one before: the start of the word's search, the entry found there, the
    // entry's word and the end of its references.
    enum class PrefetchStage { Slot, Entry, Texts };
    void PrefetchWord(TextView word, uint64_t wordHash, PrefetchStage stage) const;
    // Entering a word mostly waits for memory: the stages of the words a little ahead of word
    // `index` of `count` are started meanwhile, each stage a few words before the next.
    // `wordAt(k)` gives word k and its WordHash as a pair.
    template <typename WordAt>
    void PrefetchAhead(size_t index, size_t count, const WordAt& wordAt) const {
        constexpr std::array<std::pair<size_t, PrefetchStage>, 3> kStages = {{
            {12, PrefetchStage::Slot},
            {8, PrefetchStage::Entry},
            {4, PrefetchStage::Texts},
        }};
        for (const auto& [distance, stage] : kStages) {
            if (index + distance < count) {
                const auto [text, hash] = wordAt(index + distance);
                PrefetchWord(text, hash, stage);
            }
        }
    }

    // The hash that words are found by: equal for words that are equal ignoring case.
    static uint64_t WordHash(TextView word);

    // Finishing a run: exactly one of these two. A part of a combined word shorter than
    // `shortestHeadingPart` (a short word that a draft kept inside a name) heads no line of its
    // own.
    void ExpandCombinedWords(size_t shortestHeadingPart = 0);
    void JoinCombinedWords();

    // Replaces one character by another in every word and every reference of a finished store.
    void ReplaceCharacter(char16_t from, char16_t to);

    // Sorts every bucket by word, ":" and references in the collation's order (ignoring case);
    // entries with equal keys keep their order. With `headingsFirst` the word ends in a character
    // that ranks below every other, so a word comes before all lines that continue it ("Access"
    // before "Access NIS" and "Access; Access NIS").
    void SortStore(const LocaleCollator& collator, bool headingsFirst = false);

    // How index-file lines are taken in.
    struct IndexLineRules {
        // Expansion entries (their word holds "; ") are skipped: expanding makes them again.
        bool skipExpansionLines = false;
        bool blanksAsJoinMark = false;  // blanks become "&", so combined words merge
    };

    // Appends the entries of index-file lines (cut at CR LF, CR or LF): a line with ">" and ":"
    // is the word before its first ":" and the references after it.
    void LoadIndexLines(TextView text, IndexLineRules rules);
    // With `multiple` on, expansion lines are skipped and blanks become the join mark.
    void LoadIndexLines(TextView text, bool multiple) {
        LoadIndexLines(text, IndexLineRules{multiple, multiple});
    }

    const std::vector<IndexEntry>& Bucket(int index) const;
    // For passes over a filled store that change, reorder or remove entries: every entry must stay
    // in its word's bucket, and a word in one entry of the bucket only. The lookup tables are
    // dropped (more words may still be added).
    std::vector<IndexEntry>& EditBucket(int index);
    size_t EntryCount() const;
    bool Empty() const { return EntryCount() == 0; }

  private:
    struct Lookup;
    std::array<std::vector<IndexEntry>, kBucketCount> buckets_;
    std::unique_ptr<Lookup> lookup_;

    Lookup& TheLookup();
    Lookup& EnsureWordLookup();
    void EnsurePieceLookup();
    // Appends without the uniqueness check (loading), keeping the lookup tables current.
    void AppendEntry(int bucket, IndexEntry entry);
    void FinishEntries();
};

}  // namespace lexorim
