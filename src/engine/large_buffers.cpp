#include "engine/large_buffers.h"

#include <sys/mman.h>
#include <unistd.h>

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

const void* ReleaseReadPages(const void* begin, const void* end) {
#if defined(MADV_DONTNEED)
    // Only worth a system call for at least a few huge pages' worth.
    constexpr uintptr_t kWorthIt = uintptr_t{4} << 20;
    const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const uintptr_t start = (reinterpret_cast<uintptr_t>(begin) + page - 1) & ~(page - 1);
    const uintptr_t stop = reinterpret_cast<uintptr_t>(end) & ~(page - 1);
    if (stop > start && stop - start >= kWorthIt) {
        // Where the system declines, the memory simply stays in use.
        ::madvise(reinterpret_cast<void*>(start), stop - start, MADV_DONTNEED);
        return reinterpret_cast<const void*>(stop);
    }
#endif
    return begin;
}

}  // namespace lexorim
