#include "draft/printed_page_numbers.h"

#include <unicode/uchar.h>

#include <algorithm>

#include "draft/page_range.h"
#include "textfiles/page_numbering.h"

namespace lexorim {

namespace {

// Pages to each side that may confirm a page's number.
constexpr size_t kNeighbourhood = 3;
constexpr int64_t kLargestNumber = 99999;

// A numbering: its format and the difference between the printed number and the page's place.
struct Sequence {
    PageNumberFormat format = PageNumberFormat::Decimal;
    int64_t offset = 0;
    auto operator<=>(const Sequence&) const = default;
    int64_t NumberOn(size_t page) const { return offset + static_cast<int64_t>(page); }
};

bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// True when the digits from `start` to `end` are part of a number such as "2.4.1" or "12.18":
// a section or a version, not a page.
bool InDottedNumber(TextView line, size_t start, size_t end) {
    const bool dotBefore = start >= 2 && line[start - 1] == u'.' && IsAsciiDigit(line[start - 2]);
    const bool dotAfter = end + 1 < line.size() && line[end] == u'.' && IsAsciiDigit(line[end + 1]);
    return dotBefore || dotAfter;
}

// The sequences the numbers in the head and foot zone of page `page` would belong to.
std::vector<Sequence> SequencesOnPage(const PageLines& lines, size_t page) {
    std::vector<Sequence> found;
    const auto add = [&](PageNumberFormat format, int64_t number) {
        const Sequence sequence{format, number - static_cast<int64_t>(page)};
        if (std::find(found.begin(), found.end(), sequence) == found.end())
            found.push_back(sequence);
    };
    for (const size_t at : HeadAndFootLines(lines)) {
        const TextView line = lines[at];
        size_t i = 0;
        while (i < line.size()) {
            if (u_isalnum(line[i]) == 0) {
                ++i;
                continue;
            }
            const size_t start = i;
            while (i < line.size() && u_isalnum(line[i]) != 0)
                ++i;
            const TextView token = line.substr(start, i - start);
            if (std::all_of(token.begin(), token.end(), IsAsciiDigit)) {
                if (token.size() <= 5 && token.front() != u'0' && !InDottedNumber(line, start, i))
                    add(PageNumberFormat::Decimal, ParseIntegerText(token).value_or(0));
            } else if (const std::optional<int64_t> roman = RomanNumeralValue(token)) {
                const bool upper = token.front() >= u'A' && token.front() <= u'Z';
                add(upper ? PageNumberFormat::UpperRoman : PageNumberFormat::LowerRoman, *roman);
            }
        }
    }
    std::erase_if(found, [page](const Sequence& s) {
        return s.NumberOn(page) < 1 || s.NumberOn(page) > kLargestNumber;
    });
    return found;
}

// For each page the sequence its printed number belongs to: the one most of its neighbours
// share, when at least one does.
std::vector<std::optional<Sequence>> ConfirmedSequences(const std::vector<PageLines>& pages) {
    std::vector<std::vector<Sequence>> candidates;
    candidates.reserve(pages.size());
    for (size_t p = 0; p < pages.size(); ++p)
        candidates.push_back(SequencesOnPage(pages[p], p));
    std::vector<std::optional<Sequence>> confirmed(pages.size());
    for (size_t p = 0; p < pages.size(); ++p) {
        size_t best = 1;
        const size_t from = p >= kNeighbourhood ? p - kNeighbourhood : 0;
        const size_t to = std::min(pages.size(), p + kNeighbourhood + 1);
        for (const Sequence& sequence : candidates[p]) {
            size_t support = 0;
            for (size_t q = from; q < to; ++q) {
                const std::vector<Sequence>& there = candidates[q];
                support += std::find(there.begin(), there.end(), sequence) != there.end() ? 1 : 0;
            }
            if (support > best) {
                best = support;
                confirmed[p] = sequence;
            }
        }
    }
    // A page whose number does not go with the two pages around it, which agree, has its
    // number elsewhere on the page; a section number in its head only looked like one.
    for (size_t p = 1; p + 1 < pages.size(); ++p) {
        if (confirmed[p - 1] && confirmed[p - 1] == confirmed[p + 1] &&
            confirmed[p] != confirmed[p - 1])
            confirmed[p].reset();
    }
    return confirmed;
}

// Ranges of page numbers counted from 1: "1-4, 7".
Text PageNumberRanges(const std::vector<size_t>& pages) {
    Text list;
    for (size_t i = 0; i < pages.size();) {
        size_t j = i;
        while (j + 1 < pages.size() && pages[j + 1] == pages[j] + 1)
            ++j;
        if (!list.empty())
            list += u", ";
        list += DecimalText(static_cast<int64_t>(pages[i]) + 1);
        if (j > i) {
            list += u"-";
            list += DecimalText(static_cast<int64_t>(pages[j]) + 1);
        }
        i = j + 1;
    }
    return list;
}

}  // namespace

std::optional<PrintedPageNumbers> ReadPrintedPageNumbers(const std::vector<PageLines>& pages) {
    const std::vector<std::optional<Sequence>> confirmed = ConfirmedSequences(pages);
    if (std::none_of(confirmed.begin(), confirmed.end(),
                     [](const std::optional<Sequence>& s) { return s.has_value(); })) {
        return std::nullopt;
    }
    PrintedPageNumbers numbers;
    numbers.labels.resize(pages.size());
    std::optional<Sequence> before;
    for (size_t p = 0; p < pages.size();) {
        if (confirmed[p]) {
            before = confirmed[p];
            numbers.readPages.push_back(p);
            numbers.labels[p] = FormatPageNumber(before->NumberOn(p), before->format);
            ++p;
            continue;
        }
        size_t gapEnd = p;
        while (gapEnd < pages.size() && !confirmed[gapEnd])
            ++gapEnd;
        const std::optional<Sequence> after =
            gapEnd < pages.size() ? confirmed[gapEnd] : std::nullopt;
        // The sequence after the gap starts within it where it reaches 1; before that page the
        // one before the gap goes on.
        const bool afterStartsInGap = after && after->NumberOn(p) <= 1;
        for (; p < gapEnd; ++p) {
            const bool takesAfter =
                after && (!before || (afterStartsInGap && after->NumberOn(p) >= 1));
            const Sequence& sequence = takesAfter ? *after : *before;
            numbers.labels[p] = FormatPageNumber(sequence.NumberOn(p), sequence.format);
            numbers.countedPages.push_back(p);
        }
    }
    return numbers;
}

Text PrintedPageNumbersNote(Language language, const std::string& path,
                            const PrintedPageNumbers& numbers) {
    Text note(Choose(language, u"Das Dokument \u201E", u"The document \""));
    note += FromUtf8(path);
    note += Choose(language,
                   u"\u201C nennt keine eigenen Seitenzahlen; die Seiten tragen die Nummern, die "
                   u"in ihrer Kopf- oder Fu\u00DFzeile stehen: ",
                   u"\" has no page labels of its own; its pages take the numbers printed in "
                   u"their heads or feet: ");
    note += Choose(language, u"gelesen auf den Seiten ", u"read on pages ");
    note += PageNumberRanges(numbers.readPages);
    if (!numbers.countedPages.empty()) {
        note += Choose(language, u", von den Nachbarseiten gez\u00E4hlt auf den Seiten ",
                       u", counted from the neighbouring pages on pages ");
        note += PageNumberRanges(numbers.countedPages);
    }
    note += u".";
    return note;
}

}  // namespace lexorim
