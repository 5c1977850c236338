// SPDX-License-Identifier: GPL-3.0-or-later
// Mapping a buffer's pages ahead of its first writes.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <vector>

#include "support/prefault.h"

namespace {

const std::size_t kPage = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));

// How many of the pages from `start` on are in memory.
std::size_t ResidentPages(unsigned char* start, std::size_t pages) {
    std::vector<unsigned char> in(pages);
    if (mincore(start, pages * kPage, in.data()) != 0) return 0;
    std::size_t n = 0;
    for (unsigned char c : in) n += c & 1;
    return n;
}

TEST(Prefault, MapsTheWholePagesOfALargeBufferAndKeepsItsContent) {
    const std::size_t pages = 128, bytes = pages * kPage;
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(p, MAP_FAILED);
    auto* at = static_cast<unsigned char*>(p);
    std::memset(at, 7, 10);  // the first page is in memory already
    ASSERT_EQ(ResidentPages(at, pages), 1u);
    if (!PrefaultForWriting(at + 1, bytes - 2)) GTEST_SKIP() << "this kernel maps pages only on writes";
    // The partly covered last page is left to its first write.
    EXPECT_EQ(ResidentPages(at, pages), pages - 1);
    EXPECT_EQ(ResidentPages(at + bytes - kPage, 1), 0u);
    EXPECT_EQ(at[9], 7);
    EXPECT_EQ(at[bytes / 2], 0);
    EXPECT_FALSE(PrefaultForWriting(at, kPage));  // too small to pay
    EXPECT_FALSE(PrefaultForWriting(nullptr, bytes));
    munmap(p, bytes);
}

}  // namespace
