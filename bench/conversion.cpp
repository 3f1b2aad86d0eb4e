// One conversion of the conversion window, measured against its bare arithmetic.
//   BM_WindowConversion: ConversionState::convert on the bundled length table: the
//     value text read as a number, the three factor texts read, the direction rule,
//     the result formatted with "0.000" and the markup built.
//   BM_PeerMultiplyPrintf: the same result from factors read once in advance: one
//     multiplication and snprintf("%.3Lf"); what is left when nothing is read.
//   BM_ToolUnitLookup: what `quillmar umrechnen` does before converting: the
//     quantity list and every bundled unit table read from their files.
// Run from the build folder (it finds bin/daten), or set QUILLMAR_DATA_DIR.
#include "collection/table_layouts.h"
#include "conversion/conversion_state.h"
#include "conversion/direction_rule.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

using quillmar::Real;
namespace conv = quillmar::conversion;

std::filesystem::path dataFolder()
{
    if (const char* dir = std::getenv("QUILLMAR_DATA_DIR"))
        return dir;
    return std::filesystem::current_path() / "bin";
}

conv::ConversionState lengthTable()
{
    conv::ConversionState state;
    if (!state.loadQuantityList(dataFolder()).empty() || !state.chooseQuantity(0).empty())
        std::abort();
    state.setFromUnit(7); // inch
    state.setToUnit(2);   // centimetre
    return state;
}

void BM_WindowConversion(benchmark::State& s)
{
    conv::ConversionState state = lengthTable();
    for (auto _ : s) {
        const conv::Conversion c = state.convert("7,25", "0.000");
        benchmark::DoNotOptimize(c.markup.data());
    }
}
BENCHMARK(BM_WindowConversion);

void BM_PeerMultiplyPrintf(benchmark::State& s)
{
    const conv::ConversionState state = lengthTable();
    Real k = 0;
    if (!state.factor(k).empty())
        std::abort();
    Real value = 7.25L;
    benchmark::DoNotOptimize(value);
    char text[64];
    for (auto _ : s) {
        std::snprintf(text, sizeof text, "%.3Lf", value * k);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_PeerMultiplyPrintf);

void BM_ToolUnitLookup(benchmark::State& s)
{
    const std::filesystem::path prefix = dataFolder();
    for (auto _ : s) {
        conv::ConversionState state;
        if (!state.loadQuantityList(prefix).empty())
            std::abort();
        std::size_t units = 0;
        for (const conv::QuantityEntry& q : state.quantities()) {
            std::vector<conv::Unit> table;
            conv::loadUnits(quillmar::collection::unitTableFile(prefix, q.datei), table);
            units += table.size();
        }
        benchmark::DoNotOptimize(units);
    }
}
BENCHMARK(BM_ToolUnitLookup)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
