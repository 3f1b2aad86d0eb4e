#include "spreadsheet/server/formula_eval.h"

#include "spreadsheet/server/functions.h"

#include <cmath>

namespace quillmar::spreadsheet::server {

namespace {

// Sums and differences that cancel to within the last bits are exactly zero,
// as spreadsheet programs compute them (0,1+0,2-0,3 is 0).
double approxSum(double a, double b)
{
    const double sum = a + b;
    if ((a < 0) != (b < 0) && a != 0 && b != 0) {
        const double larger = std::fmax(std::fabs(a), std::fabs(b));
        if (std::fabs(sum) < larger * 0x1p-48)
            return 0.0;
    }
    return sum;
}

CellValue finite(double x)
{
    if (!std::isfinite(x))
        return CellValue::ofError(CellError::num);
    return CellValue::ofNumber(x);
}

// The operand as a number: an empty cell counts 0, a text is an operand error.
CellValue asNumber(const CellValue& v)
{
    switch (v.kind) {
    case CellValue::Kind::empty: return CellValue::ofNumber(0.0);
    case CellValue::Kind::number:
    case CellValue::Kind::error: return v;
    case CellValue::Kind::text: {
        if (const auto n = parseNumber(v.text))
            return CellValue::ofNumber(*n);
        return CellValue::ofError(CellError::value);
    }
    }
    return CellValue::ofError(CellError::value);
}

CellValue binary(char op, double a, double b)
{
    switch (op) {
    case '+': return finite(approxSum(a, b));
    case '-': return finite(approxSum(a, -b));
    case '*': return finite(a * b);
    case '/':
        if (b == 0)
            return CellValue::ofError(CellError::divByZero);
        return finite(a / b);
    case '^':
        if (a == 0 && b == 0)
            return CellValue::ofError(CellError::num);
        if (a == 0 && b < 0)
            return CellValue::ofError(CellError::divByZero);
        return finite(std::pow(a, b));
    }
    return CellValue::ofError(CellError::value);
}

class Evaluator {
public:
    Evaluator(CellAddress at, const CellLookup& lookup) : at_(at), lookup_(lookup) {}

    CellValue eval(const FormulaNode& n)
    {
        using K = FormulaNode::Kind;
        switch (n.kind) {
        case K::number: return CellValue::ofNumber(n.number);
        case K::text: return CellValue::ofText(n.text);
        case K::reference: {
            const auto target = n.ref.resolve(at_);
            if (!target)
                return CellValue::ofError(CellError::ref);
            return lookup_(*target);
        }
        case K::name: return CellValue::ofError(CellError::name);
        case K::group: return eval(*n.children[0]);
        case K::plus: return eval(*n.children[0]);
        case K::negate: {
            const CellValue v = asNumber(eval(*n.children[0]));
            return v.isError() ? v : CellValue::ofNumber(-v.number);
        }
        case K::percent: {
            const CellValue v = asNumber(eval(*n.children[0]));
            return v.isError() ? v : CellValue::ofNumber(v.number / 100.0);
        }
        case K::binary: {
            const CellValue a = asNumber(eval(*n.children[0]));
            if (a.isError())
                return a;
            const CellValue b = asNumber(eval(*n.children[1]));
            if (b.isError())
                return b;
            return binary(n.op, a.number, b.number);
        }
        case K::call: {
            if (!n.function)
                return CellValue::ofError(CellError::name);
            double argument = 0;
            if (!n.children.empty()) {
                const CellValue v = asNumber(eval(*n.children[0]));
                if (v.isError())
                    return v;
                argument = v.number;
            }
            return n.function->apply(argument);
        }
        }
        return CellValue::ofError(CellError::value);
    }

private:
    CellAddress at_;
    const CellLookup& lookup_;
};

} // namespace

CellValue evaluateFormula(const FormulaNode& formula, CellAddress at, const CellLookup& lookup)
{
    CellValue result = Evaluator(at, lookup).eval(formula);
    // A formula that is just a reference to an empty cell shows 0.
    if (result.kind == CellValue::Kind::empty)
        return CellValue::ofNumber(0.0);
    return result;
}

} // namespace quillmar::spreadsheet::server
