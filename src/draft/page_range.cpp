#include "draft/page_range.h"

#include <algorithm>

#include "engine/errors.h"
#include "textfiles/page_numbering.h"

namespace lexorim {

namespace {

constexpr int64_t kLargestPage = 1'000'000'000;

char16_t LowerAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

int64_t RomanDigitValue(char16_t c) {
    switch (c) {
        case u'i':
            return 1;
        case u'v':
            return 5;
        case u'x':
            return 10;
        case u'l':
            return 50;
        case u'c':
            return 100;
        case u'd':
            return 500;
        case u'm':
            return 1000;
        default:
            return 0;
    }
}

std::optional<int64_t> ArabicValue(TextView text) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int64_t value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

}  // namespace

std::optional<int64_t> RomanNumeralValue(TextView text) {
    // Beyond 4000 the numeral would need more than three m's; no book has that many pages.
    if (text.empty() || text.size() > 15)
        return std::nullopt;
    const bool upper = text.front() >= u'A' && text.front() <= u'Z';
    Text lower;
    int64_t value = 0;
    int64_t previous = 0;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        if ((*it >= u'A' && *it <= u'Z') != upper)
            return std::nullopt;
        const int64_t digit = RomanDigitValue(LowerAscii(*it));
        if (digit == 0)
            return std::nullopt;
        value += digit < previous ? -digit : digit;
        previous = std::max(previous, digit);
    }
    for (const char16_t c : text)
        lower += LowerAscii(c);
    if (value < 1 || value >= 4000 ||
        FormatPageNumber(value, PageNumberFormat::LowerRoman) != lower)
        return std::nullopt;
    return value;
}

PageRange PageRange::Parse(TextView text, Language language) {
    PageRange range;
    Text items(text);
    std::replace(items.begin(), items.end(), u';', u',');
    for (const TextView piece : SplitViewsAt(items, u",")) {
        const TextView item = TrimBlanksAndControls(piece);
        if (item.empty())
            continue;
        const auto bad = [&](TextView why) {
            Text message =
                Text(Choose(language, u"Der Seitenbereich \u201E", u"The page range \""));
            message += text;
            message +=
                Choose(language, u"\u201C ist ung\u00FCltig: \u201E", u"\" is not valid: \"");
            message += item;
            message += Choose(language, u"\u201C ", u"\" ");
            message += why;
            return UserError(std::move(message));
        };
        const size_t dash = item.find(u'-');
        const TextView firstText = TrimBlanksAndControls(item.substr(0, dash));
        const TextView lastText =
            dash == TextView::npos ? firstText : TrimBlanksAndControls(item.substr(dash + 1));
        Span span;
        std::optional<int64_t> first = ArabicValue(firstText);
        std::optional<int64_t> last = ArabicValue(lastText);
        if (!first || !last) {
            span.kind = Kind::Roman;
            first = RomanNumeralValue(firstText);
            last = RomanNumeralValue(lastText);
        }
        if (!first || !last) {
            if (dash == TextView::npos) {
                range.labels_.emplace_back(item);  // a page named by a label of its own
                continue;
            }
            throw bad(Choose(language,
                             u"verbindet nicht zwei arabische oder zwei r\u00F6mische Zahlen.",
                             u"does not join two arabic or two roman numbers."));
        }
        if (*first > *last || *last > kLargestPage) {
            throw bad(Choose(language, u"beginnt nach seinem Ende.", u"starts after its end."));
        }
        span.first = *first;
        span.last = *last;
        range.spans_.push_back(span);
    }
    if (range.spans_.empty() && range.labels_.empty()) {
        Text message = Text(Choose(language, u"Der Seitenbereich \u201E", u"The page range \""));
        message += text;
        message += Choose(language, u"\u201C nennt keine Seite.", u"\" names no page.");
        throw UserError(std::move(message));
    }
    return range;
}

bool PageRange::Contains(TextView label) const {
    const TextView trimmed = TrimBlanksAndControls(label);
    const std::optional<int64_t> arabic = ArabicValue(trimmed);
    const std::optional<int64_t> roman = arabic ? std::nullopt : RomanNumeralValue(trimmed);
    for (const Span& span : spans_) {
        const std::optional<int64_t>& value = span.kind == Kind::Arabic ? arabic : roman;
        if (value && *value >= span.first && *value <= span.last)
            return true;
    }
    return std::find(labels_.begin(), labels_.end(), trimmed) != labels_.end();
}

}  // namespace lexorim
