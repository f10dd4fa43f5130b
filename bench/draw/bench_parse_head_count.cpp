// How long the parser takes on the entries people type, and on the long and extreme ones that
// take the exact big-number path.
#include <benchmark/benchmark.h>

#include "draw/draw.h"

namespace {

void ParseEntry(benchmark::State& state, const char* entry) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(draw::ParseHeadCount(entry));
    }
}

// Typical entries: a small head count, typed in ASCII or in full-width digits.
BENCHMARK_CAPTURE(ParseEntry, ascii_10, "10");
BENCHMARK_CAPTURE(ParseEntry, ascii_40000, "40000");
BENCHMARK_CAPTURE(ParseEntry, full_width_12, "\xA3\xB1\xA3\xB2");
BENCHMARK_CAPTURE(ParseEntry, spaces_and_text, "  120 people");
BENCHMARK_CAPTURE(ParseEntry, fraction_3_9, "3.9");
// Entries that need the exact conversion.
BENCHMARK_CAPTURE(ParseEntry, exponent_1e10, "1e10");
BENCHMARK_CAPTURE(ParseEntry, long_fraction, "0.123456789012345678901234");
BENCHMARK_CAPTURE(ParseEntry, largest_double, "1.7976931348623157e308");
BENCHMARK_CAPTURE(ParseEntry, tiny_subnormal, "4.9406564584124654e-324");

}  // namespace

BENCHMARK_MAIN();
