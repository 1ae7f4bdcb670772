#include "engine/text_helpers.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <unicode/unistr.h>

#include <algorithm>
#include <functional>
#include <limits>

namespace lexorim {

Text ReplaceAll(TextView text, TextView pattern, TextView replacement) {
    if (text.empty() || pattern.empty() || pattern == replacement) {
        return Text(text);
    }
    Text result;
    result.reserve(text.size());
    size_t from = 0;
    for (size_t hit = text.find(pattern); hit != TextView::npos; hit = text.find(pattern, from)) {
        result.append(text.substr(from, hit - from));
        result.append(replacement);
        from = hit + pattern.size();
    }
    result.append(text.substr(from));
    return result;
}

std::vector<TextView> SplitViewsAt(TextView text, TextView separator) {
    std::vector<TextView> pieces;
    if (separator.empty()) {
        pieces.push_back(text);
        return pieces;
    }
    size_t from = 0;
    for (size_t hit = text.find(separator); hit != TextView::npos;
         hit = text.find(separator, from)) {
        pieces.push_back(text.substr(from, hit - from));
        from = hit + separator.size();
    }
    pieces.push_back(text.substr(from));
    return pieces;
}

std::vector<Text> SplitAt(TextView text, TextView separator) {
    std::vector<Text> pieces;
    for (TextView piece : SplitViewsAt(text, separator)) {
        pieces.emplace_back(piece);
    }
    return pieces;
}

void AppendCodePointAsUtf16(uint32_t codePoint, Text& out) {
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        out.push_back(u'?');
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
    } else {
        out.push_back(static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF)));
    }
}

int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

std::optional<int32_t> ParseIntegerText(TextView text) {
    size_t i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' &&
               (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = base == 16 ? HexDigitValue(text[i])
                                     : (text[i] >= u'0' && text[i] <= u'9' ? text[i] - u'0' : -1);
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        // Hexadecimal numbers may use the full 32 bits (as an unsigned bit pattern).
        const int64_t limit = base == 16 ? int64_t{0xFFFFFFFF} : int64_t{1} << 31;
        if (value > limit)
            return std::nullopt;
    }
    if (base == 10) {
        if (!negative && value > std::numeric_limits<int32_t>::max())
            return std::nullopt;
        return static_cast<int32_t>(negative ? -value : value);
    }
    const auto bits = static_cast<int32_t>(static_cast<uint32_t>(value));
    return negative ? static_cast<int32_t>(0u - static_cast<uint32_t>(bits)) : bits;
}

int32_t IntegerOr(TextView text, int32_t fallback) {
    return ParseIntegerText(text).value_or(fallback);
}

TextView TrimBlanksAndControls(TextView text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && text[begin] <= u' ')
        ++begin;
    while (end > begin && text[end - 1] <= u' ')
        --end;
    return text.substr(begin, end - begin);
}

size_t NextLineBreak(TextView text, size_t from) {
    size_t i = from;
#if defined(__SSE2__)
    // Most units end no line: eight at a time are looked at until one does.
    const __m128i cr = _mm_set1_epi16(u'\r');
    const __m128i lf = _mm_set1_epi16(u'\n');
    while (i + 8 <= text.size()) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const int ends =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi16(units, cr), _mm_cmpeq_epi16(units, lf)));
        if (ends != 0)
            return i + static_cast<size_t>(std::countr_zero(static_cast<unsigned>(ends))) / 2;
        i += 8;
    }
#endif
    for (; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n')
            return i;
    }
    return text.size();
}

namespace {

// Where the line after the break at `end` starts: CR LF is one break.
size_t AfterLineBreak(TextView text, size_t end) {
    return end + ((text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1);
}

}  // namespace

bool AnyLine(TextView text, const std::function<bool(TextView)>& holds) {
    for (size_t start = 0; start < text.size();) {
        const size_t end = NextLineBreak(text, start);
        if (holds(text.substr(start, end - start)))
            return true;
        if (end >= text.size())
            break;
        start = AfterLineBreak(text, end);
    }
    return false;
}

std::vector<TextView> SplitLines(TextView text) {
    std::vector<TextView> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = NextLineBreak(text, start);
        lines.push_back(text.substr(start, end - start));
        if (end >= text.size())
            break;
        start = AfterLineBreak(text, end);
    }
    return lines;
}

Text DecimalText(int64_t value) {
    const std::string digits = std::to_string(value);
    return Text(digits.begin(), digits.end());
}

Text FromUtf8(std::string_view utf8) {
    const icu::UnicodeString s = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    return Text(reinterpret_cast<const char16_t*>(s.getBuffer()), static_cast<size_t>(s.length()));
}

std::string ToUtf8(TextView text) {
    // The ASCII start, all of a long HTML page, is narrowed without the converter.
    const auto firstWide =
        std::find_if(text.begin(), text.end(), [](char16_t c) { return c >= 0x80; });
    const auto asciiLength = static_cast<size_t>(firstWide - text.begin());
    std::string out(asciiLength, '\0');
    std::transform(text.begin(), firstWide, out.begin(),
                   [](char16_t c) { return static_cast<char>(c); });
    const TextView rest = text.substr(asciiLength);
    if (!rest.empty()) {
        const icu::UnicodeString s(false, rest.data(), static_cast<int32_t>(rest.size()));
        s.toUTF8String(out);
    }
    return out;
}

}  // namespace lexorim
