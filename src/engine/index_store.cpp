#include "engine/index_store.h"

#include <atomic>
#include <thread>

#include <algorithm>
#include <functional>
#include <iterator>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <unordered_map>

#include "engine/case_rules.h"
#include "engine/collation.h"
#include "engine/ordered_parallel.h"
#include "engine/word_char_table.h"

namespace lexorim {

namespace {

constexpr char16_t kJoin = u'&';
constexpr char16_t kReferenceJoin = u'|';
constexpr TextView kReferenceJoinText = u"|";

uint64_t MixBits(uint64_t x) {
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    x ^= x >> 31;
    return x;
}

// The hash of a word's upper-cased form, computed without building that form.
uint64_t HashIgnoringCase(TextView word) {
    const WordCharTable& table = WordCharTable::Get();
    uint64_t h = 0xcbf29ce484222325ULL;
    for (const char16_t c : word) {
        h ^= table.Upper(c);
        h *= 0x100000001b3ULL;
    }
    return MixBits(h);
}

// The first entry of every word of one bucket, found by the upper-cased word without a linear
// search. Open addressing with 32-bit slots: the entry's position plus one (zero marks a free
// slot) and a few hash bits that spare most comparisons of words that only share a slot.
class WordSlots {
  public:
    static constexpr uint32_t kPositionBits = 27;
    static constexpr uint32_t kPositionMask = (uint32_t{1} << kPositionBits) - 1;

    std::optional<uint32_t> Find(const std::vector<IndexEntry>& entries, TextView word,
                                 uint64_t hash) const {
        if (slots_.empty()) {
            return std::nullopt;
        }
        const size_t mask = slots_.size() - 1;
        const uint32_t tag = TagOf(hash);
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const uint32_t slot = slots_[i];
            if (slot == 0) {
                return std::nullopt;
            }
            if ((slot & ~kPositionMask) != tag) {
                continue;
            }
            const uint32_t position = (slot & kPositionMask) - 1;
            if (EqualsIgnoringCase(entries[position].word, word)) {
                return position;
            }
        }
    }

    // Hints for the processor's caches, which change nothing: the slot where the search for
    // `hash` starts, and the entry that slot names when it seems to be the word's.
    void PrefetchStart(uint64_t hash) const {
        if (!slots_.empty()) {
            __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
        }
    }
    std::optional<uint32_t> LikelyPosition(uint64_t hash) const {
        if (slots_.empty()) {
            return std::nullopt;
        }
        const uint32_t slot = slots_[hash & (slots_.size() - 1)];
        if (slot == 0 || (slot & ~kPositionMask) != TagOf(hash)) {
            return std::nullopt;
        }
        return (slot & kPositionMask) - 1;
    }

    // Records the entry at `position` as the first of its word; the caller has made sure that
    // the word has none yet.
    void Insert(const std::vector<IndexEntry>& entries, size_t position, uint64_t hash) {
        if (position + 1 > kPositionMask) {
            throw std::length_error("too many index entries in one bucket");
        }
        if ((count_ + 1) * 8 > slots_.size() * 5) {
            Grow(entries);
        }
        Place(hash, static_cast<uint32_t>(position));
        ++count_;
    }

    void Clear() {
        std::vector<uint32_t>().swap(slots_);
        count_ = 0;
    }

  private:
    static uint32_t TagOf(uint64_t hash) {
        return static_cast<uint32_t>(hash >> (64 - (32 - kPositionBits))) << kPositionBits;
    }

    void Place(uint64_t hash, uint32_t position) {
        const size_t mask = slots_.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            if (slots_[i] == 0) {
                slots_[i] = TagOf(hash) | (position + 1);
                return;
            }
        }
    }

    void Grow(const std::vector<IndexEntry>& entries) {
        const std::vector<uint32_t> old = std::move(slots_);
        slots_.assign(std::max<size_t>(16, old.size() * 2), 0);
        for (const uint32_t slot : old) {
            if (slot != 0) {
                const uint32_t position = (slot & kPositionMask) - 1;
                Place(HashIgnoringCase(entries[position].word), position);
            }
        }
    }

    std::vector<uint32_t> slots_;
    size_t count_ = 0;
};

