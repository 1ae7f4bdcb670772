#pragma once
// The spelling dictionary of a language (Hunspell) and, for languages without one, the Snowball
// stemmer: which words the language knows and the base forms of an inflected word.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/text_helpers.h"

class Hunspell;
struct sb_stemmer;

namespace lexorim {

// One Hunspell dictionary. Hunspell is not thread-safe: a Dictionary must not be used from several
// threads at once, not even through its const functions; give each thread its own.
class Dictionary {
  public:
    // The installed dictionary of a language code: "de" and "en" take de_DE and en_US, "fr" takes
    // fr_FR, a code with a region ("de_AT", "en-GB") that one. Nothing when none is installed.
    static std::optional<Dictionary> ForLanguage(std::string_view code);

    ~Dictionary();
    Dictionary(Dictionary&&) noexcept;
    Dictionary& operator=(Dictionary&&) noexcept;
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    // True when the word is spelt correctly: the dictionary lists it or an inflected form of it.
    // Capitalised and upper-case spellings of listed words count.
    bool Knows(TextView word) const;

    // The base forms the dictionary gives for the word ("Pakete" gives "paket" and "Paket"), each
    // once, in the dictionary's order; none for a word it does not know.
    std::vector<Text> Stems(TextView word) const;

  private:
    struct Parts;
    explicit Dictionary(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> parts_;
};

// The dictionaries of one run, each loaded once when it is first asked for (loading one takes
// longer than many lookups): the technical terms and the word forms of a book share them. For
// the threads that look up words beside the calling one, spare copies are loaded, if wanted in
// the background ahead of time. All stay until the run's dictionaries go.
class RunDictionaries {
  public:
    RunDictionaries();
    ~RunDictionaries();
    RunDictionaries(const RunDictionaries&) = delete;
    RunDictionaries& operator=(const RunDictionaries&) = delete;

    // The language's dictionary, or null when none is installed. From one thread at a time.
    const Dictionary* For(std::string_view code);

    // Starts loading a spare dictionary of the language on a thread of its own.
    void LoadSpareInBackground(std::string_view code);
    // A spare dictionary of the language for one more thread, each call another: first one
    // loaded in the background, else one loaded now; null when none is installed. Safe to call
    // from several threads at once.
    const Dictionary* Spare(std::string_view code);

  private:
    struct Spares;
    std::map<std::string, std::optional<Dictionary>, std::less<>> loaded_;
    std::unique_ptr<Spares> spares_;
};

// Lets the dictionaries go on a thread of their own (freeing a dictionary takes a while), which
// is joined when the returned thread is.
std::jthread ReleaseInBackground(std::unique_ptr<RunDictionaries> dictionaries);

// The Snowball stemmer of a language: an algorithm that cuts endings, for a language without a
// Hunspell dictionary. Its stems are not always words ("configur"). Not thread-safe either.
class SnowballStemmer {
  public:
    // The stemmer of a language code ("de", "en", "fr", ...); nothing when Snowball has none.
    static std::optional<SnowballStemmer> ForLanguage(std::string_view code);

    ~SnowballStemmer();
    SnowballStemmer(SnowballStemmer&&) noexcept;
    SnowballStemmer& operator=(SnowballStemmer&&) noexcept;
    SnowballStemmer(const SnowballStemmer&) = delete;
    SnowballStemmer& operator=(const SnowballStemmer&) = delete;

    // The stem of the lower-cased word.
    Text Stem(TextView word) const;

  private:
    struct Deleter {
        void operator()(sb_stemmer* stemmer) const;
    };
    explicit SnowballStemmer(std::unique_ptr<sb_stemmer, Deleter> stemmer);
    std::unique_ptr<sb_stemmer, Deleter> stemmer_;
};

}  // namespace lexorim
