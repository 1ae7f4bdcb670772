#pragma once
// Codes of text file encodings, shared by reading and writing.

#include <cstdint>

#include "engine/text_helpers.h"

namespace lexorim {

using TextEncoding = int32_t;

namespace encoding {
inline constexpr TextEncoding kAnsi = 0;  // Windows-1252
inline constexpr TextEncoding kUtf16Le = 1200;
inline constexpr TextEncoding kUtf16Be = 1201;
inline constexpr TextEncoding kUtf7Ansi = 64999;  // UTF-7 written without signature
inline constexpr TextEncoding kUtf7 = 65000;
inline constexpr TextEncoding kUtf8 = 65001;
inline constexpr TextEncoding kUtf8Bom = 65002;
inline constexpr TextEncoding kUtf32Le = 65005;
inline constexpr TextEncoding kUtf32Be = 65006;
}  // namespace encoding

// "ANSI", "UTF-16 LE", ... ; empty for a code that is not known.
Text EncodingName(TextEncoding code);

}  // namespace lexorim
