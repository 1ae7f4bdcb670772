#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "engine/large_buffers.h"
#include "textfiles/internal/codecs.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lexorim {

namespace {

bool IsContinuation(unsigned char byte) {
    return byte >= 0x80 && byte <= 0xBF;
}

// A standard four-byte sequence at `p` (with at least four bytes readable) as its code point,
// or 0 when it is not one; the older reading rule then applies to these bytes.
uint32_t FourByteCodePoint(const unsigned char* p) {
    if (p[0] < 0xF0 || p[0] > 0xF4 || !IsContinuation(p[1]) || !IsContinuation(p[2]) ||
        !IsContinuation(p[3])) {
        return 0;
    }
    const uint32_t codePoint = (uint32_t{p[0] & 0x07u} << 18) | (uint32_t{p[1] & 0x3Fu} << 12) |
                               (uint32_t{p[2] & 0x3Fu} << 6) | (p[3] & 0x3Fu);
    return codePoint >= 0x10000 && codePoint <= 0x10FFFF ? codePoint : 0;
}

// The number of UTF-8 bytes AppendUtf8 writes for `text`: three per unit, less one for every
// unit below U+0800 and one more for every unit below U+0080, less two per surrogate pair.
size_t Utf8Length(TextView text) {
    const char16_t* const in = text.data();
    const size_t size = text.size();
    size_t belowU0800 = 0;
    size_t belowU0080 = 0;
    bool hasSurrogates = false;
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i maskU0080 = _mm_set1_epi16(static_cast<short>(0xFF80));
    const __m128i maskU0800 = _mm_set1_epi16(static_cast<short>(0xF800));
    const __m128i surrogateBits = _mm_set1_epi16(static_cast<short>(0xD800));
    const __m128i ones = _mm_set1_epi16(1);
    __m128i surrogates = zero;
    while (i + 8 <= size) {
        // 16-bit lane counters, summed up before they could overflow.
        __m128i countU0080 = zero;
        __m128i countU0800 = zero;
        const size_t blockEnd = std::min(size, i + 8 * 8192);
        for (; i + 8 <= blockEnd; i += 8) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
            const __m128i high5 = _mm_and_si128(units, maskU0800);
            countU0080 =
                _mm_sub_epi16(countU0080, _mm_cmpeq_epi16(_mm_and_si128(units, maskU0080), zero));
            countU0800 = _mm_sub_epi16(countU0800, _mm_cmpeq_epi16(high5, zero));
            surrogates = _mm_or_si128(surrogates, _mm_cmpeq_epi16(high5, surrogateBits));
        }
        alignas(16) int32_t sums[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(sums), _mm_madd_epi16(countU0080, ones));
        belowU0080 += static_cast<size_t>(sums[0]) + sums[1] + sums[2] + sums[3];
        _mm_store_si128(reinterpret_cast<__m128i*>(sums), _mm_madd_epi16(countU0800, ones));
        belowU0800 += static_cast<size_t>(sums[0]) + sums[1] + sums[2] + sums[3];
    }
    hasSurrogates = _mm_movemask_epi8(surrogates) != 0;
#endif
    for (; i < size; ++i) {
        belowU0080 += in[i] < 0x80;
        belowU0800 += in[i] < 0x800;
        hasSurrogates |= (in[i] & 0xF800) == 0xD800;
    }
    size_t length = 3 * size - belowU0800 - belowU0080;
    if (hasSurrogates) {
        for (size_t k = 0; k + 1 < size; ++k) {
            if (IsHighSurrogate(in[k]) && IsLowSurrogate(in[k + 1])) {
                length -= 2;
                ++k;
            }
        }
    }
    return length;
}

}  // namespace

size_t DecodeUtf8Part(std::string_view bytes, bool isLast, Text& text) {
    const size_t start = text.size();
    // Every byte gives at most one code unit (a four-byte sequence gives two).
    text.resize(start + bytes.size());
    size_t written = 0;
    const size_t used = DecodeUtf8Into(bytes, isLast, text.data() + start, written);
    text.resize(start + written);
    return used;
}

