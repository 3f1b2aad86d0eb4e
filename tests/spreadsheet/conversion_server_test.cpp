// Conversions put into the built-in spreadsheet, saved as .xlsx and recomputed by
// LibreOffice: the spreadsheet computes the value the conversion window shows.
#include "conversion/conversion_state.h"
#include "engine/number_format.h"
#include "conversion/spreadsheet_insertion.h"
#include "spreadsheet/server/server_transport.h"
#include "spreadsheet/server/xlsx_export.h"
#include "doubles/link_fakes.h"
#include "server_fixture.h"
#include "doubles/test_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace quillmar::spreadsheet {
namespace {

using server::testing::TempFolder;
using testing::ManualTimer;

int unitIndex(const conversion::ConversionState& state, const std::string& name)
{
    for (std::size_t i = 0; i < state.units().size(); ++i)
        if (state.units()[i].name == name)
            return static_cast<int>(i);
    ADD_FAILURE() << "no unit " << name;
    return 0;
}

int quantityIndex(const conversion::ConversionState& state, const std::string& name)
{
    for (std::size_t i = 0; i < state.quantities().size(); ++i)
        if (state.quantities()[i].name == name)
            return static_cast<int>(i);
    ADD_FAILURE() << "no quantity " << name;
    return 0;
}

// The cell of a CSV file that LibreOffice wrote (plain numbers, no quotes there).
std::string csvCell(const std::filesystem::path& file, int row, int column)
{
    std::ifstream in(file);
    std::string line;
    for (int r = 1; r <= row && std::getline(in, line); ++r) {
        if (r < row)
            continue;
        std::stringstream fields(line);
        std::string field;
        for (int c = 1; c <= column && std::getline(fields, field, ','); ++c)
            if (c == column)
                return field;
    }
    return "<fehlt>";
}

TEST(ConversionIntoServer, LibreOfficeComputesWhatTheWindowShows)
{
    const std::filesystem::path recalc = quillmar::testing::sourceDir() / "scripts" / "recalc-workbook";
    ASSERT_TRUE(std::filesystem::exists(recalc)) << recalc;
    const std::filesystem::path data = quillmar::testing::dataDir();

    server::SpreadsheetServer spreadsheet;
    ManualTimer timer;
    RecordingMessages messages;
    Link link([&] { return std::make_unique<Conversation>(std::make_unique<server::ServerTransport>(spreadsheet)); },
                   timer, messages);
    conversion::ConversionState state;
    ASSERT_EQ(state.loadQuantityList(data), "");

    struct Case {
        const char* quantity;
        const char* from;
        const char* to;
        const char* value;
        Dialect dialect;
    };
    const Case cases[] = {
        {"Länge", "Zoll (inch)", "Zentimeter", "7,25", Dialect::excelXP},
        // The factor 0,000001 does not fit the factor pattern 0.000.
        {"Länge", "Millimeter", "Kilometer", "12345", Dialect::excelXP},
        {"Masse", "Tonne", "Kilogramm", "2,5", Dialect::older},
        // A table whose first factor is -1.
        {"Geschwindigkeit", "Kilometer je Stunde", "Meter je Sekunde", "90", Dialect::older},
        {"Geschwindigkeit", "Meter je Sekunde", "Knoten", "10", Dialect::excelXP},
    };
    const std::string pattern = "0.0########";
    std::vector<std::string> shown;
    std::vector<std::string> sheetNames; // where each conversion went
    settings::Options options; // factor pattern "0.000"
    options.conversionContent = 0;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        ASSERT_EQ(state.chooseQuantity(quantityIndex(state, c.quantity)), "");
        state.setFromUnit(unitIndex(state, c.from));
        state.setToUnit(unitIndex(state, c.to));
        const conversion::Conversion result = state.convert(c.value, pattern);
        ASSERT_TRUE(result.ok()) << result.error;
        shown.push_back(result.resultText);
        // The first conversion opens a workbook, every further one a sheet of it.
        options.conversionTarget = i == 0 ? 0 : 1;
        ASSERT_EQ(insertIntoSpreadsheet(link, state, c.value, options, c.dialect, data), "");
        const server::Workbook* book = spreadsheet.findWorkbook("Mappe2");
        ASSERT_NE(book, nullptr);
        sheetNames.push_back(book->sheet().name());
    }
    EXPECT_TRUE(messages.shown.empty());

    const server::Workbook* book = spreadsheet.findWorkbook("Mappe2");
    TempFolder folder("quillmar-conversion");
    const auto file = folder.path / "Umrechnung.xlsx";
    ASSERT_EQ(server::saveXlsx(*book, file), "");
    const std::string command =
        "bash \"" + recalc.string() + "\" \"" + file.string() + "\" \"" + (folder.path / "csv").string() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto csv = folder.path / "csv" / ("Umrechnung-" + sheetNames[i] + ".csv");
        ASSERT_TRUE(std::filesystem::exists(csv)) << csv;
        const std::string computed = csvCell(csv, 5, 2);
        char* end = nullptr;
        const long double value = std::strtold(computed.c_str(), &end);
        ASSERT_TRUE(!computed.empty() && *end == '\0') << computed;
        EXPECT_EQ(engine::formatNumber(pattern, value), shown[i]) << cases[i].from << " -> " << cases[i].to;
    }
}

} // namespace
} // namespace quillmar::spreadsheet
