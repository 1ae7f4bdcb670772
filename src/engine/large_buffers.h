#pragma once
// Large texts and byte strings are filled right after they are allocated. Backing them with huge
// pages turns tens of thousands of page faults into a few dozen, which makes reading and writing
// large files several times cheaper. It is only a hint to the system.

#include <cstddef>

namespace lexorim {

// Asks for huge pages for the whole huge pages inside the first 256 MB of a buffer of at least
// 8 MB.
void AdviseHugePages(void* data, size_t bytes);

// Gives the memory of the whole pages inside [begin, end) back to the system once they add up to
// a few megabytes; they read as zeros afterwards. For a large buffer that is read once from front
// to back and not needed again. Returns where the memory still in use starts: `begin` when
// nothing was given back, so the next call starts there again.
const void* ReleaseReadPages(const void* begin, const void* end);

// Reserves room for `count` elements and, for a large buffer, asks for huge pages.
template <class String>
void ReserveLarge(String& buffer, size_t count) {
    buffer.reserve(count);
    AdviseHugePages(buffer.data(), buffer.capacity() * sizeof(buffer[0]));
}

}  // namespace lexorim
