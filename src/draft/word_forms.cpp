#include "draft/word_forms.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <numeric>
#include <thread>

#include "engine/case_rules.h"

namespace lexorim {

namespace {

constexpr char16_t kReferenceJoin = u'|';
constexpr TextView kReferenceJoinText = u"|";

size_t CapitalsIn(TextView word) {
    return static_cast<size_t>(
        std::count_if(word.begin(), word.end(), [](char16_t c) { return LowerUnit(c) != c; }));
}

// Whether `a` is the better spelling of a word: on more pages, then fewer capitals, then the
// lower code units, so that the choice never depends on the order of a hash table.
bool IsBetterSpelling(TextView a, uint32_t aPages, TextView b, uint32_t bPages) {
    if (aPages != bPages)
        return aPages > bPages;
    const size_t aCapitals = CapitalsIn(a);
    const size_t bCapitals = CapitalsIn(b);
    if (aCapitals != bCapitals)
        return aCapitals < bCapitals;
    return a < b;
}

}  // namespace

void WordUsage::Note(TextView word, uint64_t hash, TextView key, TextView tag) {
    NotePage(key, tag);
    if (!countSpellings_)
        return;
    Spelling& spelling = SpellingOf(word, hash);
    if (spelling.lastPage != page_) {
        spelling.lastPage = page_;
        ++spelling.pages;
    }
}

void WordUsage::AbsorbSpellings(const WordUsage& other) {
    // The slots of the spellings a few ahead are fetched meanwhile: the table is large.
    constexpr size_t kAhead = 8;
    const std::vector<Spelling>& absorbed = other.spellings_;
    for (size_t k = 0; k < absorbed.size(); ++k) {
        if (k + kAhead < absorbed.size() && !spellingSlots_.empty()) {
            const size_t mask = spellingSlots_.size() - 1;
            __builtin_prefetch(&spellingSlots_[absorbed[k + kAhead].hash & mask]);
        }
        SpellingOf(absorbed[k].text, absorbed[k].hash).pages += absorbed[k].pages;
    }
}

void WordUsage::NotePage(TextView key, TextView tag) {
    if (!pageKnown_ || key != key_ || tag != tag_) {
        key_.assign(key);
        tag_.assign(tag);
        pageKnown_ = true;
        ++page_;
        if (rankReferences_) {
            Text reference = key_;
            reference.push_back(u'>');
            reference.append(tag_);
            const auto rank = static_cast<uint32_t>(ranks_.size());
            ranks_.try_emplace(std::move(reference), rank);
        }
    }
}

namespace {

constexpr uint64_t kHashHalf = 0xFFFFFFFF00000000ULL;

uint64_t SlotOf(uint64_t hash, size_t position) {
    return (hash & kHashHalf) | static_cast<uint64_t>(position + 1);
}

size_t PositionIn(uint64_t slot) {
    return static_cast<size_t>(slot & ~kHashHalf) - 1;
}

bool SlotMayHold(uint64_t slot, uint64_t hash) {
    return ((slot ^ hash) & kHashHalf) == 0;
}

}  // namespace

WordUsage::Spelling& WordUsage::SpellingOf(TextView word, uint64_t hash) {
    if ((words_ + 1) * 2 > spellingSlots_.size())
        GrowSpellingSlots();
    const size_t mask = spellingSlots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const uint64_t slot = spellingSlots_[i];
        if (slot == 0) {
            spellingSlots_[i] = SlotOf(hash, spellings_.size());
            ++words_;
            spellings_.push_back(Spelling{Text(word), hash});
            return spellings_.back();
        }
        if (!SlotMayHold(slot, hash))
            continue;
        Spelling* spelling = &spellings_[PositionIn(slot)];
        if (spelling->text == word)
            return *spelling;
        if (spelling->hash != hash || !EqualsIgnoringCase(spelling->text, word))
            continue;
        // Another spelling of the word: its list, mostly of one or two.
        while (spelling->next != 0) {
            spelling = &spellings_[spelling->next - 1];
            if (spelling->text == word)
                return *spelling;
        }
        spelling->next = static_cast<uint32_t>(spellings_.size() + 1);
        spellings_.push_back(Spelling{Text(word), hash});
        return spellings_.back();
    }
}

