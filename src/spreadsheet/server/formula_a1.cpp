#include "spreadsheet/server/formula_a1.h"

#include "spreadsheet/server/functions.h"

#include <charconv>

namespace quillmar::spreadsheet::server {

std::string roundTripNumber(double value)
{
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    std::string s(buf, ec == std::errc() ? end : buf);
    for (char& c : s)
        if (c == 'e')
            c = 'E';
    return s;
}

namespace {

void write(const FormulaNode& n, CellAddress at, std::string& out)
{
    using K = FormulaNode::Kind;
    switch (n.kind) {
    case K::number:
        out += roundTripNumber(n.number);
        return;
    case K::text:
        out += '"';
        for (char c : n.text) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
        return;
    case K::reference: {
        const auto target = n.ref.resolve(at);
        if (!target) {
            out += "#REF!";
            return;
        }
        if (!n.ref.column.relative)
            out += '$';
        out += columnLetters(target->column);
        if (!n.ref.row.relative)
            out += '$';
        out += std::to_string(target->row);
        return;
    }
    case K::name:
        // Written as the error it computes to: a name such as t2 would read as a
        // cell reference in A1 notation.
        out += "#NAME?";
        return;
    case K::group:
        out += '(';
        write(*n.children[0], at, out);
        out += ')';
        return;
    case K::plus:
    case K::negate:
        out += n.kind == K::plus ? '+' : '-';
        write(*n.children[0], at, out);
        return;
    case K::percent:
        write(*n.children[0], at, out);
        out += '%';
        return;
    case K::binary:
        write(*n.children[0], at, out);
        out += n.op;
        write(*n.children[1], at, out);
        return;
    case K::call:
        out += n.function ? std::string(n.function->fileName) : upperName(n.text);
        out += '(';
        for (std::size_t i = 0; i < n.children.size(); ++i) {
            if (i > 0)
                out += ',';
            write(*n.children[i], at, out);
        }
        out += ')';
        return;
    }
}

} // namespace

std::string formulaToA1(const FormulaNode& formula, CellAddress at)
{
    std::string out;
    write(formula, at, out);
    return out;
}

} // namespace quillmar::spreadsheet::server
