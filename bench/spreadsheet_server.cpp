// The built-in spreadsheet side by side with its peers:
// - a formula written into a cell and computed (parse, recompute the sheet,
//   read the value) against muparser parsing and evaluating the same formula;
// - a whole insertion block sent as macro commands through the transport;
// - saving that block as .xlsx against writing the same cells with plain
//   libxlsxwriter calls (the floor: no A1 conversion, no temporary file).
#include "spreadsheet/server/server_transport.h"
#include "spreadsheet/server/sheet.h"
#include "spreadsheet/server/xlsx_export.h"

#include <benchmark/benchmark.h>
#include <muParser.h>
#include <xlsxwriter.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace quillmar::spreadsheet::server;

namespace {

void BM_SheetFormula(benchmark::State& state)
{
    Sheet sheet("Tabelle1");
    sheet.setInput({1, 1}, "2,5");
    sheet.setInput({2, 1}, "0,75");
    for (auto _ : state) {
        sheet.setInput({3, 1}, "=WURZEL(Z(-2)S)*2+SIN(Z(-1)S)^2-LN(Z(-2)S*3)/7");
        benchmark::DoNotOptimize(sheet.value({3, 1}));
    }
}
BENCHMARK(BM_SheetFormula);

void BM_MuParserFormula(benchmark::State& state)
{
    double a = 2.5, b = 0.75;
    mu::Parser parser;
    parser.DefineVar("a", &a);
    parser.DefineVar("b", &b);
    for (auto _ : state) {
        parser.SetExpr("sqrt(a)*2+sin(b)^2-ln(a*3)/7");
        benchmark::DoNotOptimize(parser.Eval());
    }
}
BENCHMARK(BM_MuParserFormula);

// A formatted formula block of nine quantities: 60 commands, as an insertion sends them.
std::vector<std::string> blockCommands()
{
    std::vector<std::string> commands = {"[New(1)]"};
    const auto put = [&](const std::string& text, int row, int column) {
        commands.push_back("[FORMULA(\"" + text + "\",\"Z" + std::to_string(row) + "S" + std::to_string(column) + "\")]");
    };
    put("Formel", 1, 1);
    put("Eingabe:", 2, 2);
    for (int k = 2; k <= 9; ++k) {
        const int row = 1 + k;
        put("Größe(x" + std::to_string(k) + ")", row, 1);
        put(std::to_string(k) + ",5", row, 2);
        put("Kilometer-km", row, 3);
        put("=Z(0)S(-2)*1000", row, 4);
        put("Meter-m", row, 5);
        commands.push_back("[SELECT(\"Z" + std::to_string(row) + "S2\")]");
    }
    put("Ergebnis:", 11, 2);
    put("Ergebnis(y)", 12, 1);
    std::string sum = "=";
    for (int k = 2; k <= 9; ++k)
        sum += (k > 2 ? "+" : "") + std::string("Z(-") + std::to_string(12 - 1 - k) + ")S(2)";
    put(sum, 12, 2);
    put("Meter-m", 12, 3);
    return commands;
}

void BM_ServerBlock(benchmark::State& state)
{
    const auto commands = blockCommands();
    for (auto _ : state) {
        SpreadsheetServer server;
        ServerTransport link(server);
        link.connect("EXCEL", "System");
        for (const auto& c : commands)
            link.execute(c, false);
        link.connect("Excel", "[Mappe2]Tabelle1");
        benchmark::DoNotOptimize(link.request("Z12S2", 10000));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(commands.size()));
}
BENCHMARK(BM_ServerBlock);

const std::filesystem::path& benchFolder()
{
    static const std::filesystem::path folder = [] {
        auto f = std::filesystem::temp_directory_path() / "quillmar-bench-server";
        std::filesystem::create_directories(f);
        return f;
    }();
    return folder;
}

void BM_SaveXlsx(benchmark::State& state)
{
    SpreadsheetServer server;
    ServerTransport link(server);
    link.connect("EXCEL", "System");
    for (const auto& c : blockCommands())
        link.execute(c, false);
    const Workbook& book = *server.findWorkbook("Mappe2");
    for (auto _ : state)
        benchmark::DoNotOptimize(saveXlsx(book, benchFolder() / "quillmar.xlsx"));
}
BENCHMARK(BM_SaveXlsx)->Unit(benchmark::kMicrosecond);

void BM_PlainLibXlsxWriter(benchmark::State& state)
{
    SpreadsheetServer server;
    ServerTransport link(server);
    link.connect("EXCEL", "System");
    for (const auto& c : blockCommands())
        link.execute(c, false);
    const Sheet& sheet = server.findWorkbook("Mappe2")->sheet();
    // The same cells, prepared outside the timing: A1 formulas with cached values.
    struct Prepared {
        int row, col;
        std::string text;
        double number;
        int kind; // 0 number, 1 text, 2 formula
    };
    std::vector<Prepared> cells;
    for (const auto& at : sheet.usedCells()) {
        const auto v = sheet.value(at);
        if (sheet.formula(at))
            cells.push_back({at.row - 1, at.column - 1, "B3*1000", v.number, 2});
        else if (v.isNumber())
            cells.push_back({at.row - 1, at.column - 1, {}, v.number, 0});
        else
            cells.push_back({at.row - 1, at.column - 1, v.text, 0, 1});
    }
    const std::string file = (benchFolder() / "plain.xlsx").string();
    for (auto _ : state) {
        lxw_workbook* wb = workbook_new(file.c_str());
        lxw_worksheet* ws = workbook_add_worksheet(wb, "Tabelle1");
        for (const auto& c : cells) {
            if (c.kind == 0)
                worksheet_write_number(ws, c.row, c.col, c.number, nullptr);
            else if (c.kind == 1)
                worksheet_write_string(ws, c.row, c.col, c.text.c_str(), nullptr);
            else
                worksheet_write_formula_num(ws, c.row, c.col, c.text.c_str(), nullptr, c.number);
        }
        benchmark::DoNotOptimize(workbook_close(wb));
    }
}
BENCHMARK(BM_PlainLibXlsxWriter)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
