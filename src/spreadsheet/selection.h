#pragma once
// The position of Excel's selection in its answer to the item "SELECTION",
// for example [Mappe1]Tabelle1!Z3S2 or, for a range, ...!Z12S3:Z14S5 (the
// first cell counts). The letters are always Z and S.
#include <optional>
#include <string_view>

namespace quillmar::spreadsheet {

struct CellPosition {
    int row = 0;     // 1-based
    int column = 0;  // 1-based
    friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

// Nothing when the answer holds no row and column number.
std::optional<CellPosition> parseSelection(std::string_view answer);

} // namespace quillmar::spreadsheet
