#include "draft/technical_terms.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include <unicode/uchar.h>

#include "draft/dictionary.h"
#include "draft/stop_words.h"
#include "engine/flat_text_map.h"
#include "engine/word_char_table.h"

namespace lexorim {

namespace {

bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// What the counter needs to know of a character, looked up once per character of the book.
enum CharClass : uint8_t {
    kBlank = 1,     // ends a token
    kPathMark = 2,  // "/", "\\", "@", "=", "_", "~": the token is a path, an address or a name
    kFullStop = 4,
    kEndsWord = 8,  // a separator, a hyphen or (with numbers left out) a digit
    kLetter = 16,
    kLetterOrDigit = 32,
    kLowerStart = 64,  // a word that starts with it is lower-case
};

using CharClasses = std::array<uint8_t, 0x10000>;

CharClasses MakeCharClasses(bool digitsSeparate) {
    const WordCharTable& table = WordCharTable::Get();
    CharClasses classes{};
    for (uint32_t unit = 0; unit < 0x10000; ++unit) {
        const auto c = static_cast<char16_t>(unit);
        uint8_t f = 0;
        if (c <= u' ')
            f |= kBlank;
        if (c == u'/' || c == u'\\' || c == u'@' || c == u'=' || c == u'_' || c == u'~')
            f |= kPathMark;
        if (c == u'.')
            f |= kFullStop;
        if (table.IsSeparator(c) || c == u'-' || (digitsSeparate && IsAsciiDigit(c)))
            f |= kEndsWord;
        if (u_isalpha(c))
            f |= kLetter;
        if (u_isalnum(c))
            f |= kLetterOrDigit;
        if (!table.IsUpperSame(c))
            f |= kLowerStart;
        classes[unit] = f;
    }
    return classes;
}

const CharClasses& CharClassesFor(bool digitsSeparate) {
    static const auto withDigits = std::make_unique<CharClasses>(MakeCharClasses(false));
    static const auto withoutDigits = std::make_unique<CharClasses>(MakeCharClasses(true));
    return digitsSeparate ? *withoutDigits : *withDigits;
}

Text Lowered(TextView text) {
    Text lowered(text);
    for (char16_t& c : lowered)
        c = static_cast<char16_t>(u_tolower(c));
    return lowered;
}

}  // namespace

TechnicalTermCounter::TechnicalTermCounter(const WordCriteria& criteria)
    : digitsSeparate_(criteria.numbersOut),
      minimumLength_(criteria.minLengthOn ? static_cast<size_t>(std::max(criteria.minLength, 1))
                                          : 1) {}

void TechnicalTermCounter::AddPage(TextView page) {
    ++page_;
    // One pass: the words of a token (the text between blanks) wait in `words` until the token
    // ends, since a path-like character anywhere in it ("/usr/bin", "www.debian.org", ".bashrc")
    // means none of them counts. A full stop makes the token a path when a letter or digit
    // follows inside it, or a letter when the stop opens the token.
    const CharClasses& classes = CharClassesFor(digitsSeparate_);
    std::vector<TextView>& words = tokenWords_;
    words.clear();
    bool pathLike = false;
    size_t tokenStart = 0;
    size_t wordStart = TextView::npos;
    size_t stopAt = TextView::npos;  // a full stop just before this position
    const auto endWord = [&](size_t end) {
        if (wordStart == TextView::npos)
            return;
        if ((classes[page[wordStart]] & kLowerStart) != 0 && end - wordStart >= minimumLength_)
            words.push_back(page.substr(wordStart, end - wordStart));
        wordStart = TextView::npos;
    };
    const auto endToken = [&](size_t next) {
        if (!pathLike) {
            for (const TextView word : words)
                CountWord(word);
        }
        words.clear();
        pathLike = false;
        stopAt = TextView::npos;
        tokenStart = next;
    };
    const size_t n = page.size();
    for (size_t i = 0; i < n; ++i) {
        const uint8_t f = classes[page[i]];
        if ((f & kBlank) != 0) {
            endWord(i);
            endToken(i + 1);
            continue;
        }
        if (stopAt == i) {
            const bool opensToken = i == tokenStart + 1;
            if ((f & (opensToken ? kLetter : kLetterOrDigit)) != 0)
                pathLike = true;
        }
        if ((f & kPathMark) != 0)
            pathLike = true;
        if ((f & kFullStop) != 0)
            stopAt = i + 1;
        if ((f & kEndsWord) != 0)
            endWord(i);
        else if (wordStart == TextView::npos)
            wordStart = i;
    }
    endWord(n);
    endToken(n);
}

void TechnicalTermCounter::CountWord(TextView word) {
    Word& counted = WordOf(word, HashOfUnits(word));
    if (counted.lastPage != page_) {
        counted.lastPage = page_;
        ++counted.pages;
    }
}

TechnicalTermCounter::Word& TechnicalTermCounter::WordOf(TextView word, uint64_t hash) {
    if ((words_.size() + 1) * 2 > slots_.size())
        GrowSlots();
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const uint32_t slot = slots_[i];
        if (slot == 0) {
            slots_[i] = static_cast<uint32_t>(words_.size() + 1);
            words_.push_back({hash, characters_.size(), word.size()});
            characters_.append(word);
            return words_.back();
        }
        Word& held = words_[slot - 1];
        if (held.hash == hash && TextOf(held) == word)
            return held;
    }
}

