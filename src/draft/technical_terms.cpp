#include "draft/technical_terms.h"

#include <algorithm>
#include <string>
#include <vector>

#include <unicode/uchar.h>

#include "draft/dictionary.h"
#include "draft/stop_words.h"
#include "engine/word_char_table.h"

namespace lexorim {

namespace {

bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// A path, an address or a file name: slashes, "@", "=", or a full stop inside the token.
bool IsPathLike(TextView token) {
    if (token.find_first_of(u"/\\@=_~") != TextView::npos)
        return true;
    for (size_t k = 1; k + 1 < token.size(); ++k) {
        if (token[k] == u'.' && u_isalnum(token[k + 1]))
            return true;
    }
    return !token.empty() && token[0] == u'.' && token.size() > 1 && u_isalpha(token[1]);
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
    const size_t n = page.size();
    size_t i = 0;
    while (i < n) {
        while (i < n && page[i] <= u' ')
            ++i;
        const size_t start = i;
        while (i < n && page[i] > u' ')
            ++i;
        if (i > start)
            CountToken(page.substr(start, i - start));
    }
}

void TechnicalTermCounter::CountToken(TextView token) {
    if (IsPathLike(token))
        return;
    const WordCharTable& table = WordCharTable::Get();
    const auto endsWord = [&](char16_t c) {
        return table.IsSeparator(c) || c == u' ' || c == u'-' ||
               (digitsSeparate_ && IsAsciiDigit(c));
    };
    const size_t n = token.size();
    size_t i = 0;
    while (i < n) {
        if (endsWord(token[i])) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < n && !endsWord(token[i]))
            ++i;
        if (!table.IsUpperSame(token[start]) && i - start >= minimumLength_)
            CountWord(token.substr(start, i - start));
    }
}

void TechnicalTermCounter::CountWord(TextView word) {
    auto found = counts_.find(word);
    if (found == counts_.end())
        found = counts_.emplace(Text(word), Count{}).first;
    Count& count = found->second;
    if (count.lastPage != page_) {
        count.lastPage = page_;
        ++count.pages;
    }
}

void TechnicalTermCounter::Absorb(const TechnicalTermCounter& other) {
    for (const auto& [word, count] : other.counts_) {
        auto found = counts_.find(word);
        if (found == counts_.end())
            found = counts_.emplace(word, Count{}).first;
        found->second.pages += count.pages;
    }
}

TermSet TechnicalTermCounter::Terms(const KnownWordCheck& isKnown, int32_t minimumPages) const {
    TermSet terms;
    if (!isKnown)
        return terms;
    for (const auto& [word, count] : counts_) {
        if (count.pages >= minimumPages && !isKnown(word))
            terms.insert(word);
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
