#include "spreadsheet/server/sheet.h"

#include "spreadsheet/server/formula_eval.h"

#include <algorithm>
#include <set>

namespace quillmar::spreadsheet::server {

Sheet::Sheet(std::string name) : name_(std::move(name)) {}

bool Sheet::setInput(CellAddress at, std::string_view text)
{
    if (!insideSheet(at.row, at.column))
        return false;
    if (text.empty()) {
        cells_.erase(at);
        recalculate();
        return true;
    }
    Cell cell;
    cell.input = std::string(text);
    if (text.front() == '=') {
        cell.formula = parseFormula(text.substr(1));
        if (!cell.formula)
            return false;
    } else if (text.front() == '\'') {
        cell.value = CellValue::ofText(std::string(text.substr(1)));
    } else if (const auto number = parseNumber(text)) {
        cell.value = CellValue::ofNumber(*number);
    } else {
        cell.value = CellValue::ofText(std::string(text));
    }
    cells_[at] = std::move(cell);
    recalculate();
    return true;
}

std::string Sheet::input(CellAddress at) const
{
    const auto it = cells_.find(at);
    return it == cells_.end() ? std::string() : it->second.input;
}

CellValue Sheet::value(CellAddress at) const
{
    computeIfDirty();
    const auto it = cells_.find(at);
    return it == cells_.end() ? CellValue::empty() : it->second.value;
}

const FormulaNode* Sheet::formula(CellAddress at) const
{
    const auto it = cells_.find(at);
    return it == cells_.end() ? nullptr : it->second.formula.get();
}

std::vector<CellAddress> Sheet::usedCells() const
{
    std::vector<CellAddress> used;
    used.reserve(cells_.size());
    for (const auto& [at, cell] : cells_)
        used.push_back(at);
    return used;
}

std::vector<CellAddress> Sheet::cellsIn(CellAddress first, CellAddress last) const
{
    std::vector<CellAddress> inside;
    for (const auto& [at, cell] : cells_)
        if (at.row >= first.row && at.row <= last.row && at.column >= first.column && at.column <= last.column)
            inside.push_back(at);
    return inside;
}

std::string Sheet::rangeAsText(CellAddress first, CellAddress last) const
{
    const std::vector<CellAddress> used = cellsIn(first, last);
    int lastRow = first.row;
    int lastColumn = first.column;
    for (const CellAddress& at : used) {
        lastRow = std::max(lastRow, at.row);
        lastColumn = std::max(lastColumn, at.column);
    }
    std::string text;
    for (int r = first.row; r <= lastRow; ++r) {
        for (int c = first.column; c <= lastColumn; ++c) {
            if (c > first.column)
                text += '\t';
            text += displayText(value({r, c}));
        }
        text += '\n';
    }
    return text;
}

CellAddress Sheet::extent() const
{
    CellAddress corner{0, 0};
    const auto widen = [&corner](CellAddress a) {
        corner.row = std::max(corner.row, a.row);
        corner.column = std::max(corner.column, a.column);
    };
    for (const auto& [at, cell] : cells_)
        widen(at);
    for (const auto& [at, style] : styles_)
        widen(at);
    for (const auto& picture : pictures_)
        widen(picture.anchor);
    return corner;
}

void Sheet::select(CellAddress from, CellAddress to)
{
    selection_.active = from;
    selection_.first = {std::min(from.row, to.row), std::min(from.column, to.column)};
    selection_.last = {std::max(from.row, to.row), std::max(from.column, to.column)};
}

CellStyle Sheet::style(CellAddress at) const
{
    const auto it = styles_.find(at);
    return it == styles_.end() ? CellStyle{} : it->second;
}

void Sheet::setStyle(CellAddress at, CellStyle style)
{
    if (style == CellStyle{})
        styles_.erase(at);
    else
        styles_[at] = style;
}

double Sheet::columnWidth(int column) const
{
    const auto it = widths_.find(column);
    return it == widths_.end() ? 10.0 : it->second;
}

void Sheet::setColumnWidth(int column, double width)
{
    widths_[column] = width;
}

void Sheet::addPicture(SheetPicture picture)
{
    pictures_.push_back(std::move(picture));
}

namespace {

void collectReferences(const FormulaNode& n, CellAddress at, std::vector<CellAddress>& out)
{
    if (n.kind == FormulaNode::Kind::reference) {
        if (const auto target = n.ref.resolve(at))
            out.push_back(*target);
        return;
    }
    for (const auto& child : n.children)
        collectReferences(*child, at, out);
}

} // namespace

// Computes every formula anew, each after the formulas it refers to (a depth-first
// walk with an explicit stack, so long chains need no deep recursion). A cell met
// again while its own computation is pending lies on a cycle: it gets an error
// value instead of a value, so a cycle never hangs the sheet.
void Sheet::computeIfDirty() const
{
    if (!dirty_)
        return;
    dirty_ = false;
    enum class State { stale, pending, done };
    std::map<CellAddress, State> state;
    for (auto& [at, cell] : cells_)
        if (cell.formula)
            state[at] = State::stale;

    const CellLookup lookup = [&](CellAddress target) -> CellValue {
        const auto it = cells_.find(target);
        if (it == cells_.end())
            return CellValue::empty();
        if (it->second.formula && state[target] != State::done)
            return CellValue::ofError(CellError::circular);
        return it->second.value;
    };

    std::vector<std::pair<CellAddress, bool>> stack; // cell, its references already pushed
    std::vector<CellAddress> references;
    for (auto& [start, startCell] : cells_) {
        if (!startCell.formula || state[start] != State::stale)
            continue;
        stack.push_back({start, false});
        while (!stack.empty()) {
            const auto [at, expanded] = stack.back();
            Cell& cell = cells_.find(at)->second;
            if (expanded) {
                stack.pop_back();
                cell.value = evaluateFormula(*cell.formula, at, lookup);
                state[at] = State::done;
                continue;
            }
            if (state[at] != State::stale) {
                stack.pop_back();
                continue;
            }
            state[at] = State::pending;
            stack.back().second = true;
            references.clear();
            collectReferences(*cell.formula, at, references);
            for (const CellAddress& r : references) {
                const auto it = cells_.find(r);
                if (it != cells_.end() && it->second.formula && state[r] == State::stale)
                    stack.push_back({r, false});
            }
        }
    }
}

} // namespace quillmar::spreadsheet::server
