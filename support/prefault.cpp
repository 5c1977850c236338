// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/prefault.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

bool PrefaultForWriting(void* data, std::size_t bytes) {
#ifdef MADV_POPULATE_WRITE
    // Below this, the traps saved do not pay for the call.
    constexpr std::size_t kSmallest = 256 * 1024;
    if (!data || bytes < kSmallest) return false;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1) / page * page;
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) / page * page;
    if (end <= begin) return false;
    return madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE) == 0;
#else
    (void)data;
    (void)bytes;
    return false;
#endif
}