// A set of 64-bit keys (never zero) with open addressing.
class KeySet {
  public:
    bool Contains(uint64_t key) const {
        if (slots_.empty()) {
            return false;
        }
        const uint64_t mask = slots_.size() - 1;
        for (uint64_t i = MixBits(key) & mask;; i = (i + 1) & mask) {
            if (slots_[i] == key) {
                return true;
            }
            if (slots_[i] == 0) {
                return false;
            }
        }
    }

    void Insert(uint64_t key) {
        if ((count_ + 1) * 8 > slots_.size() * 5) {
            Grow();
        }
        if (Place(key)) {
            ++count_;
        }
    }

    void Clear() {
        std::vector<uint64_t>().swap(slots_);
        count_ = 0;
    }

  private:
    bool Place(uint64_t key) {
        const uint64_t mask = slots_.size() - 1;
        for (uint64_t i = MixBits(key) & mask;; i = (i + 1) & mask) {
            if (slots_[i] == key) {
                return false;
            }
            if (slots_[i] == 0) {
                slots_[i] = key;
                return true;
            }
        }
    }

    void Grow() {
        const std::vector<uint64_t> old = std::move(slots_);
        slots_.assign(std::max<size_t>(64, old.size() * 2), 0);
        for (const uint64_t key : old) {
            if (key != 0) {
                Place(key);
            }
        }
    }

    std::vector<uint64_t> slots_;
    size_t count_ = 0;
};

struct TextViewHash {
    using is_transparent = void;
    size_t operator()(TextView text) const { return std::hash<TextView>{}(text); }
};

int BucketOfUnit(char16_t c) {
    if (c >= u'A' && c <= u'Z') {
        return c - u'A';
    }
    if (c >= u'a' && c <= u'z') {
        return c - u'a';
    }
    switch (c) {
        case u'\u00C4':  // Ä
        case u'\u00E4':  // ä
            return 0;
        case u'\u00D6':  // Ö
        case u'\u00F6':  // ö
            return u'O' - u'A';
        case u'\u00DC':  // Ü
        case u'\u00FC':  // ü
            return u'U' - u'A';
        default:
            return IndexStore::kOtherBucket;
    }
}

// True when the last piece of a reference list (the text after its last "|") is `reference`.
bool LastPieceIs(TextView references, TextView reference) {
    if (references.size() < reference.size()) {
        return false;
    }
    const size_t start = references.size() - reference.size();
    return references.substr(start) == reference &&
           (start == 0 || references[start - 1] == kReferenceJoin);
}

// Runs work(b) for every bucket b on all cores; buckets are independent of each other.
void ForEachBucket(const std::function<void(int)>& work) {
    std::atomic<int> next{0};
    const auto takeBuckets = [&next, &work] {
        for (int b = next++; b < IndexStore::kBucketCount; b = next++) {
            work(b);
        }
    };
    std::vector<std::jthread> helpers;
    const unsigned threads = std::min<unsigned>(AllCores(), IndexStore::kBucketCount);
    for (unsigned t = 1; t < threads; ++t) {
        helpers.emplace_back(takeBuckets);
    }
    takeBuckets();
}

void ShrinkToFit(Text& text) {
    if (text.capacity() > text.size() + text.size() / 8) {
        text.shrink_to_fit();
    }
}

}  // namespace

// The hash structures beside the ordered buckets: the first entry of each word, and what is
// needed to decide in constant time whether an entry already holds a reference.
//
// Duplicates are judged as the reference list split at "|" shows them: a reference is already
// held when one of those pieces equals it. A page hands all its words over with one reference,
// so calls come in runs with the same reference. When a run's reference has never been a piece
// of any entry before the run, an entry holds it exactly when it received it during the run, and
// then it is the entry's last piece; no further bookkeeping is needed. Only when a reference
// comes back (repeated page labels, a loaded index) is a set of (entry, piece) pairs built, once,
// and kept up to date from then on.
struct IndexStore::Lookup {
    std::array<WordSlots, kBucketCount> words;
    bool wordsValid = true;