void TechnicalTermCounter::GrowSlots() {
    slots_.assign(std::max<size_t>(1024, slots_.size() * 2), 0);
    const size_t mask = slots_.size() - 1;
    for (size_t w = 0; w < words_.size(); ++w) {
        size_t i = words_[w].hash & mask;
        while (slots_[i] != 0)
            i = (i + 1) & mask;
        slots_[i] = static_cast<uint32_t>(w + 1);
    }
}

void TechnicalTermCounter::Absorb(const TechnicalTermCounter& other) {
    for (const Word& word : other.words_)
        WordOf(other.TextOf(word), word.hash).pages += word.pages;
}

TermSet TechnicalTermCounter::Terms(const KnownWordCheck& isKnown, int32_t minimumPages) const {
    TermSet terms;
    if (!isKnown)
        return terms;
    for (const Word& word : words_) {
        if (word.pages >= minimumPages && !isKnown(TextOf(word)))
            terms.emplace(TextOf(word));
    }
    return terms;
}

namespace {

// Whether the dictionary knows the word; empty without a dictionary.
KnownWordCheck KnownWordsOf(const Dictionary* dictionary) {
    if (dictionary == nullptr)
        return {};
    return [dictionary](TextView word) { return dictionary->Knows(word); };
}

}  // namespace

KnownWordCheck KnownWordsForTerms(std::string_view languageCode) {
    auto dictionaries = std::make_shared<RunDictionaries>();
    KnownWordCheck known = KnownWordsForTerms(languageCode, *dictionaries);
    if (!known)
        return {};
    return [dictionaries, known = std::move(known)](TextView word) { return known(word); };
}

KnownWordCheck KnownWordsForTerms(std::string_view languageCode, RunDictionaries& dictionaries) {
    KnownWordCheck own = KnownWordsOf(dictionaries.For(languageCode));
    if (!own)
        return {};
    KnownWordCheck english =
        languageCode == "en" ? KnownWordCheck() : KnownWordsOf(dictionaries.For("en"));
    auto stopWords = std::make_shared<TermSet>();
    for (const std::string_view language : {"de", "en"}) {
        for (const Text& word : DraftStopWords(language))
            stopWords->insert(Lowered(word));
    }
    return [own = std::move(own), english = std::move(english), stopWords](TextView word) {
        return own(word) || (english && english(word)) || stopWords->contains(Lowered(word));
    };
}

std::function<bool(TextView)> TermCheck(TermSet terms) {
    if (terms.empty())
        return {};
    auto shared = std::make_shared<const TermSet>(std::move(terms));
    return [shared](TextView word) { return shared->find(word) != shared->end(); };
}

}  // namespace lexorim
