#include "spreadsheet/selection.h"

#include <gtest/gtest.h>

namespace quillmar::spreadsheet {
namespace {

TEST(ParseSelection, TakesTheFirstCellOfTheSelection)
{
    const std::vector<std::pair<std::string, std::optional<CellPosition>>> cases = {
        {"[Mappe1]Tabelle1!Z3S2", CellPosition{3, 2}},
        {"[Mappe1]Tabelle1!Z12S3:Z14S5", CellPosition{12, 3}},
        {"[Mappe1]Tabelle1!Z3S2:Z5S4\r\n", CellPosition{3, 2}},
        {"Z7S4", CellPosition{7, 4}},  // no sheet: read from the second character
        {"Excel antwortet nicht", std::nullopt},
        {"", std::nullopt},
        {"[Mappe1]Tabelle1!Z3", std::nullopt},
        {"[Mappe1]Tabelle1!ZS2", std::nullopt},
        {"[Mappe1]Tabelle1!Z3S", std::nullopt},
        {"[Mappe1]Tabelle1!Z0S1", std::nullopt},
        {"[Mappe1]Tabelle1!Z99999999999S1", std::nullopt},
    };
    for (const auto& [answer, position] : cases)
        EXPECT_EQ(parseSelection(answer), position) << answer;
}

} // namespace
} // namespace quillmar::spreadsheet