const WordUsage::Spelling* WordUsage::FirstSpellingOf(TextView word, uint64_t hash) const {
    if (spellingSlots_.empty())
        return nullptr;
    const size_t mask = spellingSlots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const uint64_t slot = spellingSlots_[i];
        if (slot == 0)
            return nullptr;
        if (!SlotMayHold(slot, hash))
            continue;
        const Spelling& spelling = spellings_[PositionIn(slot)];
        if (spelling.hash == hash && EqualsIgnoringCase(spelling.text, word))
            return &spelling;
    }
}

void WordUsage::GrowSpellingSlots() {
    spellingSlots_.assign(std::max<size_t>(1024, spellingSlots_.size() * 2), 0);
    const size_t mask = spellingSlots_.size() - 1;
    std::vector<bool> listed(spellings_.size(), false);
    for (const Spelling& spelling : spellings_) {
        if (spelling.next != 0)
            listed[spelling.next - 1] = true;
    }
    for (size_t s = 0; s < spellings_.size(); ++s) {
        if (listed[s])
            continue;  // a later spelling of a word: its list is reached from the first
        size_t i = spellings_[s].hash & mask;
        while (spellingSlots_[i] != 0)
            i = (i + 1) & mask;
        spellingSlots_[i] = SlotOf(spellings_[s].hash, s);
    }
}

std::optional<uint32_t> WordUsage::RankOf(TextView reference) const {
    const auto found = ranks_.find(reference);
    if (found == ranks_.end())
        return std::nullopt;
    return found->second;
}

const Text* WordUsage::MostUsedSpellingOf(TextView word) const {
    const Spelling* spelling = FirstSpellingOf(word, IndexStore::WordHash(word));
    if (spelling == nullptr || spelling->next == 0)
        return nullptr;
    const Spelling* best = spelling;
    while (spelling->next != 0) {
        spelling = &spellings_[spelling->next - 1];
        if (IsBetterSpelling(spelling->text, spelling->pages, best->text, best->pages))
            best = spelling;
    }
    return &best->text;
}

