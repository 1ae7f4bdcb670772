#pragma once
// The technical terms of a book: lower-case words such as "dpkg" or "sudo" that recur over the
// pages and that the language's dictionary does not know. They stay in the index when lower-case
// words are otherwise left out.

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "draft/dictionary.h"
#include "engine/text_helpers.h"
#include "engine/word_criteria.h"

namespace lexorim {

// Answers whether a dictionary knows a word as written.
using KnownWordCheck = std::function<bool(TextView)>;

// A lower-case word is a term from this many pages on. On two pages a typing error or a word
// that merely runs over a page break would count; on three the word is a subject of the book.
inline constexpr int32_t kTechnicalTermMinimumPages = 3;

struct TextViewHashing {
    using is_transparent = void;
    size_t operator()(TextView text) const { return std::hash<TextView>{}(text); }
};
using TermSet = std::unordered_set<Text, TextViewHashing, std::equal_to<>>;

// Counts on how many pages each lower-case word stands, cut into words as the word pipeline
// cuts a page (separators, blanks, hyphens and, with numbers left out, digits). The pieces of
// paths, addresses and file names ("/usr/bin", "www.debian.org", ".bashrc") do not count: they
// would make "usr", "www" and "bashrc" terms of every technical book.
class TechnicalTermCounter {
  public:
    explicit TechnicalTermCounter(const WordCriteria& criteria);

    // Counts the lower-case words of the next page, each once.
    void AddPage(TextView page);
    // Adds the counts of a counter that read other pages, so that pages can be counted on
    // several threads.
    void Absorb(const TechnicalTermCounter& other);

    // The words of at least `minimumPages` pages that `isKnown` does not know.
    TermSet Terms(const KnownWordCheck& isKnown,
                  int32_t minimumPages = kTechnicalTermMinimumPages) const;

  private:
    // Every word of the book passes here, so the words are found by their hash in an open table
    // (a slot holds the position in `words_` plus one) and their characters share one buffer.
    struct Word {
        uint64_t hash = 0;
        size_t start = 0;  // in `characters_`
        size_t length = 0;
        uint32_t lastPage = 0;
        int32_t pages = 0;
    };
    void CountWord(TextView word);
    Word& WordOf(TextView word, uint64_t hash);
    TextView TextOf(const Word& word) const {
        return TextView(characters_).substr(word.start, word.length);
    }
    void GrowSlots();

    bool digitsSeparate_;
    size_t minimumLength_;
    uint32_t page_ = 0;
    std::vector<Word> words_;
    std::vector<uint32_t> slots_;
    Text characters_;
    std::vector<TextView> tokenWords_;  // the words of the token being read
};

// What the terms of a book in this language are told from: the words its dictionary knows, those
// the English dictionary knows (books in any language quote English commands and messages),
// and the stop words; the dictionaries are those of the run, which must outlive the check.
// Empty when the language has no dictionary, and then no word counts as a technical term.
KnownWordCheck KnownWordsForTerms(std::string_view languageCode, RunDictionaries& dictionaries);
// The same with dictionaries of its own.
KnownWordCheck KnownWordsForTerms(std::string_view languageCode);

// Whether the word is one of the terms; for the pipeline's keep-lower-case check.
std::function<bool(TextView)> TermCheck(TermSet terms);

}  // namespace lexorim
