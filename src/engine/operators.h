#pragma once
// The operator codes of compiled programs, their precedence and the names of the
// built-in functions.
#include <cstdint>
#include <string_view>

namespace quillmar::engine {

enum OperatorCode : std::uint16_t {
    opAdd = 1,
    opSubtract = 2,
    opDivide = 3,
    opMultiply = 4,
    opOpen = 5,
    opClose = 6,
    opNegate = 7,
    opPower = 8,
    opLn = 9,
    opSqr = 10,
    opCos = 11,
    opSin = 12,
    opTan = 13,
    opExp = 14,
    opAbs = 15,
    opSgn = 16,
    opRad = 17,
    opGrad = 18,
    opCot = 19,
    opFak = 20,
    opSqrt = 21,
    opArccos = 22,
    opArcsin = 23,
    opArctan = 24,
    opArccot = 25,
    opLg = 26,
    opCall = 27, // a stored function
};

// A higher number binds tighter. The closing parenthesis is never compared.
constexpr int precedence(std::uint16_t code)
{
    switch (code) {
    case opAdd:
    case opSubtract:
    case opNegate:
        return 2;
    case opDivide:
    case opMultiply:
        return 3;
    case opOpen:
    case opClose:
        return 0;
    case opPower:
        return 5;
    default:
        return 4; // the functions, built-in and stored
    }
}

// Operators that take two values from the stack; all others but the
// parentheses take one.
constexpr bool isBinary(std::uint16_t code)
{
    return code == opAdd || code == opSubtract || code == opDivide || code == opMultiply || code == opPower;
}

struct BuiltinFunction {
    std::string_view token; // the name with its opening parenthesis
    OperatorCode code;
};

// Tested in this order as beginnings of the text; the first that matches wins.
inline constexpr BuiltinFunction kBuiltinFunctions[] = {
    {"LG(", opLg},         {"LN(", opLn},         {"SQR(", opSqr},       {"COS(", opCos},
    {"SIN(", opSin},       {"TAN(", opTan},       {"EXP(", opExp},       {"ABS(", opAbs},
    {"SGN(", opSgn},       {"RAD(", opRad},       {"GRAD(", opGrad},     {"SQRT(", opSqrt},
    {"ARCCOS(", opArccos}, {"ARCSIN(", opArcsin}, {"ARCTAN(", opArctan}, {"COT(", opCot},
    {"ARCCOT(", opArccot}, {"FAK(", opFak},
};

} // namespace quillmar::engine
