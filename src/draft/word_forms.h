#pragma once
// Merging the entries of one word: its spellings that differ only in case, and its inflected forms
// ("Paket", "Pakete", "Paketen"), each under the form the book uses most.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/index_store.h"
#include "engine/text_helpers.h"

namespace lexorim {

// What the merging learns while the pages are read: the order of the pages' references, and on
// how many pages each spelling of a word occurs. The store keeps only the first spelling of a
// word and no page order, so both are noted beside it. Calls come in page order, from one thread.
class WordUsage {
  public:
    WordUsage(bool countSpellings, bool rankReferences)
        : countSpellings_(countSpellings), rankReferences_(rankReferences) {}

    bool Noting() const { return countSpellings_ || rankReferences_; }

    // One occurrence of `word` on the page with the reference key ">" tag; `hash` is the word's
    // IndexStore::WordHash, which the caller has mostly at hand.
    void Note(TextView word, TextView key, TextView tag) {
        Note(word, IndexStore::WordHash(word), key, tag);
    }
    void Note(TextView word, uint64_t hash, TextView key, TextView tag);
    // The page with the reference key ">" tag comes next (Note does this itself).
    void NotePage(TextView key, TextView tag);
    // Adds the spellings another usage noted on other pages, so that the pages of a book can be
    // noted on several threads and added in page order.
    void AbsorbSpellings(const WordUsage& other);

    // The place of a reference ("12>-") in the order of the pages; nothing for one never noted.
    std::optional<uint32_t> RankOf(TextView reference) const;

    // For a word noted in more than one spelling, the spelling on the most pages (a tie goes to
    // the spelling with fewer capitals, then to the lower code units); else null. Safe to call
    // from several threads at once.
    const Text* MostUsedSpellingOf(TextView word) const;

  private:
    struct TextHash {
        using is_transparent = void;
        size_t operator()(TextView text) const { return std::hash<TextView>{}(text); }
    };
    // The spellings of one word (equal ignoring case) form a list: most words have one.
    struct Spelling {
        Text text;
        uint64_t hash = 0;  // IndexStore::WordHash, the same for every spelling of the word
        uint32_t pages = 0;
        uint32_t lastPage = 0;
        uint32_t next = 0;  // the word's next spelling in `spellings_` plus one; 0 ends the list
    };
    // Every word of the book passes here: the words are found by their hash in an open table.
    // A slot holds the position of the word's first spelling in `spellings_` plus one in its low
    // half and the hash's high half above, so that a probe rarely looks at a spelling in vain.
    Spelling& SpellingOf(TextView word, uint64_t hash);
    // The first spelling of the word, or null.
    const Spelling* FirstSpellingOf(TextView word, uint64_t hash) const;
    void GrowSpellingSlots();

    bool countSpellings_;
    bool rankReferences_;
    bool pageKnown_ = false;
    uint32_t page_ = 0;  // counts from 1, so that no spelling has been seen on page 0
    Text key_;
    Text tag_;
    std::unordered_map<Text, uint32_t, TextHash, std::equal_to<>> ranks_;
    std::vector<Spelling> spellings_;
    std::vector<uint64_t> spellingSlots_;
    size_t words_ = 0;  // the lists in `spellings_`
};

// Gives every entry the spelling of its word that the most pages use ("Beschreibung" rather than
// the "BESCHREIBUNG" of a table head that came first).
// The entries are looked at on up to `threads` threads.
void MergeCaseVariants(IndexStore& store, const WordUsage& usage, unsigned threads = 1);

// The base forms of a word as a dictionary or a stemmer gives them.
using StemsOfWord = std::function<std::vector<Text>(TextView word)>;

// Stems looked up on several threads: a dictionary must not be shared between threads, so the
// calling thread uses `own` and each further thread (up to `threads` in all) the one that
// `makeAnother` makes for it, on that thread; an empty one lets the thread do nothing.
struct ThreadStemmers {
    StemsOfWord own;
    std::function<StemsOfWord()> makeAnother;
    unsigned threads = 1;
};

// Words shorter than this are never merged: abbreviations and short words ("Arm", "Tab", "IP",
// "Bus") are where a dictionary's endings make unrelated words look like forms of each other.
inline constexpr size_t kShortestMergedForm = 4;

// Merges the single-word entries that are forms of one word under the form with the most
// locators, uniting their locators in page order (duplicates removed when `removeDuplicates`).
// Forms merge when they share a stem that is unambiguous or itself a word of the index, and the
// shorter is the longer's beginning but for its last letter at most, the longer adding at most
// three ("Paket", "Pakets", "Paketes"; umlauts count as their base letter, so "Haus" and
// "Häuser" merge too; "Beschreibung" and "Beschreiben" do not, though Hunspell stems both alike).
// A word the dictionary lists as a base form of its own ("Windows") is never merged into another.
void MergeWordForms(IndexStore& store, const StemsOfWord& stemsOf, const WordUsage& usage,
                    bool removeDuplicates);
// The same with the stems looked up on several threads; the result does not depend on their
// number.
void MergeWordForms(IndexStore& store, const ThreadStemmers& stemmers, const WordUsage& usage,
                    bool removeDuplicates);

}  // namespace lexorim
