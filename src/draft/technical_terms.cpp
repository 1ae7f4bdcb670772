#include "draft/technical_terms.h"

#include <hunspell.hxx>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "draft/stop_words.h"
#include "engine/word_char_table.h"

namespace lexorim {

namespace {

constexpr const char* kDictionaryFolder = "/usr/share/hunspell";

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

std::string Utf8(TextView text) {
    std::string utf8;
    icu::UnicodeString(false, text.data(), static_cast<int32_t>(text.size())).toUTF8String(utf8);
    return utf8;
}

// The dictionary files of a language: "de_DE" for "de" when it exists, else the first region
// in name order ("en_US" for "en").
std::filesystem::path DictionaryStem(std::string_view code) {
    std::error_code error;
    std::vector<std::filesystem::path> stems;
    for (const auto& entry : std::filesystem::directory_iterator(kDictionaryFolder, error)) {
        const std::filesystem::path& path = entry.path();
        const std::string name = path.stem().string();
        if (path.extension() == ".dic" && name.size() > code.size() && name.starts_with(code) &&
            name[code.size()] == '_') {
            stems.push_back(path.parent_path() / name);
        }
    }
    std::sort(stems.begin(), stems.end());
    std::string own(code);
    own += '_';
    for (const char c : code)
        own += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    for (const auto& stem : stems) {
        if (stem.filename() == own)
            return stem;
    }
    return stems.empty() ? std::filesystem::path() : stems.front();
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

KnownWordCheck KnownWordsOf(std::string_view languageCode) {
    const std::filesystem::path stem = DictionaryStem(languageCode);
    if (stem.empty())
        return {};
    const std::string aff = stem.string() + ".aff";
    const std::string dic = stem.string() + ".dic";
    auto dictionary = std::make_shared<Hunspell>(aff.c_str(), dic.c_str());
    return [dictionary](TextView word) { return dictionary->spell(Utf8(word)); };
}

KnownWordCheck KnownWordsForTerms(std::string_view languageCode) {
    KnownWordCheck own = KnownWordsOf(languageCode);
    if (!own)
        return {};
    KnownWordCheck english = languageCode == "en" ? KnownWordCheck() : KnownWordsOf("en");
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
