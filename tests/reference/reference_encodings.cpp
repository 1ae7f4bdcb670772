#include "reference/reference_encodings.h"

#include <cstdint>
#include <vector>

namespace lexorim::reference {

namespace {

bool IsHigh(uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLow(uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}
bool IsContinuation(uint8_t byte) {
    return byte >= 0x80 && byte <= 0xBF;
}

uint8_t ByteAt(std::string_view bytes, size_t i) {
    return static_cast<uint8_t>(bytes[i]);
}

void AppendCodePoint(uint32_t codePoint, Text& text) {
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        text += u'?';
    } else if (codePoint < 0x10000) {
        text += static_cast<char16_t>(codePoint);
    } else {
        const uint32_t offset = codePoint - 0x10000;
        text += static_cast<char16_t>(0xD800 + offset / 1024);
        text += static_cast<char16_t>(0xDC00 + offset % 1024);
    }
}

const std::string kBase64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

bool IsBase64(uint32_t c) {
    return c < 128 && kBase64.find(static_cast<char>(c)) != std::string::npos;
}

bool IsDirect(uint32_t c) {
    const std::string setD =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789'(),-./:?";
    const std::string setO = "!\"#$%&*;<=>@[]^_`{|}";
    const std::string whitespace = " \t\r\n";
    if (c >= 128) {
        return false;
    }
    const char ch = static_cast<char>(c);
    return setD.find(ch) != std::string::npos || setO.find(ch) != std::string::npos ||
           whitespace.find(ch) != std::string::npos;
}

const char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::optional<Text> DecodeUtf8(std::string_view bytes) {
    Text text;
    size_t i = 0;
    while (i < bytes.size()) {
        const uint8_t lead = ByteAt(bytes, i);
        if (lead < 0x80) {
            text += static_cast<char16_t>(lead);
            i += 1;
            continue;
        }
        // A standard four-byte sequence first.
        if (lead >= 0xF0 && lead <= 0xF4 && i + 3 < bytes.size() &&
            IsContinuation(ByteAt(bytes, i + 1)) && IsContinuation(ByteAt(bytes, i + 2)) &&
            IsContinuation(ByteAt(bytes, i + 3))) {
            const uint32_t codePoint =
                (lead & 0x07) * 262144 + (ByteAt(bytes, i + 1) & 0x3F) * 4096 +
                (ByteAt(bytes, i + 2) & 0x3F) * 64 + (ByteAt(bytes, i + 3) & 0x3F);
            if (codePoint >= 0x10000 && codePoint <= 0x10FFFF) {
                AppendCodePoint(codePoint, text);
                i += 4;
                continue;
            }
        }
        const size_t continuationCount = (lead & 0x20) != 0 ? 2 : 1;
        if (i + continuationCount >= bytes.size()) {
            return std::nullopt;
        }
        uint32_t value = lead & 0x3F;
        for (size_t k = 1; k <= continuationCount; ++k) {
            const uint8_t next = ByteAt(bytes, i + k);
            if (!IsContinuation(next)) {
                return std::nullopt;
            }
            value = value * 64 + (next & 0x3F);
        }
        text += static_cast<char16_t>(value % 65536);
        i += 1 + continuationCount;
    }
    return text;
}

std::string EncodeUtf8(TextView text) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        const uint32_t unit = text[i];
        if (IsHigh(unit) && i + 1 < text.size() && IsLow(text[i + 1])) {
            const uint32_t codePoint = 0x10000 + (unit - 0xD800) * 1024 + (text[i + 1] - 0xDC00);
            bytes += static_cast<char>(0xF0 + codePoint / 262144);
            bytes += static_cast<char>(0x80 + codePoint / 4096 % 64);
            bytes += static_cast<char>(0x80 + codePoint / 64 % 64);
            bytes += static_cast<char>(0x80 + codePoint % 64);
            ++i;
        } else if (unit < 0x80) {
            bytes += static_cast<char>(unit);
        } else if (unit < 0x800) {
            bytes += static_cast<char>(0xC0 + unit / 64);
            bytes += static_cast<char>(0x80 + unit % 64);
        } else {
            bytes += static_cast<char>(0xE0 + unit / 4096);
            bytes += static_cast<char>(0x80 + unit / 64 % 64);
            bytes += static_cast<char>(0x80 + unit % 64);
        }
    }
    return bytes;
}

