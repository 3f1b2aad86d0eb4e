// What the link component adds to each command: filling a block of cells
// through Conversation::putCell (count, pacing, the reference, command text)
// against sending the same ready-made commands straight to the transport.
#include "spreadsheet/commands.h"
#include "doubles/fake_transport.h"
#include "spreadsheet/dialect.h"
#include "spreadsheet/conversation.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quillmar::spreadsheet;

constexpr int kRows = 20;
constexpr int kColumns = 3;  // label, value, unit: a block of several dozen cells

std::unique_ptr<FakeTransport> readyTransport()
{
    auto transport = std::make_unique<FakeTransport>();
    transport->serverRunning = true;
    transport->answer("Status", "Ready");
    return transport;
}

void BM_FillBlockThroughConversation(benchmark::State& state)
{
    auto transport = readyTransport();
    FakeTransport* fake = transport.get();
    Conversation excel(std::move(transport));
    excel.connect();
    for (auto _ : state) {
        for (int r = 1; r <= kRows; ++r)
            for (int c = 1; c <= kColumns; ++c)
                excel.putCell(r, c, "Eingabe:", Dialect::excelXP);
        state.PauseTiming();
        fake->log.clear();
        fake->executed.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_FillBlockThroughConversation);

void BM_FillBlockStraightToTransport(benchmark::State& state)
{
    auto fake = readyTransport();
    fake->connect("EXCEL", "System");
    std::vector<std::string> commands;
    for (int r = 1; r <= kRows; ++r)
        for (int c = 1; c <= kColumns; ++c)
            commands.push_back(commands::formula("Eingabe:", absoluteReference(r, c, Dialect::excelXP)));
    for (auto _ : state) {
        for (const auto& command : commands)
            fake->execute(command, false);
        state.PauseTiming();
        fake->log.clear();
        fake->executed.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_FillBlockStraightToTransport);

} // namespace

BENCHMARK_MAIN();
