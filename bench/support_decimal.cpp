// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the decimal operations a credit redraw and a deposit perform.
#include <benchmark/benchmark.h>

#include "support/decimal_mask.h"
#include "support/euro_decimal.h"

static void DecimalParse(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(EuroDecimal::Parse("  1234,50"));
}
BENCHMARK(DecimalParse);

static void DecimalAddAndMask(benchmark::State& state) {
    const EuroDecimal stake = EuroDecimal::Parse("0,20");
    EuroDecimal credit = EuroDecimal::Parse("100");
    for (auto _ : state) {
        credit -= stake;
        benchmark::DoNotOptimize(FormatWithMask(credit, "########0,00"));
        credit += stake;
    }
}
BENCHMARK(DecimalAddAndMask);
