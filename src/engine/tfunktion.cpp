#include "engine/tfunktion.h"

#include "engine/decimal_number.h"
#include "engine/fktliste.h"
#include "engine/operations.h"
#include "engine/operators.h"
#include "engine/texts.h"

namespace quillmar {

namespace {

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

tfunktion::tfunktion(const fktliste& store) : store_(store) {}

void tfunktion::append(const ProgramEntry& entry)
{
    if (programCount_ >= kMaxProgram) {
        success_ = false;
        return;
    }
    program_[programCount_++] = entry;
}

void tfunktion::pushOperator(std::uint16_t code, Tfktzelle* cell)
{
    if (operatorDepth_ >= kMaxOperators) {
        success_ = false;
        return;
    }
    operators_[operatorDepth_++] = {code, cell};
}

void tfunktion::closeGroup()
{
    for (;;) {
        if (operatorDepth_ == 0) {
            success_ = false;
            return;
        }
        const PendingOperator top = operators_[--operatorDepth_];
        if (top.code == opOpen)
            return;
        append({ProgramEntry::Kind::operation, top.code, top.cell, 0});
        if (!success_)
            return;
    }
}

void tfunktion::applyOperator(std::uint16_t code, Tfktzelle* called)
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
        append({ProgramEntry::Kind::operation, top.code, top.cell, 0});
        if (!success_)
            return;
    }
    pushOperator(code, called);
}

bool tfunktion::readOperator(std::string_view text, std::size_t& pos, std::uint16_t& code,
                             Tfktzelle*& called) const
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
        Tfktzelle* cell = store_.longestCallAt(rest);
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

void tfunktion::readOperand(std::string_view text, std::size_t& pos, std::string_view parameterName)
{
    const std::string_view rest = text.substr(pos);
    if (!parameterName.empty() && rest.starts_with(parameterName)) {
        append({ProgramEntry::Kind::parameter, 0, nullptr, 0});
        pos += parameterName.size();
        return;
    }
    Tfktzelle* cell = store_.longestNameAt(rest);
    if (cell == nullptr || cell->isFunction()) {
        success_ = false;
        return;
    }
    append({ProgramEntry::Kind::cell, 0, cell, 0});
    pos += cell->name().size();
}

bool tfunktion::compile(std::string_view body, std::string_view parameterName, std::string_view ownName)
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
        Tfktzelle* called = nullptr;
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
            append({ProgramEntry::Kind::number, 0, nullptr, number});
            groupStart = false;
        } else {
            readOperand(text, pos, parameterName);
            groupStart = false;
        }
    }
    if (operatorDepth_ != 0) // a "(" was not closed
        success_ = false;
    if (!success_)
        return false;
    return check(ownName);
}

bool tfunktion::check(std::string_view ownName)
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
                store_.messages().show(texts::kRekursiveDefinition);
                return success_ = false;
            }
            ++count;
            break;
        case ProgramEntry::Kind::operation:
            if (entry.code == opCall && entry.cell->name() == ownName) {
                store_.messages().show(texts::kRekursiveDefinition);
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

bool tfunktion::references(const Tfktzelle* cell) const
{
    for (int i = 0; i < programCount_; ++i) {
        if (program_[i].cell == cell)
            return true;
    }
    return false;
}

bool tfunktion::run(Real argument, Real& result)
{
    return run(argument, result, 0);
}

bool tfunktion::run(Real argument, Real& result, int depth)
{
    result = 0;
    // A program that is already running is part of a cycle of definitions:
    // without branches such a run could never end.
    if (running_ || depth > kMaxNesting || !success_)
        return false;
    running_ = true;
    int top = 0; // values on the stack; the check bounds it by kMaxValues
    bool ok = true;
    for (int i = 0; ok && i < programCount_; ++i) {
        const ProgramEntry& entry = program_[i];
        switch (entry.kind) {
        case ProgramEntry::Kind::number:
            values_[top++] = entry.number;
            break;
        case ProgramEntry::Kind::parameter:
            values_[top++] = argument;
            break;
        case ProgramEntry::Kind::cell: {
            // A variable that became a function has no value of its own.
            tfunktion* program = entry.cell->program();
            Real value;
            ok = program != nullptr && !entry.cell->isFunction() && program->run(0, value, depth + 1);
            if (ok)
                values_[top++] = value;
            break;
        }
        case ProgramEntry::Kind::operation:
            if (entry.code == opCall) {
                tfunktion* program = entry.cell->program();
                ok = program != nullptr && program->run(values_[top - 1], values_[top - 1], depth + 1);
            } else if (isBinary(entry.code)) {
                --top;
                ok = applyBinary(entry.code, values_[top - 1], values_[top], values_[top - 1]);
            } else {
                ok = applyUnary(entry.code, values_[top - 1], values_[top - 1]);
            }
            break;
        }
    }
    running_ = false;
    if (!ok)
        return false;
    result = values_[0];
    return true;
}

} // namespace quillmar
