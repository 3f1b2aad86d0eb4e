// The expression evaluator side by side with muparser on the same expressions:
//   OneOff:   parse/compile a line and evaluate it once;
//   Repeated: evaluate an already compiled definition again and again.
// The Quillmar numbers are 80-bit extended, muparser's are double.
#include "engine/definition_store.h"
#include "engine/compiled_expression.h"
#include "engine/evaluate_line.h"
#include "support/messages.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <string>

namespace {

using quillmar::Real;

struct Expression {
    const char* label;
    const char* quillmar; // decimal comma, upper or lower case
    const char* muparser;
};

// X is the one variable; it is 3 in the one-off runs and changes in the
// repeated runs.
const Expression kExpressions[] = {
    {"arithmetic", "1+2*3-4/5+6*7-8/9+10*11", "1+2*3-4/5+6*7-8/9+10*11"},
    {"powers", "2^10+3^3-1,5^2+0,5^0,5", "2^10+3^3-1.5^2+0.5^0.5"},
    {"parentheses", "((1+2)*(3+4)-(5-6)*(7+8))/((9-1)*(2+3))", "((1+2)*(3+4)-(5-6)*(7+8))/((9-1)*(2+3))"},
    {"functions", "SIN(0,5)+COS(0,5)*LN(2)+SQRT(LG(100)+EXP(1))",
     "sin(0.5)+cos(0.5)*ln(2)+sqrt(log10(100)+exp(1))"},
    {"variable", "X*X+2*X+1-X/4", "x*x+2*x+1-x/4"},
};
constexpr int kCount = static_cast<int>(std::size(kExpressions));

struct QuillmarStore {
    quillmar::SilentMessages messages;
    quillmar::engine::DefinitionStore store{messages};
    QuillmarStore()
    {
        std::string line = "X=3";
        Real ignored = 0;
        quillmar::engine::evaluateLine(store, line, ignored);
    }
};

void OneOff_Quillmar(benchmark::State& state)
{
    const Expression& e = kExpressions[state.range(0)];
    QuillmarStore q;
    const std::string_view body = e.quillmar;
    for (auto _ : state) {
        quillmar::engine::CompiledExpression program(q.store);
        Real value = 0;
        if (!program.compile(body, {}, {}) || !program.run(0, value))
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(value);
    }
    state.SetLabel(e.label);
    state.SetItemsProcessed(state.iterations());
}

// The whole line as the calculation window hands it over, including reading
// the head and the text left in the line.
void OneOffLine_Quillmar(benchmark::State& state)
{
    const Expression& e = kExpressions[state.range(0)];
    QuillmarStore q;
    const std::string text = std::string(e.quillmar) + "=";
    std::string line;
    line.reserve(256);
    for (auto _ : state) {
        line.assign(text);
        Real value = 0;
        if (!quillmar::engine::evaluateLine(q.store, line, value))
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(value);
    }
    state.SetLabel(e.label);
    state.SetItemsProcessed(state.iterations());
}

void OneOff_Muparser(benchmark::State& state)
{
    const Expression& e = kExpressions[state.range(0)];
    mu::Parser parser;
    double x = 3;
    parser.DefineVar("x", &x);
    const std::string text = e.muparser;
    for (auto _ : state) {
        parser.SetExpr(text);
        benchmark::DoNotOptimize(parser.Eval());
    }
    state.SetLabel(e.label);
    state.SetItemsProcessed(state.iterations());
}

void Repeated_Quillmar(benchmark::State& state)
{
    const Expression& e = kExpressions[state.range(0)];
    QuillmarStore q;
    // The expression as a function of X, compiled once.
    std::string line = std::string("P(X)=") + e.quillmar;
    Real ignored = 0;
    if (!quillmar::engine::evaluateLine(q.store, line, ignored)) {
        state.SkipWithError("refused");
        return;
    }
    quillmar::engine::CompiledExpression* program = q.store.find("P")->program();
    Real x = 3;
    for (auto _ : state) {
        Real value = 0;
        program->run(x, value);
        benchmark::DoNotOptimize(value);
        x += 0.25L;
    }
    state.SetLabel(e.label);
    state.SetItemsProcessed(state.iterations());
}

// The same expressions compiled by the C++ compiler in the 80-bit type, without
// any checks: the floor that any evaluator working in this type meets.
using Native = Real (*)(Real);
__attribute__((noinline)) Real nativeArithmetic(Real)
{
    return 1 + 2 * 3 - 4 / 5.0L + 6 * 7 - 8 / 9.0L + 10 * 11;
}
__attribute__((noinline)) Real nativePowers(Real)
{
    return std::pow(2.0L, 10) + std::pow(3.0L, 3) - std::pow(1.5L, 2) + std::pow(0.5L, 0.5L);
}
__attribute__((noinline)) Real nativeParentheses(Real)
{
    return ((1 + 2) * (3 + 4) - (5 - 6) * (7 + 8)) / Real((9 - 1) * (2 + 3));
}
__attribute__((noinline)) Real nativeFunctions(Real)
{
    return std::sin(0.5L) + std::cos(0.5L) * std::log(2.0L) + std::sqrt(std::log10(100.0L) + std::exp(1.0L));
}
__attribute__((noinline)) Real nativeVariable(Real x)
{
    return x * x + 2 * x + 1 - x / 4;
}
const Native kNative[] = {nativeArithmetic, nativePowers, nativeParentheses, nativeFunctions, nativeVariable};

void Repeated_NativeExtended(benchmark::State& state)
{
    const Native f = kNative[state.range(0)];
    Real x = 3;
    for (auto _ : state) {
        Real value = f(x);
        benchmark::DoNotOptimize(value);
        x += 0.25L;
    }
    state.SetLabel(kExpressions[state.range(0)].label);
    state.SetItemsProcessed(state.iterations());
}

void Repeated_Muparser(benchmark::State& state)
{
    const Expression& e = kExpressions[state.range(0)];
    mu::Parser parser;
    double x = 3;
    parser.DefineVar("x", &x);
    parser.SetExpr(e.muparser);
    parser.Eval(); // compiles to bytecode
    for (auto _ : state) {
        benchmark::DoNotOptimize(parser.Eval());
        x += 0.25;
    }
    state.SetLabel(e.label);
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(OneOff_Quillmar)->DenseRange(0, kCount - 1);
BENCHMARK(OneOff_Muparser)->DenseRange(0, kCount - 1);
BENCHMARK(OneOffLine_Quillmar)->DenseRange(0, kCount - 1);
BENCHMARK(Repeated_Quillmar)->DenseRange(0, kCount - 1);
BENCHMARK(Repeated_Muparser)->DenseRange(0, kCount - 1);
BENCHMARK(Repeated_NativeExtended)->DenseRange(0, kCount - 1);

BENCHMARK_MAIN();