namespace {

// The spellings to give: for each bucket, the entries whose word is spelt otherwise elsewhere.
using SpellingChanges = std::vector<std::vector<std::pair<size_t, const Text*>>>;

SpellingChanges FindSpellingChanges(const IndexStore& store, const WordUsage& usage,
                                    unsigned threads) {
    SpellingChanges changes(IndexStore::kBucketCount);
    std::atomic<int> nextBucket{0};
    // Lookups only: the usage and the store are shared by the threads.
    const auto takeBuckets = [&] {
        for (int b = nextBucket++; b < IndexStore::kBucketCount; b = nextBucket++) {
            const std::vector<IndexEntry>& entries = store.Bucket(b);
            for (size_t i = 0; i < entries.size(); ++i) {
                const Text* best = usage.MostUsedSpellingOf(entries[i].word);
                if (best != nullptr && *best != entries[i].word)
                    changes[static_cast<size_t>(b)].emplace_back(i, best);
            }
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (unsigned t = 1; t < threads; ++t)
            helpers.emplace_back(takeBuckets);
        takeBuckets();
    }
    return changes;
}

}  // namespace

void MergeCaseVariants(IndexStore& store, const WordUsage& usage, unsigned threads) {
    const SpellingChanges changes = FindSpellingChanges(store, usage, threads);
    for (int b = 0; b < IndexStore::kBucketCount; ++b) {
        const auto& bucketChanges = changes[static_cast<size_t>(b)];
        if (bucketChanges.empty())
            continue;
        std::vector<IndexEntry>& entries = store.EditBucket(b);
        for (const auto& [index, best] : bucketChanges)
            entries[index].word = *best;
    }
}

namespace {

// A single word of letters only, long enough to be merged.
bool IsMergeableWord(TextView word) {
    size_t letters = 0;
    for (size_t i = 0; i < word.size();) {
        UChar32 c;
        U16_NEXT(word.data(), i, word.size(), c);
        if (!u_isalpha(c))
            return false;
        ++letters;
    }
    return letters >= kShortestMergedForm;
}

size_t LettersIn(TextView word) {
    size_t letters = 0;
    for (size_t i = 0; i < word.size(); ++letters)
        U16_FWD_1(word.data(), i, word.size());
    return letters;
}

// The lower-cased word with its umlauts as their base letters, for comparing forms.
Text PlainForm(TextView lowered) {
    Text plain(lowered);
    for (char16_t& c : plain) {
        switch (c) {
            case u'\u00E4':
                c = u'a';
                break;
            case u'\u00F6':
                c = u'o';
                break;
            case u'\u00FC':
                c = u'u';
                break;
            default:
                break;
        }
    }
    return plain;
}

// Whether two plain forms can be forms of one word by their letters: the shorter is the longer's
// beginning but for its last letter at most, and the longer adds at most three ("paket",
// "pakets", "paketes"; "beschreibung" and "beschreiben" differ too much).
bool AreNeighbourForms(TextView a, TextView b) {
    const TextView shorter = a.size() <= b.size() ? a : b;
    const TextView longer = a.size() <= b.size() ? b : a;
    const size_t common = static_cast<size_t>(
        std::mismatch(shorter.begin(), shorter.end(), longer.begin()).first - shorter.begin());
    return shorter.size() - common <= 1 && longer.size() - common <= 3;
}

struct Form {
    int bucket = 0;
    size_t index = 0;
    Text lowered;
    Text plain;
    size_t locators = 0;
};

size_t LocatorsIn(TextView references) {
    return references.empty() ? 0
                              : 1 + static_cast<size_t>(std::count(
                                        references.begin(), references.end(), kReferenceJoin));
}

std::vector<Form> MergeableForms(const IndexStore& store) {
    std::vector<Form> forms;
    for (int b = 0; b < IndexStore::kBucketCount; ++b) {
        const std::vector<IndexEntry>& entries = store.Bucket(b);
        for (size_t i = 0; i < entries.size(); ++i) {
            const IndexEntry& entry = entries[i];
            if (!IsMergeableWord(entry.word))
                continue;
            Form form{b, i, ToLower(entry.word), {}, LocatorsIn(entry.references)};
            form.plain = PlainForm(form.lowered);
            forms.push_back(std::move(form));
        }
    }
    return forms;
}

// The pairs of forms that are neighbours by their letters. Such forms share the beginning of
// the form that is longer by at most three letters but its last letter, so they are found among
// the sorted forms that start like it.
std::vector<std::pair<size_t, size_t>> NeighbourPairs(const std::vector<Form>& forms) {
    std::vector<size_t> sorted(forms.size());
    std::iota(sorted.begin(), sorted.end(), size_t{0});
    std::sort(sorted.begin(), sorted.end(),
              [&](size_t a, size_t b) { return forms[a].plain < forms[b].plain; });
    std::vector<std::pair<size_t, size_t>> pairs;
    for (const size_t f : sorted) {
        const TextView plain = forms[f].plain;
        const TextView start = plain.substr(0, plain.size() - 1);
        auto it = std::lower_bound(sorted.begin(), sorted.end(), start, [&](size_t g, TextView s) {
            return TextView(forms[g].plain) < s;
        });
        for (; it != sorted.end() && TextView(forms[*it].plain).starts_with(start); ++it) {
            const size_t g = *it;
            // The shorter form (or the first of equally long ones) finds the pair.
            const bool fFinds = plain.size() < forms[g].plain.size() ||
                                (plain.size() == forms[g].plain.size() && f < g);
            if (g != f && fFinds && AreNeighbourForms(plain, forms[g].plain))
                pairs.emplace_back(f, g);
        }
    }
    return pairs;
}

// The one stem under which a form may merge: the form itself when it is one of its stems (the
// dictionary lists it as a base form of its own); else its only stem, or of several the one that
// is itself a form in the index. Nothing when that leaves a choice or the stem is short.
std::optional<Text> MergingStemOf(const Form& form, const StemsOfWord& stemsOf, TextView word,
                                  const std::unordered_map<TextView, size_t>& formOfLowered) {
    std::vector<Text> stems;
    for (const Text& stem : stemsOf(word)) {
        Text lowered = ToLower(stem);
        if (lowered == form.lowered)
            return form.lowered;
        if (std::find(stems.begin(), stems.end(), lowered) == stems.end())
            stems.push_back(std::move(lowered));
    }
    std::optional<Text> chosen;
    if (stems.size() == 1) {
        chosen = stems.front();
    } else {
        for (const Text& stem : stems) {
            if (formOfLowered.contains(stem)) {
                if (chosen)
                    return std::nullopt;
                chosen = stem;
            }
        }
    }
    if (chosen && LettersIn(*chosen) < kShortestMergedForm)
        return std::nullopt;
    return chosen;
}

size_t RootOf(std::vector<size_t>& parent, size_t i) {
    while (parent[i] != i) {
        parent[i] = parent[parent[i]];
        i = parent[i];
    }
    return i;
}

// The heading of merged forms: the most locators, then the shorter form, then the lower code
// units of the spelling.
bool IsBetterHeading(const Form& a, TextView aWord, const Form& b, TextView bWord) {
    if (a.locators != b.locators)
        return a.locators > b.locators;
    if (aWord.size() != bWord.size())
        return aWord.size() < bWord.size();
    return aWord < bWord;
}

// The locators of several entries as one list in the order of the pages. A reference the pages
// never gave (one of an existing index taken in) comes first, as such references do in every
// entry, in the order it is met.
Text UniteReferences(const std::vector<TextView>& lists, const WordUsage& usage,
                     bool removeDuplicates) {
    struct Piece {
        bool fromPages = false;
        uint32_t order = 0;
        TextView text;
    };
    std::vector<Piece> pieces;
    std::unordered_map<TextView, uint32_t> unknownOrder;
    for (const TextView list : lists) {
        for (const TextView text : SplitViewsAt(list, kReferenceJoinText)) {
            if (const std::optional<uint32_t> rank = usage.RankOf(text)) {
                pieces.push_back({true, *rank, text});
            } else {
                const auto order = static_cast<uint32_t>(unknownOrder.size());
                pieces.push_back(
                    {false, unknownOrder.try_emplace(text, order).first->second, text});
            }
        }
    }
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) {
        return a.fromPages != b.fromPages ? !a.fromPages : a.order < b.order;
    });
    Text united;
    const Piece* previous = nullptr;
    for (const Piece& piece : pieces) {
        if (removeDuplicates && previous != nullptr && previous->fromPages == piece.fromPages &&
            previous->order == piece.order) {
            continue;
        }
        if (!united.empty())
            united.push_back(kReferenceJoin);
        united.append(piece.text);
        previous = &piece;
    }
    return united;
}

