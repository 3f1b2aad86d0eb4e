#pragma once
// A compiled definition: one body in postfix form (operands first, operators after
// them) together with the fixed working storage for checking and running it.
// Compiling and running allocate nothing.
#include "support/real.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillmar::engine {

class DefinitionStore;
class Definition;

// What a run does with one program entry: one flat choice, so that running
// needs a single dispatch per entry. The suffix says where the right operand of
// a two-operand step comes from: the stack, the entry's number (N) or the
// parameter (P).
enum class Step : std::uint8_t {
    loadNumber, // the first entry, which finds the stack empty
    loadParameter,
    loadVariable,
    pushNumber,
    pushParameter,
    pushVariable,
    call,
    unary,
    add, subtract, multiply, divide, power,
    addN, subtractN, multiplyN, divideN, powerN,
    addP, subtractP, multiplyP, divideP, powerP,
};

struct ProgramEntry {
    enum class Kind : std::uint8_t {
        number,    // push number
        operation, // apply code; code 27 calls cell
        parameter, // push the argument of the current call
        cell,      // push the value of the variable cell
        // Forms that compiling makes of a two-operand operator whose right
        // operand is a number or the parameter: they apply code to the top value
        // and that operand directly.
        numberOperation,
        parameterOperation,
    };
    Kind kind;
    Step step; // set once the program is complete
    std::uint16_t code;
    Definition* cell;
    Real number;
};

class CompiledExpression {
public:
    static constexpr int kMaxProgram = 100;
    static constexpr int kMaxOperators = 50;
    static constexpr int kMaxValues = 50;
    // Nested runs of other definitions (variables, stored functions) deeper than
    // this fail, so a long chain can never exhaust the machine stack.
    static constexpr int kMaxNesting = 1000;
    // One computation fails after this many runs of other definitions: a value
    // is computed anew at every use, so definitions that use their predecessor
    // twice (A2=A1+A1, A3=A2+A2, ...) would otherwise take exponential time.
    static constexpr long kMaxNestedRuns = 1000000;
    // The longest body in bytes: 200 characters of up to four bytes each.
    static constexpr std::size_t kMaxBodyBytes = 800;

    explicit CompiledExpression(const DefinitionStore& store);
    CompiledExpression(const CompiledExpression&) = delete;
    CompiledExpression& operator=(const CompiledExpression&) = delete;

    // Compiles body against the store, with the parameter name of a function
    // (empty otherwise) and the name being defined (empty for an expression).
    // A body that refers to ownName shows the recursion message and fails.
    bool compile(std::string_view body, std::string_view parameterName, std::string_view ownName);

    // Runs the program with the argument bound to the parameter. On failure the
    // result is 0. A run fails rather than recurse into itself (a cycle of
    // definitions), nest deeper than kMaxNesting or take more than
    // kMaxNestedRuns runs of other definitions.
    bool run(const Real& argument, Real& result)
    {
        long runsLeft = kMaxNestedRuns;
        return run(argument, result, 0, runsLeft);
    }

    // Whether the program refers to cell, as a variable or as a called function.
    bool references(const Definition* cell) const;

private:
    struct PendingOperator {
        std::uint16_t code;
        Definition* cell;
    };

    bool run(const Real& argument, Real& result, int depth, long& runsLeft);
    static Real runNested(const ProgramEntry& entry, const Real& argument, int depth, long& runsLeft, bool& ok);
    bool check(std::string_view ownName);
    void optimize();
    bool readOperator(std::string_view text, std::size_t& pos, std::uint16_t& code, Definition*& called) const;
    void readOperand(std::string_view text, std::size_t& pos, std::string_view parameterName);
    void applyOperator(std::uint16_t code, Definition* called);
    void closeGroup();
    void pushOperator(std::uint16_t code, Definition* cell);
    void append(const ProgramEntry& entry);

    const DefinitionStore& store_;
    ProgramEntry program_[kMaxProgram];
    PendingOperator operators_[kMaxOperators];
    Real values_[kMaxValues]; // below the top value, which a run keeps apart
    std::uint16_t programCount_ = 0;
    std::int16_t operatorDepth_ = 0;
    bool success_ = false;
    bool running_ = false;
};

} // namespace quillmar::engine
