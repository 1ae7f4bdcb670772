#pragma once
// The size limits for any text the program builds from one source. A source above its limit is
// refused with a "too large" error instead of exhausting the machine.

#include <cstddef>
#include <string_view>

namespace lexorim {

// A file or standard input, in bytes: a plain text may be a whole book collection.
inline constexpr size_t kMaxTextSourceBytes = size_t{1} << 30;
// The same limit as the messages name it.
inline constexpr std::u16string_view kMaxTextSourceInWords = u"1 GiB";
static_assert(kMaxTextSourceBytes == size_t{1024} * 1024 * 1024, "kMaxTextSourceInWords");

// What a document expands to: a part unpacked from its container (in bytes), the text its
// reader gives (in bytes) and its text with every page (in UTF-16 code units, repeated blanks
// included). A small compressed file can expand without bound, so this limit protects against
// such bombs and stays far below the one for plain text.
inline constexpr size_t kMaxDocumentTextSize = size_t{64} * 1024 * 1024;

}  // namespace lexorim
