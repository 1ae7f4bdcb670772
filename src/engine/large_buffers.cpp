#include "engine/large_buffers.h"

#include <sys/mman.h>

#include <cstdint>

namespace lexorim {

void AdviseHugePages(void* data, size_t bytes) {
#if defined(MADV_HUGEPAGE)
    constexpr size_t kHugePage = size_t{2} << 20;
    constexpr size_t kWorthIt = 4 * kHugePage;
    if (bytes < kWorthIt) {
        return;
    }
    // Only whole huge pages inside the buffer.
    const uintptr_t start = (reinterpret_cast<uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(kHugePage - 1);
    if (end > start) {
        // Without huge pages the buffer simply stays as it is.
        ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    }
#endif
}

}  // namespace lexorim
