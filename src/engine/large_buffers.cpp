#include "engine/large_buffers.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

namespace lexorim {

void AdviseHugePages(void* data, size_t bytes) {
#if defined(MADV_HUGEPAGE)
    constexpr size_t kHugePage = size_t{2} << 20;
    constexpr size_t kWorthIt = 4 * kHugePage;
    if (bytes < kWorthIt) {
        return;
    }
    // Where free huge pages run short, each further one is made by compacting memory while the
    // program waits for it: past a few hundred megabytes that costs more than the page faults it
    // saves (a 500 MB book took a quarter longer), so only a buffer's front gets them.
    constexpr size_t kMostAdvised = size_t{256} << 20;
    // Only whole huge pages inside the buffer.
    const uintptr_t start = (reinterpret_cast<uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t end =
        (reinterpret_cast<uintptr_t>(data) + std::min(bytes, kMostAdvised)) & ~(kHugePage - 1);
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
