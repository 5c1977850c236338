// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fresh memory is mapped a page at a time, on the first write to each page, every page a trap
// into the kernel (dear on a virtual machine). Asked for beforehand, a large buffer is mapped
// in one call. Only the whole pages inside the buffer; small buffers are left alone.
#include <cstddef>

// True when the pages were mapped; false for a small buffer or where the kernel cannot
// (Linux before 5.14, other systems): the first writes map them as usual.
bool PrefaultForWriting(void* data, std::size_t bytes);
