// Number patterns side by side with the C library on comparable output: every
// pattern of the dialog "Zahlenformat" (and those of the evaluator and the fields)
// formats the same 64 values as formatNumber, as snprintf with the printf format
// that gives the nearest text, and as std::to_chars with the same precision.
// formatNumber rounds half away from zero on the exact value and lays digits into
// the pattern; the peers round half to even and know no patterns.
#include "engine/number_format.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using quillmar::Real;

struct Pattern {
    const char* pattern;
    const char* printfFormat;   // the nearest printf conversion
    std::chars_format charsFormat;
    int precision;
};

const Pattern kPatterns[] = {
    {"0.0", "%.1Lf", std::chars_format::fixed, 1},
    {"0.00", "%.2Lf", std::chars_format::fixed, 2},
    {"0.000", "%.3Lf", std::chars_format::fixed, 3},
    {"0.0000", "%.4Lf", std::chars_format::fixed, 4},
    {"0.000000", "%.6Lf", std::chars_format::fixed, 6},
    {"0.0E-0", "%.1LE", std::chars_format::scientific, 1},
    {"0.00E-0", "%.2LE", std::chars_format::scientific, 2},
    {"0.000E-0", "%.3LE", std::chars_format::scientific, 3},
    {"0.000E-00", "%.3LE", std::chars_format::scientific, 3},
    {"0.0000000E-00", "%.7LE", std::chars_format::scientific, 7},
    {"##0.######", "%.6Lf", std::chars_format::fixed, 6},
    {"##0.#########E-00", "%.9LE", std::chars_format::scientific, 9},
    {"#.##e+##", "%.2Le", std::chars_format::scientific, 2},
    {"000.00", "%06.2Lf", std::chars_format::fixed, 2},
    {"#,##0.00", "%.2Lf", std::chars_format::fixed, 2},
    {"", "%.15Lg", std::chars_format::general, 15},
};
constexpr int kPatternCount = static_cast<int>(std::size(kPatterns));

// Values of both signs from 1e-7 to 1e14 with all digits in use.
const std::vector<Real>& values()
{
    static const std::vector<Real> list = [] {
        std::vector<Real> v;
        for (int i = 0; i < 64; ++i) {
            const Real magnitude = std::pow(10.0L, static_cast<Real>(i % 22 - 7));
            v.push_back((i % 2 ? -1 : 1) * 1.2345678901234567L * magnitude * (1 + i / 64.0L));
        }
        return v;
    }();
    return list;
}

void label(benchmark::State& state, const Pattern& p)
{
    state.SetLabel(*p.pattern ? p.pattern : "(general)");
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(values().size()));
}

void Pattern_formatNumber(benchmark::State& state)
{
    const Pattern& p = kPatterns[state.range(0)];
    for (auto _ : state)
        for (Real v : values())
            benchmark::DoNotOptimize(quillmar::engine::formatNumber(p.pattern, v));
    label(state, p);
}

void Pattern_snprintf(benchmark::State& state)
{
    const Pattern& p = kPatterns[state.range(0)];
    std::array<char, 128> buffer{};
    for (auto _ : state)
        for (Real v : values()) {
            // A std::string as the result, like formatNumber gives.
            const int n = std::snprintf(buffer.data(), buffer.size(), p.printfFormat, v);
            benchmark::DoNotOptimize(std::string(buffer.data(), static_cast<std::size_t>(n)));
        }
    label(state, p);
}

void Pattern_to_chars(benchmark::State& state)
{
    const Pattern& p = kPatterns[state.range(0)];
    std::array<char, 128> buffer{};
    for (auto _ : state)
        for (Real v : values()) {
            const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, p.charsFormat, p.precision);
            benchmark::DoNotOptimize(std::string(buffer.data(), r.ptr));
        }
    label(state, p);
}

} // namespace

BENCHMARK(Pattern_formatNumber)->DenseRange(0, kPatternCount - 1);
BENCHMARK(Pattern_snprintf)->DenseRange(0, kPatternCount - 1);
BENCHMARK(Pattern_to_chars)->DenseRange(0, kPatternCount - 1);

BENCHMARK_MAIN();
