#pragma once
// The byte-level converters behind reading and writing text files. Each decoder turns the
// bytes of one encoding (without any signature) into UTF-16; each encoder appends the bytes of
// a UTF-16 text to a byte string.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/text_helpers.h"

namespace lexorim {

constexpr bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// UTF-8 as this program reads it: one byte below 0x80 is one character; any other byte leads a
// sequence of three bytes when its bit 0x20 is set and of two bytes otherwise, built from the
// low six bits of every byte and cut to 16 bits. A well-formed four-byte sequence (lead F0..F4,
// value U+10000..U+10FFFF) becomes its surrogate pair. Gives nothing when a continuation byte
// is outside 0x80..0xBF or the data ends inside a sequence.
std::optional<Text> DecodeUtf8(std::string_view bytes);

// The same reading for a file read in parts: appends the text of `bytes` and gives the number of
// bytes used, or kUtf8Invalid. Unless `isLast`, it stops before a sequence that may go on in the
// next part; the caller puts those (at most three) bytes in front of the next part.
inline constexpr size_t kUtf8Invalid = static_cast<size_t>(-1);
size_t DecodeUtf8Part(std::string_view bytes, bool isLast, Text& text);
// The same into `out`, which has room for bytes.size() units; `written` gets how many it wrote.
size_t DecodeUtf8Into(std::string_view bytes, bool isLast, char16_t* out, size_t& written);

// UTF-8 of every code unit on its own, except that a valid surrogate pair is written as one
// four-byte sequence; lone surrogates stay three-byte sequences so that they read back.
void AppendUtf8(TextView text, std::string& out);

// Strict UTF-7 (RFC 2152). Gives nothing for a byte of 0x80 or above, a shifted run without a
// code unit, or a run whose leftover bits are not zero.
std::optional<Text> DecodeUtf7(std::string_view bytes);

// UTF-7 with the directly written characters of Set D, Set O, blank, tab, CR and LF, "+-" for
// the plus sign and base64 runs for everything else. With `withSignature` U+FEFF leads the
// text (and so shares the first run).
void AppendUtf7(TextView text, bool withSignature, std::string& out);

// Windows-1252, the stand-in for the system's ANSI code page. The five bytes it leaves
// undefined read as the C1 control characters of the same value and are written back as such;
// characters it lacks are written as "?".
Text DecodeWindows1252(std::string_view bytes);
void AppendWindows1252(TextView text, std::string& out);

// UTF-16 code units from byte pairs; an odd last byte is ignored.
Text DecodeUtf16(std::string_view bytes, bool bigEndian);
void AppendUtf16(TextView text, bool bigEndian, std::string& out);

// UTF-32 units (bytes of an incomplete last unit are ignored); a unit that is no code point
// reads as "?".
Text DecodeUtf32(std::string_view bytes, bool bigEndian);
// Code points of the text as 4-byte units: a high surrogate without its low surrogate becomes
// "?", a lone low surrogate is left out.
void AppendUtf32(TextView text, bool bigEndian, std::string& out);

}  // namespace lexorim
