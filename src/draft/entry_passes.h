#pragma once
// The passes of a clean first draft over the entries of a book index: what they note while the
// pages are read, and what they change before and after the combined words are finished.

#include <string>
#include <string_view>

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

    // Spellings, then word forms in the book's language ("de", "en", ...).
    void BeforeCombinedWords(IndexStore& store, std::string_view language) const;
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
