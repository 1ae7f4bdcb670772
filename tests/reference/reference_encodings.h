#pragma once
// Plain, literal versions of the text file converters, written for clarity rather than speed.
// The product converters must give exactly the same results.

#include <optional>
#include <string>
#include <string_view>

#include "engine/text_helpers.h"

namespace lexorim::reference {

std::optional<Text> DecodeUtf8(std::string_view bytes);
std::string EncodeUtf8(TextView text);

std::optional<Text> DecodeUtf7(std::string_view bytes);
std::string EncodeUtf7(TextView text, bool withSignature);

Text DecodeUtf16(std::string_view bytes, bool bigEndian);
std::string EncodeUtf16(TextView text, bool bigEndian);

Text DecodeUtf32(std::string_view bytes, bool bigEndian);
std::string EncodeUtf32(TextView text, bool bigEndian);

Text DecodeWindows1252(std::string_view bytes);
std::string EncodeWindows1252(TextView text);

}  // namespace lexorim::reference
