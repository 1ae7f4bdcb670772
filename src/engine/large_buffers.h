#pragma once
// Large texts and byte strings are filled right after they are allocated. Backing them with huge
// pages turns tens of thousands of page faults into a few dozen, which makes reading and writing
// large files several times cheaper. It is only a hint to the system.

#include <cstddef>

namespace lexorim {

// Asks for huge pages for the whole huge pages inside a buffer of at least 8 MB.
void AdviseHugePages(void* data, size_t bytes);

// Reserves room for `count` elements and, for a large buffer, asks for huge pages.
template <class String>
void ReserveLarge(String& buffer, size_t count) {
    buffer.reserve(count);
    AdviseHugePages(buffer.data(), buffer.capacity() * sizeof(buffer[0]));
}

}  // namespace lexorim
