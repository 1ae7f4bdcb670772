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

    // One occurrence of `word` on the page with the reference key ">" tag.
    void Note(TextView word, TextView key, TextView tag);
    // The page with the reference key ">" tag comes next (Note does this itself).
    void NotePage(TextView key, TextView tag);
    // Adds the spellings another usage noted on other pages, so that the pages of a book can be
    // noted on several threads and added in page order.
    void AbsorbSpellings(const WordUsage& other);

    // The place of a reference ("12>-") in the order of the pages; nothing for one never noted.
    std::optional<uint32_t> RankOf(TextView reference) const;

    // For every word (upper-cased) noted in more than one spelling, the spelling on the most
    // pages; a tie goes to the spelling with fewer capitals, then to the lower code units.
    std::unordered_map<Text, Text> MostUsedSpellings() const;

  private:
    struct TextHash {
        using is_transparent = void;
        size_t operator()(TextView text) const { return std::hash<TextView>{}(text); }
    };
    struct Spelling {
        Text text;
        uint32_t pages = 0;
        uint32_t lastPage = 0;
    };
    // Every word of the book passes here: the spellings are found by a 64-bit hash of their
    // code units in an open table (a slot holds the position in `spellings_` plus one), and
    // two spellings with one hash are so unlikely that they may share a count.
    Spelling& SpellingOf(TextView word);
    void GrowSpellingSlots();

    bool countSpellings_;
    bool rankReferences_;
    bool pageKnown_ = false;
    uint32_t page_ = 0;  // counts from 1, so that no spelling has been seen on page 0
    Text key_;
    Text tag_;
    std::unordered_map<Text, uint32_t, TextHash, std::equal_to<>> ranks_;
    std::vector<Spelling> spellings_;
    std::vector<uint64_t> spellingHashes_;
    std::vector<uint32_t> spellingSlots_;
};

// Gives every entry the spelling of its word that the most pages use ("Beschreibung" rather than
// the "BESCHREIBUNG" of a table head that came first).
void MergeCaseVariants(IndexStore& store, const WordUsage& usage);

// The base forms of a word as a dictionary or a stemmer gives them.
using StemsOfWord = std::function<std::vector<Text>(TextView word)>;

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

}  // namespace lexorim
