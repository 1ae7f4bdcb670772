#include "textfiles/page_numbering.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <array>
#include <utility>

namespace lexorim {

namespace {

// Only letters and digits count when a section's text is looked for in laid-out pages: line
// breaks, blanks and punctuation may differ between the document and its layout.
constexpr size_t kComparedCharacters = 40;

Text Roman(int64_t number) {
    static constexpr std::array<std::pair<int, const char16_t*>, 13> kDigits = {{
        {1000, u"m"},
        {900, u"cm"},
        {500, u"d"},
        {400, u"cd"},
        {100, u"c"},
        {90, u"xc"},
        {50, u"l"},
        {40, u"xl"},
        {10, u"x"},
        {9, u"ix"},
        {5, u"v"},
        {4, u"iv"},
        {1, u"i"},
    }};
    Text result;
    for (const auto& [value, digits] : kDigits) {
        while (number >= value) {
            result += digits;
            number -= value;
        }
    }
    return result;
}

Text Letters(int64_t number) {
    // a..z, then aa..zz, aaa..: the letter repeats once more for every round of the alphabet.
    const int64_t round = (number - 1) / 26;
    const auto letter = static_cast<char16_t>(u'a' + (number - 1) % 26);
    return Text(static_cast<size_t>(std::min<int64_t>(round + 1, 1000)), letter);
}

Text Upper(Text text) {
    for (char16_t& c : text) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
    }
    return text;
}

void AppendComparable(TextView text, Text& out, size_t limit) {
    for (const char16_t c : text) {
        if (out.size() >= limit) {
            return;
        }
        if (u_isalnum(c)) {
            out += static_cast<char16_t>(u_tolower(c));
        }
    }
}

}  // namespace

PageNumberFormat PageNumberFormatNamed(std::string_view name,
                                       const std::array<std::string_view, 4>& names) {
    constexpr std::array<PageNumberFormat, 4> kFormats = {
        PageNumberFormat::LowerRoman, PageNumberFormat::UpperRoman, PageNumberFormat::LowerLetter,
        PageNumberFormat::UpperLetter};
    for (size_t i = 0; i < names.size(); ++i) {
        if (name == names[i]) {
            return kFormats[i];
        }
    }
    return PageNumberFormat::Decimal;
}

void SectionCollector::NoteText(TextView text, size_t page) {
    // Enough to find the section again; more would only slow the search.
    constexpr size_t kKept = 80;
    if (text.empty()) {
        return;
    }
    if (!current_.recordedFirstPage) {
        current_.recordedFirstPage = page;
    }
    if (current_.firstText.size() < kKept) {
        current_.firstText.append(text.substr(0, kKept - current_.firstText.size()));
    }
}

void SectionCollector::EndSection() {
    sections_.push_back(std::move(current_));
    current_ = {};
}

std::vector<NumberingSection> SectionCollector::Take() {
    if (current_.recordedFirstPage || current_.start ||
        current_.format != PageNumberFormat::Decimal) {
        EndSection();
    }
    return std::move(sections_);
}

Text FormatPageNumber(int64_t number, PageNumberFormat format) {
    if (number < 1) {
        return DecimalText(number);
    }
    switch (format) {
        case PageNumberFormat::LowerRoman:
            return Roman(number);
        case PageNumberFormat::UpperRoman:
            return Upper(Roman(number));
        case PageNumberFormat::LowerLetter:
            return Letters(number);
        case PageNumberFormat::UpperLetter:
            return Upper(Letters(number));
        case PageNumberFormat::Decimal:
            break;
    }
    return DecimalText(number);
}

std::vector<std::optional<size_t>> LocateSections(const std::vector<Text>& pages,
                                                  const std::vector<NumberingSection>& sections) {
    // All pages as one comparable text, with the offset at which each page starts.
    Text all;
    std::vector<size_t> pageStarts;
    for (const Text& page : pages) {
        pageStarts.push_back(all.size());
        AppendComparable(page, all, Text::npos);
    }
    std::vector<std::optional<size_t>> found;
    size_t from = 0;
    for (const NumberingSection& section : sections) {
        Text wanted;
        AppendComparable(section.firstText, wanted, kComparedCharacters);
        const size_t at = wanted.empty() ? Text::npos : all.find(wanted, from);
        if (at == Text::npos) {
            found.emplace_back();
            continue;
        }
        from = at + wanted.size();
        const auto page = std::upper_bound(pageStarts.begin(), pageStarts.end(), at);
        found.emplace_back(static_cast<size_t>(page - pageStarts.begin()) - 1);
    }
    return found;
}

std::vector<std::optional<size_t>> RecordedFirstPages(
    const std::vector<NumberingSection>& sections) {
    std::vector<std::optional<size_t>> firstPages;
    for (const NumberingSection& section : sections) {
        firstPages.push_back(section.recordedFirstPage);
    }
    return firstPages;
}

std::vector<Text> NumberPages(size_t pageCount, const std::vector<NumberingSection>& sections,
                              const std::vector<std::optional<size_t>>& firstPages) {
    std::vector<Text> lines;
    lines.reserve(pageCount);
    const NumberingSection* current = nullptr;
    size_t next = 0;  // the next section that may start
    int64_t number = 0;
    for (size_t page = 0; page < pageCount; ++page) {
        bool starts = false;
        while (next < sections.size() && (!firstPages[next] || *firstPages[next] <= page)) {
            if (firstPages[next] && *firstPages[next] == page) {
                current = &sections[next];
                starts = true;
            } else if (firstPages[next]) {
                current = &sections[next];  // a section that began on an earlier page
            }
            ++next;
        }
        number = starts && current->start ? *current->start : number + 1;
        lines.push_back(FormatPageNumber(
            number, current != nullptr ? current->format : PageNumberFormat::Decimal));
    }
    return lines;
}

bool DefinesOwnNumbering(const std::vector<NumberingSection>& sections) {
    for (size_t i = 0; i < sections.size(); ++i) {
        const NumberingSection& section = sections[i];
        if (section.format != PageNumberFormat::Decimal ||
            (section.start && !(i == 0 && *section.start == 1))) {
            return true;
        }
    }
    return false;
}

}  // namespace lexorim
