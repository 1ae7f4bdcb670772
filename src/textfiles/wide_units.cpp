// UTF-16 and UTF-32 in either byte order.

#include <bit>
#include <cstdint>
#include <cstring>

#include "engine/large_buffers.h"
#include "textfiles/internal/codecs.h"

namespace lexorim {

namespace {

constexpr bool kHostIsLittleEndian = std::endian::native == std::endian::little;

char16_t SwapBytes(char16_t unit) {
    return static_cast<char16_t>((unit << 8) | (unit >> 8));
}

uint32_t SwapBytes(uint32_t unit) {
    return (unit >> 24) | ((unit >> 8) & 0xFF00u) | ((unit << 8) & 0xFF0000u) | (unit << 24);
}

}  // namespace

Text DecodeUtf16(std::string_view bytes, bool bigEndian) {
    Text text;
    ReserveLarge(text, bytes.size() / 2);
    text.resize(bytes.size() / 2);
    std::memcpy(text.data(), bytes.data(), text.size() * 2);
    if (bigEndian == kHostIsLittleEndian) {
        for (char16_t& unit : text) {
            unit = SwapBytes(unit);
        }
    }
    return text;
}

void AppendUtf16(TextView text, bool bigEndian, std::string& out) {
    const size_t start = out.size();
    ReserveLarge(out, start + text.size() * 2);
    out.resize(start + text.size() * 2);
    char* const target = out.data() + start;
    if (bigEndian != kHostIsLittleEndian) {
        std::memcpy(target, text.data(), text.size() * 2);
        return;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t swapped = SwapBytes(text[i]);
        std::memcpy(target + 2 * i, &swapped, 2);
    }
}

Text DecodeUtf32(std::string_view bytes, bool bigEndian) {
    Text text;
    ReserveLarge(text, bytes.size() / 4);
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        uint32_t unit;
        std::memcpy(&unit, bytes.data() + i, 4);
        if (bigEndian == kHostIsLittleEndian) {
            unit = SwapBytes(unit);
        }
        AppendCodePointAsUtf16(unit, text);
    }
    return text;
}

void AppendUtf32(TextView text, bool bigEndian, std::string& out) {
    ReserveLarge(out, out.size() + text.size() * 4);
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsLowSurrogate(unit)) {
            continue;
        }
        uint32_t codePoint = unit;
        if (IsHighSurrogate(unit)) {
            codePoint = i + 1 < text.size() && IsLowSurrogate(text[i + 1])
                            ? 0x10000 + ((uint32_t{unit} - 0xD800) << 10) + (text[i + 1] - 0xDC00u)
                            : uint32_t{'?'};
        }
        if (bigEndian == kHostIsLittleEndian) {
            codePoint = SwapBytes(codePoint);
        }
        char raw[4];
        std::memcpy(raw, &codePoint, 4);
        out.append(raw, 4);
    }
}

}  // namespace lexorim
