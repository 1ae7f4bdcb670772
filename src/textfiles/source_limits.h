#pragma once
// The one size limit for any text the program builds from one source: a file or standard
// input (in bytes), a part unpacked from a document container (in bytes) and the text a
// document expands to (in UTF-16 code units, repeated blanks included). A source above it is
// refused with a "too large" error instead of exhausting the machine.

#include <cstddef>

namespace lexorim {

inline constexpr size_t kMaxSourceSize = size_t{64} * 1024 * 1024;

}  // namespace lexorim
