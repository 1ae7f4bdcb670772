#pragma once
// The passes of a clean first draft over the entries of a book index: what they note while the
// pages are read, and what they change before and after the combined words are finished.

#include <optional>
#include <string>
#include <string_view>

#include "draft/dictionary.h"
#include "draft/draft_options.h"
#include "draft/word_forms.h"
#include "engine/index_store.h"

namespace lexorim {

class DraftEntryPasses {
  public:
    DraftEntryPasses(const DraftOptions& options, bool removeDuplicates);

    // Every word as it goes into the store, in page order.
    void NoteWord(TextView word, TextView key, TextView tag) {
        if (usage_.Noting())
            usage_.Note(word, key, tag);
    }

    // Whether NoteWord wants to see every word, repeats on a page included.
    bool NotesWords() const { return usage_.Noting(); }

    // The same in parts, for pages read on other threads: the spellings of a run of pages are
    // noted in a usage of its own (SpellingUsage, empty when no spelling is counted), and in page
    // order each page that gave words is noted (NotePage) and each run's spellings are added.
    std::optional<WordUsage> SpellingUsage() const {
        if (!mergeCaseVariants_)
            return std::nullopt;
        return WordUsage(true, false);
    }
    void NotePage(TextView key, TextView tag) {
        if (usage_.Noting())
            usage_.NotePage(key, tag);
    }
    void AbsorbSpellings(const WordUsage& spellings) { usage_.AbsorbSpellings(spellings); }

    // Spellings, then word forms in the book's language ("de", "en", ...), their stems looked up
    // on up to `threads` threads.
    void BeforeCombinedWords(IndexStore& store, std::string_view language,
                             RunDictionaries& dictionaries, unsigned threads) const;
    // The repeated expansions.
    void AfterCombinedWords(IndexStore& store) const;

  private:
    bool mergeWordForms_;
    bool mergeCaseVariants_;
    bool dropRepeatedExpansions_;
    bool removeDuplicates_;
    WordUsage usage_;
};

}  // namespace lexorim
