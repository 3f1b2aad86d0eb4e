// Opening the collection tables, side by side with a plain SELECT * of the same
// files through the SQLite C API, on a synthetic collection of 20,000 formula
// records and 5,000 quantities.
#include "collection/table_file.h"
#include "collection/table_layouts.h"
#include "collection/collection_tables.h"
#include "support/messages.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <string>

namespace fs = std::filesystem;
using namespace quillmar;
using namespace quillmar::collection;

namespace {

constexpr int kFormulas = 20000;
constexpr int kQuantities = 5000;

// Builds the synthetic collection once, in a temporary data folder.
const fs::path& dataFolder()
{
    static const fs::path folder = [] {
        const fs::path dir = fs::temp_directory_path() / "quillmar-bench-collection";
        fs::remove_all(dir);
        fs::create_directories(dir / "daten");

        Table q = makeQuantityTable();
        for (int i = 1; i <= kQuantities; ++i) {
            q.addLoadedRecord({static_cast<double>(i), "Größe Nummer " + std::to_string(i), "x\\i(" + std::to_string(i) + ")",
                               std::string("m/s\\u(2)"), std::string("kg·m/s\\u(2)"), std::string("Meter je Sekunde"),
                               i % 3 == 0 ? Value{std::string("laenge.cds")} : Value{}, std::string("v").append(std::to_string(i)),
                               i % 50 == 0 ? Value{std::string("9,80665")} : Value{}});
        }
        q.sortRecords();
        Table f = makeFormulaTable();
        for (int i = 0; i < kFormulas; ++i) {
            Record r(f.fieldCount());
            r[0] = "Gebiet " + std::to_string(i / 2000);
            r[1] = "Thema " + std::to_string(i / 100);
            r[2] = "Formel " + std::to_string(i / 4) + " über die Bewegung";
            r[3] = "v\\i(1)=\\f(s\\i(2);t\\i(3))+a\\d()t\\u(2)-\\r(x\\i(" + std::to_string(i) + "))";
            if (i % 10 == 0)
                r[4] = std::string("bild") + std::to_string(i) + "#10#20";
            r[5] = "v1=s2/t3+a*t^2-SQRT(x" + std::to_string(i) + ")";
            if (i % 4 == 0)
                r[6] = std::string("Ein Beispiel mit etwas Text, wie es im Editor steht.");
            for (int m = 0; m < 5; ++m)
                r[kFirstQuantityField + static_cast<std::size_t>(m)] = std::int64_t{(i * 7 + m) % kQuantities + 1};
            r[f.fieldCount() - 2] = std::int64_t{i};
            r[f.fieldCount() - 1] = std::int64_t{i};
            f.addLoadedRecord(std::move(r));
        }
        f.sortRecords();
        if (!saveTable(dir / "daten" / "GROESSEN.cds", q).empty() || !saveTable(dir / "daten" / "formel.cds", f).empty())
            std::abort();
        return dir;
    }();
    return folder;
}

// The peer: every row and column of the records table, read through the C API.
std::size_t plainSelect(const fs::path& file)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM records", -1, &st, nullptr);
    const int columns = sqlite3_column_count(st);
    std::size_t seen = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(st, c)) {
            case SQLITE_INTEGER:
                seen += static_cast<std::size_t>(sqlite3_column_int64(st, c));
                break;
            case SQLITE_FLOAT:
                seen += static_cast<std::size_t>(sqlite3_column_double(st, c));
                break;
            case SQLITE_TEXT:
                benchmark::DoNotOptimize(sqlite3_column_text(st, c));
                seen += static_cast<std::size_t>(sqlite3_column_bytes(st, c));
                break;
            default:
                break;
            }
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return seen;
}

// Opening one table of the synthetic collection into memory.
void openTable(benchmark::State& state, const char* fileName, int records)
{
    const fs::path file = dataFolder() / "daten" / fileName;
    for (auto _ : state) {
        Table t;
        if (!loadTable(file, t).empty())
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(t.recordCount());
        // Freeing the records is not part of opening.
        state.PauseTiming();
        t = Table();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * records);
}

// The peer: a plain SELECT * of the same file through the SQLite C API.
void plainSelectTable(benchmark::State& state, const char* fileName, int records)
{
    const fs::path file = dataFolder() / "daten" / fileName;
    for (auto _ : state)
        benchmark::DoNotOptimize(plainSelect(file));
    state.SetItemsProcessed(state.iterations() * records);
}

void BM_OpenFormulaTable(benchmark::State& state) { openTable(state, "formel.cds", kFormulas); }
void BM_PlainSelectFormulaTable(benchmark::State& state) { plainSelectTable(state, "formel.cds", kFormulas); }
void BM_OpenQuantityTable(benchmark::State& state) { openTable(state, "GROESSEN.cds", kQuantities); }
void BM_PlainSelectQuantityTable(benchmark::State& state) { plainSelectTable(state, "GROESSEN.cds", kQuantities); }

// What start-up does: the collection opens both tables.
void BM_OpenBothTables(benchmark::State& state)
{
    SilentMessages silent;
    for (auto _ : state) {
        auto d = std::make_unique<CollectionTables>();
        if (!d->open(dataFolder(), silent))
            state.SkipWithError("CollectionTables::open failed");
        benchmark::DoNotOptimize(d->formulas.recordCount());
        state.PauseTiming();
        d.reset();
        state.ResumeTiming();
    }
}

void BM_PlainSelectBothTables(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(plainSelect(dataFolder() / "daten" / "GROESSEN.cds"));
        benchmark::DoNotOptimize(plainSelect(dataFolder() / "daten" / "formel.cds"));
    }
}

} // namespace

BENCHMARK(BM_OpenFormulaTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainSelectFormulaTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenQuantityTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainSelectQuantityTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenBothTables)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainSelectBothTables)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
