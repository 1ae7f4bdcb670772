#include "draft/technical_terms.h"

#include <hunspell.hxx>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <unicode/unistr.h>

#include "engine/word_char_table.h"

namespace lexorim {

namespace {

constexpr const char* kDictionaryFolder = "/usr/share/hunspell";

bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
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
    const WordCharTable& table = WordCharTable::Get();
    const auto endsWord = [&](char16_t c) {
        return table.IsSeparator(c) || c == u' ' || c == u'-' ||
               (digitsSeparate_ && IsAsciiDigit(c));
    };
    const size_t n = page.size();
    size_t i = 0;
    while (i < n) {
        if (endsWord(page[i])) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < n && !endsWord(page[i]))
            ++i;
        if (!table.IsUpperSame(page[start]) && i - start >= minimumLength_)
            CountWord(page.substr(start, i - start));
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

std::function<bool(TextView)> TermCheck(TermSet terms) {
    if (terms.empty())
        return {};
    auto shared = std::make_shared<const TermSet>(std::move(terms));
    return [shared](TextView word) { return shared->find(word) != shared->end(); };
}

}  // namespace lexorim