// The merging stems of the forms at `needed` (the others stay empty), in chunks taken by up to
// stemmers.threads threads. A failure on any thread is thrown here once all have stopped.
std::vector<std::optional<Text>> MergingStemsOf(
    const std::vector<Form>& forms, const std::vector<size_t>& needed,
    const std::function<const Text&(const Form&)>& wordOf,
    const std::unordered_map<TextView, size_t>& formOfLowered, const ThreadStemmers& stemmers) {
    std::vector<std::optional<Text>> stems(forms.size());
    constexpr size_t kChunk = 64;
    const size_t chunks = (needed.size() + kChunk - 1) / kChunk;
    std::atomic<size_t> nextChunk{0};
    std::mutex failureMutex;
    std::exception_ptr failure;
    // Each thread first gets its stemmer; one that gets none leaves the chunks to the others.
    const auto takeChunks = [&](const std::function<StemsOfWord()>& stemmerOfThread) {
        try {
            const StemsOfWord stemsOf = stemmerOfThread();
            if (!stemsOf)
                return;
            for (size_t c = nextChunk++; c < chunks; c = nextChunk++) {
                const size_t end = std::min(needed.size(), (c + 1) * kChunk);
                for (size_t k = c * kChunk; k < end; ++k) {
                    const Form& form = forms[needed[k]];
                    stems[needed[k]] = MergingStemOf(form, stemsOf, wordOf(form), formOfLowered);
                }
            }
        } catch (...) {
            // Carried to the calling thread; the other threads run out of chunks.
            nextChunk = chunks;
            const std::lock_guard lock(failureMutex);
            if (!failure)
                failure = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> helpers;
        const size_t threadCount =
            stemmers.makeAnother ? std::min<size_t>(stemmers.threads, chunks) : 1;
        for (size_t t = 1; t < threadCount; ++t)
            helpers.emplace_back([&] { takeChunks(stemmers.makeAnother); });
        takeChunks([&] { return stemmers.own; });
    }
    if (failure)
        std::rethrow_exception(failure);
    return stems;
}

// The forms that belong to one of the pairs, each once, in order.
std::vector<size_t> FormsInPairs(const std::vector<std::pair<size_t, size_t>>& pairs,
                                 size_t formCount) {
    std::vector<bool> inPair(formCount, false);
    for (const auto& [f, g] : pairs) {
        inPair[f] = true;
        inPair[g] = true;
    }
    std::vector<size_t> forms;
    for (size_t f = 0; f < formCount; ++f) {
        if (inPair[f])
            forms.push_back(f);
    }
    return forms;
}

}  // namespace