std::optional<Text> DecodeUtf7(std::string_view bytes) {
    Text text;
    size_t i = 0;
    while (i < bytes.size()) {
        const uint8_t byte = ByteAt(bytes, i);
        if (byte >= 0x80) {
            return std::nullopt;
        }
        if (byte != '+') {
            text += static_cast<char16_t>(byte);
            i += 1;
            continue;
        }
        if (i + 1 < bytes.size() && bytes[i + 1] == '-') {
            text += u'+';
            i += 2;
            continue;
        }
        // Collect the run's bits as a string of '0' and '1'.
        i += 1;
        std::string bits;
        while (i < bytes.size() && IsBase64(ByteAt(bytes, i))) {
            const size_t value = kBase64.find(bytes[i]);
            for (int bit = 5; bit >= 0; --bit) {
                bits += ((value >> bit) & 1) != 0 ? '1' : '0';
            }
            i += 1;
        }
        const size_t unitCount = bits.size() / 16;
        if (unitCount == 0) {
            return std::nullopt;
        }
        for (size_t u = 0; u < unitCount; ++u) {
            uint32_t unit = 0;
            for (size_t bit = 0; bit < 16; ++bit) {
                unit = unit * 2 + (bits[u * 16 + bit] == '1' ? 1 : 0);
            }
            text += static_cast<char16_t>(unit);
        }
        if (bits.find('1', unitCount * 16) != std::string::npos) {
            return std::nullopt;
        }
        if (i < bytes.size() && bytes[i] == '-') {
            i += 1;
        }
    }
    return text;
}

std::string EncodeUtf7(TextView text, bool withSignature) {
    Text units;
    if (withSignature) {
        units += u'\uFEFF';
    }
    units += text;
    std::string bytes;
    size_t i = 0;
    while (i < units.size()) {
        const uint32_t c = units[i];
        if (IsDirect(c)) {
            bytes += static_cast<char>(c);
            i += 1;
        } else if (c == '+') {
            bytes += "+-";
            i += 1;
        } else {
            // The run: every unit up to the next directly written character or plus sign.
            std::string bits;
            while (i < units.size() && !IsDirect(units[i]) && units[i] != u'+') {
                for (int bit = 15; bit >= 0; --bit) {
                    bits += ((units[i] >> bit) & 1) != 0 ? '1' : '0';
                }
                i += 1;
            }
            while (bits.size() % 6 != 0) {
                bits += '0';
            }
            bytes += '+';
            for (size_t k = 0; k < bits.size(); k += 6) {
                bytes += kBase64[std::stoi(bits.substr(k, 6), nullptr, 2)];
            }
            if (i < units.size() && (IsBase64(units[i]) || units[i] == u'-')) {
                bytes += '-';
            }
        }
    }
    return bytes;
}

Text DecodeUtf16(std::string_view bytes, bool bigEndian) {
    Text text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const uint32_t first = ByteAt(bytes, i);
        const uint32_t second = ByteAt(bytes, i + 1);
        text += static_cast<char16_t>(bigEndian ? first * 256 + second : second * 256 + first);
    }
    return text;
}

std::string EncodeUtf16(TextView text, bool bigEndian) {
    std::string bytes;
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit % 256);
        const char high = static_cast<char>(unit / 256);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

Text DecodeUtf32(std::string_view bytes, bool bigEndian) {
    Text text;
    for (size_t i = 0; i + 3 < bytes.size(); i += 4) {
        uint32_t value = 0;
        for (size_t k = 0; k < 4; ++k) {
            value = value * 256 + ByteAt(bytes, bigEndian ? i + k : i + 3 - k);
        }
        AppendCodePoint(value, text);
    }
    return text;
}

std::string EncodeUtf32(TextView text, bool bigEndian) {
    std::vector<uint32_t> values;
    for (size_t i = 0; i < text.size(); ++i) {
        const uint32_t unit = text[i];
        if (IsLow(unit)) {
            continue;
        }
        if (IsHigh(unit)) {
            if (i + 1 < text.size() && IsLow(text[i + 1])) {
                values.push_back(0x10000 + (unit - 0xD800) * 1024 + (text[i + 1] - 0xDC00));
            } else {
                values.push_back('?');
            }
        } else {
            values.push_back(unit);
        }
    }
    std::string bytes;
    for (const uint32_t value : values) {
        for (int k = 0; k < 4; ++k) {
            const int shift = bigEndian ? 24 - 8 * k : 8 * k;
            bytes += static_cast<char>((value >> shift) & 0xFF);
        }
    }
    return bytes;
}

Text DecodeWindows1252(std::string_view bytes) {
    Text text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const uint8_t byte = ByteAt(bytes, i);
        text += byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : char16_t{byte};
    }
    return text;
}

std::string EncodeWindows1252(TextView text) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHigh(unit) && i + 1 < text.size() && IsLow(text[i + 1])) {
            bytes += '?';
            ++i;
            continue;
        }
        char byte = '?';
        for (int b = 0; b < 256; ++b) {
            const char16_t mapped =
                b >= 0x80 && b <= 0x9F ? kWindows1252High[b - 0x80] : static_cast<char16_t>(b);
            if (mapped == unit) {
                byte = static_cast<char>(b);
                break;
            }
        }
        bytes += byte;
    }
    return bytes;
}

}  // namespace lexorim::reference
