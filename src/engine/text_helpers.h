#pragma once
// Small text helpers shared by every subsystem. Text in memory is UTF-16; lengths and positions
// are UTF-16 code units.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexorim {

using Text = std::u16string;
using TextView = std::u16string_view;

// Replaces every occurrence of `pattern`, scanning from the left without overlaps. The text is
// returned unchanged when it is empty, when the pattern is empty or when pattern and replacement
// are equal.
Text ReplaceAll(TextView text, TextView pattern, TextView replacement);

// Cuts the text at every occurrence of `separator`; the result always has one piece more than
// the text has separators (an empty text gives one empty piece).
std::vector<Text> SplitAt(TextView text, TextView separator);

// Same cut as SplitAt, as views into `text` (which must outlive them).
std::vector<TextView> SplitViewsAt(TextView text, TextView separator);

// The value of a text that reads as a 32-bit signed integer: optional leading blanks, an optional
// sign, then decimal digits or a hexadecimal number written with "$" or "0x"; nothing may follow.
std::optional<int32_t> ParseIntegerText(TextView text);
inline bool IsIntegerText(TextView text) {
    return ParseIntegerText(text).has_value();
}
// The integer value of a numeric box, or `fallback` when the text is not an integer.
int32_t IntegerOr(TextView text, int32_t fallback);

// The value of a hexadecimal digit, or -1 for any other character.
int HexDigitValue(char16_t c);

// One code point as UTF-16: "?" for values above U+10FFFF and for surrogates.
void AppendCodePointAsUtf16(uint32_t codePoint, Text& out);

// Removes blanks and control characters (code units up to U+0020) at both ends.
TextView TrimBlanksAndControls(TextView text);

// The lines of a multi-line text: cut at CR LF, CR or LF. A line break at the very end does not
// start another (empty) line, and an empty text has no lines, as in a text box.
std::vector<TextView> SplitLines(TextView text);
// Whether `holds` is true of one of those lines; it is asked line by line until it is.
bool AnyLine(TextView text, const std::function<bool(TextView)>& holds);
// The position of the first CR or LF at or after `from`; the text's size when there is none.
size_t NextLineBreak(TextView text, size_t from);

Text DecimalText(int64_t value);

// Conversions at the border to the outside world (command line, file names, tests).
Text FromUtf8(std::string_view utf8);
std::string ToUtf8(TextView text);

inline constexpr TextView kCrLf = u"\r\n";

}  // namespace lexorim
