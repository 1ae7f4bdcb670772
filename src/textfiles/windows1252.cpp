#include <array>
#include <cstdint>

#include "engine/large_buffers.h"
#include "textfiles/internal/codecs.h"

namespace lexorim {

namespace {

// The characters of the bytes 0x80..0x9F. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control character of the same value, as in
// Windows' own conversion, so that any byte survives reading and writing.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

constexpr std::array<char16_t, 256> MakeByteToUnit() {
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        table[byte] = static_cast<char16_t>(byte);
    }
    for (int k = 0; k < 32; ++k) {
        table[0x80 + k] = kHighControlRange[k];
    }
    return table;
}
constexpr std::array<char16_t, 256> kByteToUnit = MakeByteToUnit();

// The byte for a character outside U+0000..U+00FF, or '?' when Windows-1252 lacks it.
char ByteOfWideCharacter(char16_t unit) {
    for (int k = 0; k < 32; ++k) {
        if (kHighControlRange[k] == unit) {
            return static_cast<char>(0x80 + k);
        }
    }
    return '?';
}

}  // namespace

Text DecodeWindows1252(std::string_view bytes) {
    Text text;
    ReserveLarge(text, bytes.size());
    text.resize(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        text[i] = kByteToUnit[static_cast<unsigned char>(bytes[i])];
    }
    return text;
}

void AppendWindows1252(TextView text, std::string& out) {
    ReserveLarge(out, out.size() + text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            out.push_back(static_cast<char>(unit));
        } else if (unit <= 0xFF) {
            // 0x80..0x9F: only the five undefined bytes keep their value.
            out.push_back(ByteOfWideCharacter(unit));
        } else {
            // One "?" for a character above U+FFFF, not one for each half of its pair.
            if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
                ++i;
            }
            out.push_back(ByteOfWideCharacter(unit));
        }
    }
}

}  // namespace lexorim