    struct Piece {
        uint32_t id = 0;
        bool held = false;  // has been a piece of some entry's references
    };
    std::unordered_map<Text, Piece, TextViewHash, std::equal_to<>> pieces;
    // False once finishing has rewritten references: every piece then counts as held.
    bool heldKnown = true;
    KeySet entryPieces;
    bool entryPiecesValid = false;

    // The current run of calls with one reference.
    bool runKnown = false;
    Text runKey;
    Text runTag;
    Text runReference;
    uint32_t runPieceId = 0;
    bool runSinglePiece = true;
    bool runFresh = false;

    Piece& PieceOf(TextView text) {
        const auto found = pieces.find(text);
        if (found != pieces.end()) {
            return found->second;
        }
        const auto id = static_cast<uint32_t>(pieces.size());
        return pieces.emplace(Text(text), Piece{id, false}).first->second;
    }

    // Marks every piece of `references` as held, and records the pairs when they are kept.
    void NotePieces(int bucket, size_t position, TextView references) {
        for (const TextView text : SplitViewsAt(references, kReferenceJoinText)) {
            Piece& piece = PieceOf(text);
            piece.held = true;
            if (entryPiecesValid) {
                entryPieces.Insert(PairKey(bucket, position, piece.id));
            }
        }
    }

    static uint64_t PairKey(int bucket, size_t position, uint32_t pieceId) {
        if (position >= (size_t{1} << 27)) {
            throw std::length_error("too many index entries in one bucket");
        }
        const uint64_t entry = (uint64_t(bucket) << 27 | position) + 1;
        return entry << 32 | pieceId;
    }

    void StartRun(TextView key, TextView tag) {
        runKey.assign(key);
        runTag.assign(tag);
        runReference.assign(key);
        runReference.push_back(u'>');
        runReference.append(tag);
        // A reference with "|" inside spans several pieces and therefore never equals one.
        runSinglePiece = runReference.find(kReferenceJoin) == Text::npos;
        if (runSinglePiece) {
            Piece& piece = PieceOf(runReference);
            runPieceId = piece.id;
            runFresh = heldKnown && !piece.held;
            piece.held = true;
        } else {
            for (const TextView text : SplitViewsAt(runReference, kReferenceJoinText)) {
                PieceOf(text).held = true;
            }
            runFresh = false;
        }
        runKnown = true;
    }

    void ForgetEverything() {
        for (WordSlots& slots : words) {
            slots.Clear();
        }
        wordsValid = false;
        entryPieces.Clear();
        entryPiecesValid = false;
        runKnown = false;
    }
};

IndexStore::IndexStore() = default;
IndexStore::~IndexStore() = default;
IndexStore::IndexStore(IndexStore&& other) noexcept
    : buckets_(std::move(other.buckets_)), lookup_(std::move(other.lookup_)) {
    for (auto& bucket : other.buckets_) {
        bucket.clear();
    }
}
IndexStore& IndexStore::operator=(IndexStore&& other) noexcept {
    if (this != &other) {
        buckets_ = std::move(other.buckets_);
        lookup_ = std::move(other.lookup_);
        for (auto& bucket : other.buckets_) {
            bucket.clear();
        }
    }
    return *this;
}

IndexStore::Lookup& IndexStore::TheLookup() {
    if (!lookup_) {
        // Made on first use; what the buckets may already hold is then looked at afresh.
        lookup_ = std::make_unique<Lookup>();
        lookup_->wordsValid = false;
        lookup_->heldKnown = EntryCount() == 0;
    }
    return *lookup_;
}

int IndexStore::BucketOf(TextView word) {
    return word.empty() ? kOtherBucket : BucketOfUnit(word[0]);
}

void IndexStore::Clear() {
    for (auto& bucket : buckets_) {
        std::vector<IndexEntry>().swap(bucket);
    }
    lookup_.reset();
}

IndexStore::Lookup& IndexStore::EnsureWordLookup() {
    Lookup& lookup = TheLookup();
    if (lookup.wordsValid) {
        return lookup;
    }
    for (int b = 0; b < kBucketCount; ++b) {
        const std::vector<IndexEntry>& bucket = buckets_[b];
        WordSlots& slots = lookup.words[b];
        slots.Clear();
        for (size_t i = 0; i < bucket.size(); ++i) {
            const uint64_t hash = HashIgnoringCase(bucket[i].word);
            // Only the first entry of a word is ever found.
            if (!slots.Find(bucket, bucket[i].word, hash)) {
                slots.Insert(bucket, i, hash);
            }
        }
    }
    lookup.wordsValid = true;
    return lookup;
}

