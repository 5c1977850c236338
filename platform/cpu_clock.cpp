// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cpu_clock.h"

#include <algorithm>
#include <cctype>
#include <locale>
#include <fstream>
#include <sstream>
#include <string>


#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <x86intrin.h>
#endif

namespace {

constexpr int kMeasureMs = 500;
constexpr double kTicksPerMHz = 500000.0;  // ticks in 500 ms at 1 MHz

}  // namespace

double SystemEstimateMHz() {
    std::ifstream in("/proc/cpuinfo");
    std::ostringstream text;
    text << in.rdbuf();
    return CpuInfoMHz(text.str()).value_or(0.0);
}

std::optional<uint64_t> ReadTimeStampCounter() {
#if defined(__x86_64__) || defined(__i386__)
    constexpr unsigned kCpuidTscBit = 1u << 4;  // leaf 1, EDX: the processor has a time-stamp counter
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) && (edx & kCpuidTscBit)) return __rdtsc();
#endif
    return std::nullopt;
}

double ClockMHzFromCounter(uint64_t before, uint64_t after) {
    const uint32_t ticks = static_cast<uint32_t>(after) - static_cast<uint32_t>(before);
    return ticks / kTicksPerMHz;
}

std::optional<double> CpuInfoMHz(std::string_view cpuinfo) {
    std::istringstream lines{std::string(cpuinfo)};
    for (std::string line; std::getline(lines, line);) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos || line.rfind("cpu MHz", 0) != 0) continue;
        // The classic locale, unlike stod, ignores the user's decimal separator.
        const std::size_t start = std::min(line.find_first_not_of(" \t", colon + 1), line.size());
        std::istringstream number(line.substr(start));
        number.imbue(std::locale::classic());
        double mhz = 0;
        if (!std::isdigit(static_cast<unsigned char>(line[start])) || !(number >> mhz)) return std::nullopt;
        return mhz;
    }
    return std::nullopt;
}

double GetCPUSpeed(const ClockProbe& probe) {
    const std::optional<uint64_t> before = probe.readCounter();
    if (!before) return probe.estimateMHz();
    probe.sleep(kMeasureMs);
    return ClockMHzFromCounter(*before, probe.readCounter().value_or(*before));
}