void MergeWordForms(IndexStore& store, const StemsOfWord& stemsOf, const WordUsage& usage,
                    bool removeDuplicates) {
    MergeWordForms(store, ThreadStemmers{stemsOf, {}, 1}, usage, removeDuplicates);
}

void MergeWordForms(IndexStore& store, const ThreadStemmers& stemmers, const WordUsage& usage,
                    bool removeDuplicates) {
    const std::vector<Form> forms = MergeableForms(store);
    const auto wordOf = [&store](const Form& form) -> const Text& {
        return store.Bucket(form.bucket)[form.index].word;
    };
    std::unordered_map<TextView, size_t> formOfLowered;
    for (size_t f = 0; f < forms.size(); ++f)
        formOfLowered.try_emplace(forms[f].lowered, f);

    // Only the forms that have a neighbour are looked up in the dictionary, once each.
    const std::vector<std::pair<size_t, size_t>> pairs = NeighbourPairs(forms);
    const std::vector<std::optional<Text>> stems =
        MergingStemsOf(forms, FormsInPairs(pairs, forms.size()), wordOf, formOfLowered, stemmers);
    std::vector<size_t> parent(forms.size());
    std::iota(parent.begin(), parent.end(), size_t{0});
    for (const auto& [f, g] : pairs) {
        const std::optional<Text>& stem = stems[f];
        if (stem && stem == stems[g])
            parent[RootOf(parent, f)] = RootOf(parent, g);
    }

    // The groups are disjoint, so the order they are merged in does not matter.
    std::vector<size_t> groupSize(forms.size(), 0);
    for (size_t f = 0; f < forms.size(); ++f)
        ++groupSize[RootOf(parent, f)];
    std::unordered_map<size_t, std::vector<size_t>> groups;
    for (size_t f = 0; f < forms.size(); ++f) {
        const size_t root = RootOf(parent, f);
        if (groupSize[root] > 1)
            groups[root].push_back(f);
    }
    std::vector<std::vector<bool>> removed(IndexStore::kBucketCount);
    for (const auto& [root, members] : groups) {
        size_t heading = members.front();
        for (const size_t f : members) {
            if (IsBetterHeading(forms[f], wordOf(forms[f]), forms[heading], wordOf(forms[heading])))
                heading = f;
        }
        std::vector<TextView> lists;
        for (const size_t f : members)
            lists.push_back(store.Bucket(forms[f].bucket)[forms[f].index].references);
        Text united = UniteReferences(lists, usage, removeDuplicates);
        store.EditBucket(forms[heading].bucket)[forms[heading].index].references =
            std::move(united);
        for (const size_t f : members) {
            if (f == heading)
                continue;
            std::vector<bool>& marks = removed[forms[f].bucket];
            marks.resize(store.Bucket(forms[f].bucket).size());
            marks[forms[f].index] = true;
        }
    }
    for (int b = 0; b < IndexStore::kBucketCount; ++b) {
        if (removed[b].empty())
            continue;
        std::vector<IndexEntry>& entries = store.EditBucket(b);
        size_t kept = 0;
        for (size_t i = 0; i < entries.size(); ++i) {
            if (!removed[b][i]) {
                if (kept != i)
                    entries[kept] = std::move(entries[i]);
                ++kept;
            }
        }
        entries.resize(kept);
    }
}

}  // namespace lexorim