void IndexStore::EnsurePieceLookup() {
    Lookup& lookup = TheLookup();
    if (lookup.entryPiecesValid) {
        return;
    }
    lookup.entryPieces.Clear();
    lookup.entryPiecesValid = true;
    for (int b = 0; b < kBucketCount; ++b) {
        for (size_t i = 0; i < buckets_[b].size(); ++i) {
            lookup.NotePieces(b, i, buckets_[b][i].references);
        }
    }
}

void IndexStore::PrefetchWord(TextView word, uint64_t wordHash, PrefetchStage stage) const {
    if (!lookup_ || !lookup_->wordsValid) {
        return;
    }
    const int b = BucketOf(word);
    const WordSlots& slots = lookup_->words[b];
    if (stage == PrefetchStage::Slot) {
        slots.PrefetchStart(wordHash);
        return;
    }
    const std::optional<uint32_t> position = slots.LikelyPosition(wordHash);
    const std::vector<IndexEntry>& bucket = buckets_[b];
    if (!position || *position >= bucket.size()) {
        return;
    }
    const IndexEntry& entry = bucket[*position];
    if (stage == PrefetchStage::Entry) {
        __builtin_prefetch(&entry);
        return;
    }
    __builtin_prefetch(entry.word.data());
    if (!entry.references.empty()) {
        __builtin_prefetch(entry.references.data() + entry.references.size() - 1);
    }
}

uint64_t IndexStore::WordHash(TextView word) {
    return HashIgnoringCase(word);
}

void IndexStore::AddReference(TextView word, TextView key, TextView tag, bool removeDuplicates) {
    AddReference(word, HashIgnoringCase(word), key, tag, removeDuplicates);
}

void IndexStore::AddReference(TextView word, uint64_t hash, TextView key, TextView tag,
                              bool removeDuplicates) {
    Lookup& lookup = EnsureWordLookup();
    if (!lookup.runKnown || lookup.runKey != key || lookup.runTag != tag) {
        lookup.StartRun(key, tag);
    }
    const Text& reference = lookup.runReference;

    const int b = BucketOf(word);
    std::vector<IndexEntry>& bucket = buckets_[b];
    const std::optional<uint32_t> found = lookup.words[b].Find(bucket, word, hash);

    if (!found) {
        bucket.push_back(IndexEntry{Text(word), reference});
        lookup.words[b].Insert(bucket, bucket.size() - 1, hash);
        if (lookup.entryPiecesValid) {
            lookup.NotePieces(b, bucket.size() - 1, reference);
        }
        return;
    }

    const size_t position = *found;
    Text& references = bucket[position].references;
    if (removeDuplicates && lookup.runSinglePiece) {
        if (lookup.runFresh) {
            if (LastPieceIs(references, reference)) {
                return;
            }
        } else {
            EnsurePieceLookup();
            if (lookup.entryPieces.Contains(Lookup::PairKey(b, position, lookup.runPieceId))) {
                return;
            }
        }
    }
    references.push_back(kReferenceJoin);
    references.append(reference);
    if (lookup.entryPiecesValid) {
        if (lookup.runSinglePiece) {
            lookup.entryPieces.Insert(Lookup::PairKey(b, position, lookup.runPieceId));
        } else {
            lookup.NotePieces(b, position, reference);
        }
    }
}

void IndexStore::AppendEntry(int bucket, IndexEntry entry) {
    std::vector<IndexEntry>& entries = buckets_[bucket];
    entries.push_back(std::move(entry));
    Lookup& lookup = TheLookup();
    const size_t position = entries.size() - 1;
    const IndexEntry& added = entries.back();
    if (lookup.wordsValid) {
        const uint64_t hash = HashIgnoringCase(added.word);
        if (!lookup.words[bucket].Find(entries, added.word, hash)) {
            lookup.words[bucket].Insert(entries, position, hash);
        }
    }
    lookup.NotePieces(bucket, position, added.references);
}

