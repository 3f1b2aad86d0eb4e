#include "engine/compiled_expression.h"

#include "engine/decimal_number.h"
#include "engine/definition_store.h"
#include "engine/operations.h"
#include "engine/operators.h"
#include "engine/texts.h"

#include <cmath>

namespace quillmar::engine {

namespace {

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

CompiledExpression::CompiledExpression(const DefinitionStore& store) : store_(store) {}

void CompiledExpression::append(const ProgramEntry& entry)
{
    if (programCount_ >= kMaxProgram) {
        success_ = false;
        return;
    }
    program_[programCount_++] = entry;
}

void CompiledExpression::pushOperator(std::uint16_t code, Definition* cell)
{
    if (operatorDepth_ >= kMaxOperators) {
        success_ = false;
        return;
    }
    operators_[operatorDepth_++] = {code, cell};
}

void CompiledExpression::closeGroup()
{
    for (;;) {
        if (operatorDepth_ == 0) {
            success_ = false;
            return;
        }
        const PendingOperator top = operators_[--operatorDepth_];
        if (top.code == opOpen)
            return;
        append({ProgramEntry::Kind::operation, Step::unary, top.code, top.cell, 0});
        if (!success_)
            return;
    }
}

void CompiledExpression::applyOperator(std::uint16_t code, Definition* called)
{
    // Operators of equal precedence are taken from left to right.
    for (;;) {
        if (operatorDepth_ == 0) {
            success_ = false;
            return;
        }
        const PendingOperator top = operators_[--operatorDepth_];
        if (precedence(code) > precedence(top.code)) {
            ++operatorDepth_;
            break;
        }
        append({ProgramEntry::Kind::operation, Step::unary, top.code, top.cell, 0});
        if (!success_)
            return;
    }
    pushOperator(code, called);
}

bool CompiledExpression::readOperator(std::string_view text, std::size_t& pos, std::uint16_t& code,
                             Definition*& called) const
{
    switch (text[pos]) {
    case '+': code = opAdd; break;
    case '-': code = opSubtract; break;
    case '*': code = opMultiply; break;
    case '/':
    case ':': code = opDivide; break;
    case '^': code = opPower; break;
    case '(': code = opOpen; break;
    case ')': code = opClose; break;
    default: {
        const std::string_view rest = text.substr(pos);
        if (rest[0] < 'A' || rest[0] > 'Z')
            return false;
        for (const BuiltinFunction& builtin : kBuiltinFunctions) {
            if (rest.starts_with(builtin.token)) {
                code = builtin.code;
                pos += builtin.token.size() - 1; // the "(" is read next
                return true;
            }
        }
        Definition* cell = store_.longestCallAt(rest);
        if (cell == nullptr || !cell->isFunction())
            return false;
        code = opCall;
        called = cell;
        pos += cell->name().size();
        return true;
    }
    }
    ++pos;
    return true;
}

void CompiledExpression::readOperand(std::string_view text, std::size_t& pos, std::string_view parameterName)
{
    const std::string_view rest = text.substr(pos);
    if (!parameterName.empty() && rest.starts_with(parameterName)) {
        append({ProgramEntry::Kind::parameter, Step::pushParameter, 0, nullptr, 0});
        pos += parameterName.size();
        return;
    }
    Definition* cell = store_.longestNameAt(rest);
    if (cell == nullptr || cell->isFunction()) {
        success_ = false;
        return;
    }
    append({ProgramEntry::Kind::cell, Step::pushVariable, 0, cell, 0});
    pos += cell->name().size();
}

bool CompiledExpression::compile(std::string_view body, std::string_view parameterName, std::string_view ownName)
{
    programCount_ = 0;
    operatorDepth_ = 0;
    success_ = true;
    if (body.size() > kMaxBodyBytes)
        return success_ = false;

    char buffer[kMaxBodyBytes + 1];
    std::size_t length = 0;
    for (char c : body)
        buffer[length++] = upper(c);
    buffer[length++] = ')'; // closes the group opened below
    const std::string_view text(buffer, length);

    pushOperator(opOpen, nullptr);
    bool groupStart = true;
    std::size_t pos = 0;
    while (pos < length && success_) {
        std::uint16_t code = 0;
        Definition* called = nullptr;
        Real number = 0;
        if (readOperator(text, pos, code, called)) {
            if (code == opOpen) {
                pushOperator(opOpen, nullptr);
                groupStart = true;
            } else if (code == opClose) {
                closeGroup();
            } else {
                // A minus at the start or directly after "(" negates.
                if (groupStart && code == opSubtract)
                    code = opNegate;
                applyOperator(code, called);
                groupStart = false;
            }
        } else if (scanNumber(text, pos, number)) {
            append({ProgramEntry::Kind::number, Step::pushNumber, 0, nullptr, number});
            groupStart = false;
        } else {
            readOperand(text, pos, parameterName);
            groupStart = false;
        }
    }
    if (operatorDepth_ != 0) // a "(" was not closed
        success_ = false;
    if (!success_ || !check(ownName))
        return false;
    optimize();
    return true;
}

namespace {

Step twoOperandStep(std::uint16_t code, Step add, Step subtract, Step multiply, Step divide, Step power)
{
    switch (code) {
    case opAdd: return add;
    case opSubtract: return subtract;
    case opMultiply: return multiply;
    case opDivide: return divide;
    default: return power;
    }
}

Step stepOf(const ProgramEntry& entry)
{
    switch (entry.kind) {
    case ProgramEntry::Kind::number:
        return Step::pushNumber;
    case ProgramEntry::Kind::parameter:
        return Step::pushParameter;
    case ProgramEntry::Kind::cell:
        return Step::pushVariable;
    case ProgramEntry::Kind::numberOperation:
        return twoOperandStep(entry.code, Step::addN, Step::subtractN, Step::multiplyN, Step::divideN, Step::powerN);
    case ProgramEntry::Kind::parameterOperation:
        return twoOperandStep(entry.code, Step::addP, Step::subtractP, Step::multiplyP, Step::divideP, Step::powerP);
    case ProgramEntry::Kind::operation:
        break;
    }
    if (entry.code == opCall)
        return Step::call;
    if (isBinary(entry.code))
        return twoOperandStep(entry.code, Step::add, Step::subtract, Step::multiply, Step::divide, Step::power);
    return Step::unary;
}

} // namespace

void CompiledExpression::optimize()
{
    // Computes what depends on numbers alone once, here, with the same operations
    // in the same order as a run would, so every value stays the same to the last
    // bit. An operation that fails is kept and fails the run as before.
    int out = 0;
    for (int in = 0; in < programCount_; ++in) {
        const ProgramEntry entry = program_[in];
        if (entry.kind == ProgramEntry::Kind::operation && entry.code != opCall && out > 0) {
            ProgramEntry& right = program_[out - 1];
            Real value = 0;
            if (isBinary(entry.code)) {
                if (out > 1 && right.kind == ProgramEntry::Kind::number
                    && program_[out - 2].kind == ProgramEntry::Kind::number
                    && applyBinary(entry.code, program_[out - 2].number, right.number, value)) {
                    program_[out - 2].number = value;
                    --out;
                    continue;
                }
                if (right.kind == ProgramEntry::Kind::number) {
                    right.kind = ProgramEntry::Kind::numberOperation;
                    right.code = entry.code;
                    continue;
                }
                if (right.kind == ProgramEntry::Kind::parameter) {
                    right.kind = ProgramEntry::Kind::parameterOperation;
                    right.code = entry.code;
                    continue;
                }
            } else if (right.kind == ProgramEntry::Kind::number && applyUnary(entry.code, right.number, value)) {
                right.number = value;
                continue;
            }
        }
        program_[out++] = entry;
    }
    programCount_ = static_cast<std::uint16_t>(out);
    for (int i = 0; i < programCount_; ++i)
        program_[i].step = stepOf(program_[i]);
    // A checked program begins with a value; nothing lies below it yet.
    switch (program_[0].step) {
    case Step::pushNumber: program_[0].step = Step::loadNumber; break;
    case Step::pushParameter: program_[0].step = Step::loadParameter; break;
    case Step::pushVariable: program_[0].step = Step::loadVariable; break;
    default: break;
    }
}

bool CompiledExpression::check(std::string_view ownName)
{
    int count = 0;
    for (int i = 0; i < programCount_; ++i) {
        const ProgramEntry& entry = program_[i];
        switch (entry.kind) {
        case ProgramEntry::Kind::number:
        case ProgramEntry::Kind::parameter:
            ++count;
            break;
        case ProgramEntry::Kind::cell:
            if (entry.cell->name() == ownName) {
                store_.messages().show(texts::kRecursiveDefinition);
                return success_ = false;
            }
            ++count;
            break;
        case ProgramEntry::Kind::numberOperation:
        case ProgramEntry::Kind::parameterOperation:
            if (count < 1) // take one, give one
                return success_ = false;
            break;
        case ProgramEntry::Kind::operation:
            if (entry.code == opCall && entry.cell->name() == ownName) {
                store_.messages().show(texts::kRecursiveDefinition);
                return success_ = false;
            }
            if (isBinary(entry.code)) {
                if (count < 2)
                    return success_ = false;
                --count;
            } else if (count < 1) {
                return success_ = false;
            }
            break;
        }
        if (count > kMaxValues)
            return success_ = false;
    }
    return success_ = (count == 1);
}

bool CompiledExpression::references(const Definition* cell) const
{
    for (int i = 0; i < programCount_; ++i) {
        if (program_[i].cell == cell)
            return true;
    }
    return false;
}

namespace {

// Whether value is neither infinite nor undefined: value - value is 0 exactly
// then, NaN otherwise. Needs no constant from memory.
inline bool isFinite(Real value)
{
    return value - value == 0;
}

Real unary(std::uint16_t code, Real x, bool& ok)
{
    Real value = 0;
    ok = applyUnary(code, x, value);
    return value;
}

Real raise(Real a, Real b, bool& ok)
{
    Real value = 0;
    ok = isFinite(a) && isFinite(b) && power(a, b, value);
    return value;
}

} // namespace

Real CompiledExpression::runNested(const ProgramEntry& entry, const Real& argument, int depth, long& runsLeft, bool& ok)
{
    Real value = 0;
    CompiledExpression* program = entry.cell->program();
    // A variable that became a function has no value of its own.
    ok = program != nullptr && (entry.kind != ProgramEntry::Kind::cell || !entry.cell->isFunction())
        && --runsLeft >= 0 && program->run(argument, value, depth + 1, runsLeft);
    return value;
}

bool CompiledExpression::run(const Real& argument, Real& result, int depth, long& runsLeft)
{
    // A program that is already running is part of a cycle of definitions:
    // without branches such a run could never end.
    if (running_ || depth > kMaxNesting || !success_ || !isFinite(argument)) {
        result = 0;
        return false;
    }
    running_ = true;
    // An overflow is found without trapping: +, - and * carry an infinite or
    // undefined operand into an infinite or undefined result, and so does a
    // dividend, so their results are tested once, at the end. Every other step
    // (divisor, power, function, call) tests its operands before it uses them.
    // The top value is kept apart from the stack; the check has bounded the
    // depth by kMaxValues.
    Real top = 0;
    const Real parameter = argument;
    int below = 0;
    bool ok = true;
    const ProgramEntry* const end = program_ + programCount_;
    for (const ProgramEntry* entry = program_; entry != end; ++entry) {
        switch (entry->step) {
        case Step::loadNumber:
            top = entry->number;
            break;
        case Step::loadParameter:
            top = parameter;
            break;
        case Step::loadVariable:
            top = runNested(*entry, Real(0), depth, runsLeft, ok);
            break;
        case Step::pushNumber:
            values_[below++] = top;
            top = entry->number;
            break;
        case Step::pushParameter:
            values_[below++] = top;
            top = parameter;
            break;
        case Step::pushVariable:
            values_[below++] = top;
            top = runNested(*entry, Real(0), depth, runsLeft, ok);
            break;
        case Step::call:
            if (!isFinite(top))
                ok = false;
            else
                top = runNested(*entry, top, depth, runsLeft, ok);
            break;
        case Step::unary:
            if (!isFinite(top))
                ok = false;
            else
                top = unary(entry->code, top, ok);
            break;
        case Step::add:
            top = values_[--below] + top;
            break;
        case Step::subtract:
            top = values_[--below] - top;
            break;
        case Step::multiply:
            top = values_[--below] * top;
            break;
        case Step::divide:
            ok = top != 0 && isFinite(top);
            top = values_[--below] / (ok ? top : 1);
            break;
        case Step::power:
            top = raise(values_[--below], top, ok);
            break;
        case Step::addN:
            top += entry->number;
            break;
        case Step::subtractN:
            top -= entry->number;
            break;
        case Step::multiplyN:
            top *= entry->number;
            break;
        case Step::divideN:
            ok = entry->number != 0;
            top /= ok ? entry->number : 1;
            break;
        case Step::powerN:
            top = raise(top, entry->number, ok);
            break;
        case Step::addP:
            top += parameter;
            break;
        case Step::subtractP:
            top -= parameter;
            break;
        case Step::multiplyP:
            top *= parameter;
            break;
        case Step::divideP:
            ok = parameter != 0;
            top /= ok ? parameter : 1;
            break;
        case Step::powerP:
            top = raise(top, parameter, ok);
            break;
        }
        if (!ok)
            break;
    }
    running_ = false;
    ok = ok && isFinite(top);
    result = ok ? top : 0;
    return ok;
}

} // namespace quillmar::engine
