#include "draft/entry_passes.h"

#include "draft/dictionary.h"
#include "draft/index_order.h"

namespace lexorim {

namespace {

// Merges the word forms by the stems of the language's Hunspell dictionary, else of its Snowball
// stemmer; without either the entries stay as they are.
void MergeWordFormsInLanguage(IndexStore& store, std::string_view language, const WordUsage& usage,
                              bool removeDuplicates) {
    if (const std::optional<Dictionary> dictionary = Dictionary::ForLanguage(language)) {
        const StemsOfWord stems = [&dictionary](TextView word) { return dictionary->Stems(word); };
        MergeWordForms(store, stems, usage, removeDuplicates);
    } else if (const std::optional<SnowballStemmer> stemmer =
                   SnowballStemmer::ForLanguage(language)) {
        const StemsOfWord stems = [&stemmer](TextView word) {
            return std::vector<Text>{stemmer->Stem(word)};
        };
        MergeWordForms(store, stems, usage, removeDuplicates);
    }
}

}  // namespace

DraftEntryPasses::DraftEntryPasses(const DraftOptions& options, bool removeDuplicates)
    : mergeWordForms_(options.mergeWordForms),
      mergeCaseVariants_(options.mergeCaseVariants),
      dropRepeatedExpansions_(options.dropRepeatedExpansions),
      removeDuplicates_(removeDuplicates),
      usage_(options.mergeCaseVariants, options.mergeWordForms) {}

void DraftEntryPasses::BeforeCombinedWords(IndexStore& store, std::string_view language) const {
    if (mergeCaseVariants_)
        MergeCaseVariants(store, usage_);
    if (mergeWordForms_)
        MergeWordFormsInLanguage(store, language, usage_, removeDuplicates_);
}

void DraftEntryPasses::AfterCombinedWords(IndexStore& store) const {
    if (dropRepeatedExpansions_)
        DropRepeatedExpansions(store);
}

std::string DraftLanguageStandIn(const DraftOptions& options) {
    return options.language == "auto" ? std::string("en") : options.language;
}

}  // namespace lexorim