void IndexStore::FinishEntries() {
    // Finishing rewrites words and references: the lookup tables are dropped (and rebuilt only
    // if more words arrive), and the strings give back the room that growing left them.
    Lookup& lookup = TheLookup();
    lookup.ForgetEverything();
    lookup.heldKnown = false;
    ForEachBucket([this](int b) {
        for (IndexEntry& entry : buckets_[b]) {
            ShrinkToFit(entry.word);
            ShrinkToFit(entry.references);
        }
        buckets_[b].shrink_to_fit();
    });
}

namespace {

// The entries that the combined words of one bucket expand into, by the bucket they go to.
using Expansions = std::array<std::vector<IndexEntry>, IndexStore::kBucketCount>;

void ExpandBucket(std::vector<IndexEntry>& bucket, Expansions& expansions,
                  size_t shortestHeadingPart) {
    for (IndexEntry& entry : bucket) {
        // The room that growing left is given back before the expansions take more.
        ShrinkToFit(entry.references);
        std::replace(entry.references.begin(), entry.references.end(), kJoin, u' ');
        if (entry.word.find(kJoin) == Text::npos) {
            continue;
        }
        const Text parts = entry.word;
        std::replace(entry.word.begin(), entry.word.end(), kJoin, u' ');
        for (const TextView part : SplitViewsAt(parts, TextView(&kJoin, 1))) {
            if (part.empty() || part.size() < shortestHeadingPart) {
                continue;
            }
            Text word;
            word.reserve(part.size() + 2 + entry.word.size());
            word.append(part);
            word.append(u"; ");
            word.append(entry.word);
            const int target = IndexStore::BucketOf(word);
            expansions[target].push_back(IndexEntry{std::move(word), entry.references});
        }
    }
}

}  // namespace

void IndexStore::ExpandCombinedWords(size_t shortestHeadingPart) {
    // Every bucket is expanded on its own; the new entries are then appended bucket after
    // bucket, in the order one pass over the buckets would have appended them (their words and
    // references hold no join mark, so there is nothing to expand in them).
    std::vector<Expansions> expansions(kBucketCount);
    ForEachBucket([&](int b) { ExpandBucket(buckets_[b], expansions[b], shortestHeadingPart); });
    for (int target = 0; target < kBucketCount; ++target) {
        size_t added = 0;
        for (const Expansions& from : expansions) {
            added += from[target].size();
        }
        std::vector<IndexEntry>& bucket = buckets_[target];
        bucket.reserve(bucket.size() + added);
        for (Expansions& from : expansions) {
            std::move(from[target].begin(), from[target].end(), std::back_inserter(bucket));
            std::vector<IndexEntry>().swap(from[target]);
        }
    }
    FinishEntries();
}

void IndexStore::JoinCombinedWords() {
    for (auto& bucket : buckets_) {
        for (IndexEntry& entry : bucket) {
            std::replace(entry.word.begin(), entry.word.end(), kJoin, u' ');
            std::replace(entry.references.begin(), entry.references.end(), kJoin, u' ');
        }
    }
    FinishEntries();
}

void IndexStore::ReplaceCharacter(char16_t from, char16_t to) {
    for (auto& bucket : buckets_) {
        for (IndexEntry& entry : bucket) {
            std::replace(entry.word.begin(), entry.word.end(), from, to);
            std::replace(entry.references.begin(), entry.references.end(), from, to);
        }
    }
    FinishEntries();
}

