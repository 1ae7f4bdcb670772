#include "draft/entry_passes.h"

#include "draft/dictionary.h"
#include "draft/index_order.h"
#include "engine/case_rules.h"

namespace lexorim {

namespace {

// The stems of a word the dictionary does not know (mostly English terms in a German book): an
// "s" plural of a word, also of an abbreviation ("Commits", "FIFOs", not "HTTPS"), is a form of
// the word before it; else the word is a base form of its own.
std::vector<Text> StemsOfUnknownWord(TextView word) {
    if (word.size() >= 5 && word.back() == u's' && word[word.size() - 2] != u's')
        return {Text(word.substr(0, word.size() - 1))};
    return {Text(word)};
}

bool StartsWithCapital(TextView word) {
    return !word.empty() && LowerUnit(word[0]) != word[0];
}

// In a language that capitalises its nouns a capitalised word is a form of its capitalised stems
// only: Hunspell's lower-case ones are of verbs and adjectives ("befehlen" for "Befehle") or of
// parts of compounds ("befehls" for "Befehls"). A capitalised word with none is no noun and is
// not merged ("Back" is not a form of "backen").
std::vector<Text> NounStemsOf(TextView word, std::vector<Text> stems) {
    if (!StartsWithCapital(word))
        return stems;
    std::erase_if(stems, [](const Text& stem) { return !StartsWithCapital(stem); });
    return stems;
}

// The stems of a word by the dictionary. Hunspell gives none for a compound it knows only by
// its parts ("Betriebssysteme"): the stems of its longest last part that has any, behind the
// first part ("Betriebssystem").
std::vector<Text> DictionaryStemsOf(const Dictionary& dictionary, TextView word,
                                    bool nounsCapitalised) {
    const auto stemsOf = [&](TextView w) {
        std::vector<Text> stems = dictionary.Stems(w);
        return nounsCapitalised ? NounStemsOf(w, std::move(stems)) : stems;
    };
    // Most words a book has in several forms are known; of the others, a word the dictionary
    // does not know has no stems either, and asking that first saves a second look.
    if (!dictionary.Knows(word))
        return StemsOfUnknownWord(word);
    if (std::vector<Text> stems = dictionary.Stems(word); !stems.empty())
        return nounsCapitalised ? NounStemsOf(word, std::move(stems)) : stems;
    constexpr size_t kShortestPart = 4;
    for (size_t cut = kShortestPart; cut + kShortestPart <= word.size(); ++cut) {
        const TextView front = word.substr(0, cut);
        Text part(word.substr(cut));
        part[0] = UpperUnit(part[0]);
        std::vector<Text> partStems = stemsOf(part);
        if (partStems.empty())
            continue;
        for (Text& stem : partStems) {
            stem[0] = LowerUnit(stem[0]);
            stem.insert(0, front);
        }
        return partStems;
    }
    return {};
}

// Merges the word forms by the stems of the language's Hunspell dictionary, else of its Snowball
// stemmer, on up to `threads` threads (each further one with a dictionary of its own); without
// either the entries stay as they are.
void MergeWordFormsInLanguage(IndexStore& store, std::string_view language, const WordUsage& usage,
                              bool removeDuplicates, RunDictionaries& dictionaries,
                              unsigned threads) {
    const bool nounsCapitalised = language.starts_with("de");
    if (const Dictionary* dictionary = dictionaries.For(language)) {
        ThreadStemmers stemmers;
        stemmers.own = [dictionary, nounsCapitalised](TextView word) {
            return DictionaryStemsOf(*dictionary, word, nounsCapitalised);
        };
        stemmers.makeAnother = [&dictionaries, code = std::string(language),
                                nounsCapitalised]() -> StemsOfWord {
            const Dictionary* spare = dictionaries.Spare(code);
            if (spare == nullptr)
                return {};
            return [spare, nounsCapitalised](TextView word) {
                return DictionaryStemsOf(*spare, word, nounsCapitalised);
            };
        };
        stemmers.threads = threads;
        MergeWordForms(store, stemmers, usage, removeDuplicates);
    } else if (const std::optional<SnowballStemmer> stemmer =
                   SnowballStemmer::ForLanguage(language)) {
        // A word that is its own stem is a base form: it is given in its own spelling.
        const StemsOfWord stems = [&stemmer](TextView word) {
            Text stem = stemmer->Stem(word);
            return std::vector<Text>{stem == ToLower(word) ? Text(word) : std::move(stem)};
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

void DraftEntryPasses::BeforeCombinedWords(IndexStore& store, std::string_view language,
                                           RunDictionaries& dictionaries, unsigned threads) const {
    if (mergeCaseVariants_)
        MergeCaseVariants(store, usage_, threads);
    if (mergeWordForms_)
        MergeWordFormsInLanguage(store, language, usage_, removeDuplicates_, dictionaries, threads);
}

void DraftEntryPasses::AfterCombinedWords(IndexStore& store) const {
    if (dropRepeatedExpansions_)
        DropRepeatedExpansions(store);
}

}  // namespace lexorim
