#pragma once
// A deterministic generator of German-like text for benchmarks and tests: capitalised nouns and
// names (also runs of two or three capitalised words), lower-case words, numbers, hyphenated
// words, punctuation, umlauts and "ß", and words of the built-in negative list. One page is one
// line. The same seed always gives the same text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

class CorpusGenerator {
  public:
    explicit CorpusGenerator(uint64_t seed);

    // One page as UTF-8 without a line break, about `approxBytes` long (never a line that holds
    // only a number, so it cannot be mistaken for a page designation).
    std::string NextPageUtf8(size_t approxBytes);
    Text NextPage(size_t approxBytes) { return FromUtf8(NextPageUtf8(approxBytes)); }

    // A page of random length between `minBytes` and `maxBytes`.
    std::string NextPageUtf8(size_t minBytes, size_t maxBytes);

    uint64_t NextRandom();
    // A number in [0, bound).
    size_t Below(size_t bound) {
        return bound == 0 ? 0 : static_cast<size_t>(NextRandom() % bound);
    }

  private:
    void AppendSentence(std::string& out);
    void AppendClause(std::string& out);
    void AppendNounPhrase(std::string& out);
    const std::string& FrequentNoun();

    uint64_t state_;
    std::vector<std::string> vocabulary_;  // generated capitalised nouns, most frequent first
};

struct CorpusOptions {
    uint64_t seed = 1;
    size_t targetBytes = 1 << 20;
    // With N > 0, a line holding only the next page number (1, 2, ...) after every N lines.
    int pageNumbersEvery = 0;
    size_t minPageBytes = 1500;
    size_t maxPageBytes = 3500;
};

// The whole corpus as UTF-8, lines ended by LF, at least `targetBytes` long.
std::string GenerateCorpus(const CorpusOptions& options);

// The pages (lines) of a generated corpus as texts, without page-number lines.
std::vector<Text> GenerateCorpusPages(uint64_t seed, size_t targetBytes);

}  // namespace lexorim