size_t DecodeUtf8Into(std::string_view bytes, bool isLast, char16_t* const first, size_t& written) {
    const auto* const in = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t size = bytes.size();
    char16_t* out = first;
    size_t i = 0;
    while (i < size) {
#if defined(__SSE2__)
        // Runs of ASCII, 16 bytes at a time. All 16 are widened; only those before the first
        // byte of a sequence count. There is room: `out` never runs ahead of `i`.
        const __m128i zero = _mm_setzero_si128();
        while (i + 16 <= size) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(chunk, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(chunk, zero));
            const unsigned highBits = static_cast<unsigned>(_mm_movemask_epi8(chunk));
            const size_t asciiCount = highBits == 0 ? 16 : std::countr_zero(highBits);
            i += asciiCount;
            out += asciiCount;
            if (highBits != 0) {
                break;
            }
        }
        if (i >= size) {
            break;
        }
#endif
        const unsigned char lead = in[i];
        if (lead < 0x80) {
            *out++ = lead;
            ++i;
            continue;
        }
        if (!isLast && size - i < 4) {
            break;  // the sequence may go on in the next part
        }
        if (lead >= 0xF0 && i + 4 <= size) {
            if (const uint32_t codePoint = FourByteCodePoint(in + i)) {
                *out++ = static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10));
                *out++ = static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
                i += 4;
                continue;
            }
        }
        if (lead & 0x20) {
            if (i + 3 > size || !IsContinuation(in[i + 1]) || !IsContinuation(in[i + 2])) {
                return kUtf8Invalid;
            }
            *out++ = static_cast<char16_t>(((lead & 0x3Fu) << 12) | ((in[i + 1] & 0x3Fu) << 6) |
                                           (in[i + 2] & 0x3Fu));
            i += 3;
        } else {
            if (i + 2 > size || !IsContinuation(in[i + 1])) {
                return kUtf8Invalid;
            }
            *out++ = static_cast<char16_t>(((lead & 0x3Fu) << 6) | (in[i + 1] & 0x3Fu));
            i += 2;
        }
    }
    written = static_cast<size_t>(out - first);
    return i;
}

std::optional<Text> DecodeUtf8(std::string_view bytes) {
    Text text;
    ReserveLarge(text, bytes.size());
    if (DecodeUtf8Part(bytes, true, text) == kUtf8Invalid) {
        return std::nullopt;
    }
    return text;
}

void AppendUtf8(TextView text, std::string& bytes) {
    const size_t start = bytes.size();
    const size_t length = Utf8Length(text);
    ReserveLarge(bytes, start + length);
    bytes.resize(start + length);
    char* out = bytes.data() + start;
    const char16_t* const in = text.data();
    const size_t size = text.size();
    size_t i = 0;
    while (i < size) {
#if defined(__SSE2__)
        // Runs of ASCII, 8 units at a time. All 8 are narrowed; only those before the first
        // other unit count. There is room: every unit takes at least one byte.
        const __m128i zero = _mm_setzero_si128();
        const __m128i maskU0080 = _mm_set1_epi16(static_cast<short>(0xFF80));
        while (i + 8 <= size) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(units, units));
            const unsigned asciiBits = static_cast<unsigned>(
                _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(units, maskU0080), zero)));
            const size_t asciiCount =
                asciiBits == 0xFFFF ? 8 : std::countr_zero(~asciiBits & 0xFFFFu) / 2;
            i += asciiCount;
            out += asciiCount;
            if (asciiBits != 0xFFFF) {
                break;
            }
        }
        if (i >= size) {
            break;
        }
#endif
        const char16_t unit = in[i];
        if (unit < 0x80) {
            *out++ = static_cast<char>(unit);
            ++i;
        } else if (unit < 0x800) {
            *out++ = static_cast<char>(0xC0 | (unit >> 6));
            *out++ = static_cast<char>(0x80 | (unit & 0x3F));
            ++i;
        } else if (IsHighSurrogate(unit) && i + 1 < size && IsLowSurrogate(in[i + 1])) {
            const uint32_t codePoint =
                0x10000 + ((uint32_t{unit} - 0xD800) << 10) + (in[i + 1] - 0xDC00u);
            *out++ = static_cast<char>(0xF0 | (codePoint >> 18));
            *out++ = static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
            *out++ = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (codePoint & 0x3F));
            i += 2;
        } else {
            *out++ = static_cast<char>(0xE0 | (unit >> 12));
            *out++ = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (unit & 0x3F));
            ++i;
        }
    }
}

}  // namespace lexorim