namespace {

// The text an entry is sorted by: its word, `wordEnd` (one character) and its references, as
// pieces. Entries keep their own word and references, so a word that contains ":" is not cut at
// it.
std::array<TextView, 3> SortPiecesOf(const IndexEntry& entry, const char16_t* wordEnd) {
    return {TextView(entry.word), TextView(wordEnd, 1), TextView(entry.references)};
}

int CompareEntries(const IndexEntry& a, const IndexEntry& b, const LocaleCollator& collator,
                   char16_t wordEnd, Text& joinedA, Text& joinedB) {
    const auto join = [wordEnd](const IndexEntry& entry, Text& joined) {
        joined.clear();
        joined.reserve(entry.word.size() + 1 + entry.references.size());
        joined.append(entry.word);
        joined.push_back(wordEnd);
        joined.append(entry.references);
    };
    join(a, joinedA);
    join(b, joinedB);
    return collator.Compare(joinedA, joinedB);
}

// Sorts one bucket by the key word, `wordEnd` and references; equal keys keep their order.
// Entries are ordered by a short prefix of their collation keys, and only entries whose prefixes
// are equal are compared in full.
void SortBucket(std::vector<IndexEntry>& bucket, const LocaleCollator& collator,
                const char16_t& wordEnd) {
    if (bucket.size() < 2) {
        return;
    }
    struct Item {
        SortKeyPrefix prefix;
        uint32_t index;
    };
    std::vector<Item> items;
    items.reserve(bucket.size());
    for (size_t i = 0; i < bucket.size(); ++i) {
        items.push_back({collator.SortKeyPrefixOf(SortPiecesOf(bucket[i], &wordEnd)),
                         static_cast<uint32_t>(i)});
    }
    Text joinedA;
    Text joinedB;
    std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
        if (a.prefix != b.prefix) {
            return a.prefix < b.prefix;
        }
        const int order =
            CompareEntries(bucket[a.index], bucket[b.index], collator, wordEnd, joinedA, joinedB);
        return order != 0 ? order < 0 : a.index < b.index;
    });
    std::vector<IndexEntry> sorted;
    sorted.reserve(bucket.size());
    for (const Item& item : items) {
        sorted.push_back(std::move(bucket[item.index]));
    }
    bucket.swap(sorted);
}

}  // namespace

void IndexStore::SortStore(const LocaleCollator& collator, bool headingsFirst) {
    Lookup& lookup = TheLookup();
    lookup.ForgetEverything();
    // A tab is the character of the lowest rank in the collation, below the blank and every
    // punctuation mark: a word ended by it precedes every longer word that starts with it.
    const char16_t wordEnd = headingsFirst ? u'\t' : u':';
    // The buckets are sorted independently, so they are sorted on all cores; the collator's
    // comparison is a const operation that ICU allows from several threads.
    ForEachBucket(
        [this, &collator, &wordEnd](int b) { SortBucket(buckets_[b], collator, wordEnd); });
}

namespace {

// An expansion entry's word is a part, "; " and the combined word. The word of a line ends at its
// first ":"; a line without one is not taken anyway.
bool IsExpansionLine(TextView line) {
    const size_t colon = line.find(u':');
    return line.substr(0, colon).find(u"; ") != TextView::npos;
}

}  // namespace

void IndexStore::LoadIndexLines(TextView text, IndexLineRules rules) {
    TheLookup().runKnown = false;
    Text line;
    for (const TextView rawLine : SplitLines(text)) {
        // Expansion entries are made again by ExpandCombinedWords. Only the word tells them: a
        // page label such as "12;" in the references is no sign of one.
        if (rules.skipExpansionLines && IsExpansionLine(rawLine)) {
            continue;
        }
        line.assign(rawLine);
        if (rules.blanksAsJoinMark) {
            std::replace(line.begin(), line.end(), u' ', kJoin);
        }
        if (line.empty() || line.find(u'>') == Text::npos) {
            continue;
        }
        const size_t colon = line.find(u':');
        if (colon == Text::npos) {
            continue;
        }
        Text word = line.substr(0, colon);
        const int bucket = BucketOf(word);
        AppendEntry(bucket, IndexEntry{std::move(word), line.substr(colon + 1)});
    }
}

const std::vector<IndexEntry>& IndexStore::Bucket(int index) const {
    return buckets_.at(index);
}

std::vector<IndexEntry>& IndexStore::EditBucket(int index) {
    Lookup& lookup = TheLookup();
    lookup.ForgetEverything();
    lookup.heldKnown = false;
    return buckets_.at(index);
}

size_t IndexStore::EntryCount() const {
    size_t count = 0;
    for (const auto& bucket : buckets_) {
        count += bucket.size();
    }
    return count;
}

}  // namespace lexorim
