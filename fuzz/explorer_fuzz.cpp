// SPDX-License-Identifier: GPL-3.0-or-later
// Orders of player actions from the fuzzer's bytes, played against the whole program on the
// headless backend: any check the explorer makes that fails is a finding.
#include <cstdint>
#include <cstdio>

#include "fuzz/fuzz_check.h"
#include "tests/explorer/explorer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const explorer::Order order = explorer::FromBytes(data, size);
    const explorer::Result result = explorer::Play(order);
    if (!result.failed()) return 0;
    for (const std::string& finding : result.findings) std::fprintf(stderr, "%s\n", finding.c_str());
    std::fprintf(stderr, "%s", explorer::Describe(order).c_str());
    FUZZ_CHECK(!result.failed());
    return 0;
}
