#include "engine/evaluate_line.h"

#include "engine/number_format.h"
#include "support/text.h"

#include <string_view>

namespace quillmar::engine {

namespace {

// The text left in the line after a computation; callers only test that it is
// not empty and format the value themselves.
constexpr std::string_view kComputedLinePattern = "#.##e+##";

bool isUpperLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

// The line without its last character (which may take several bytes).
std::string_view withoutLastCharacter(std::string_view line)
{
    std::size_t end = line.size() - 1;
    while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
        --end;
    return line.substr(0, end);
}

bool evaluateExpression(DefinitionStore& store, std::string& line, Real& result)
{
    // The expression is taken as the caller wrote it: blanks are not tokens.
    CompiledExpression program(store);
    if (!program.compile(withoutLastCharacter(line), {}, {}))
        return false;
    Real value = 0;
    if (!program.run(0, value))
        return false;
    line = formatNumber(kComputedLinePattern, value);
    result = value;
    return true;
}

} // namespace

bool evaluateLine(DefinitionStore& store, std::string& line, Real& result)
{
    if (line.empty() || text::length(line) > kMaxLineChars)
        return false;

    // Reading the head works on an upper-cased copy without blanks and tabs.
    char buffer[CompiledExpression::kMaxBodyBytes];
    std::size_t length = 0;
    for (char c : line) {
        if (c == ' ' || c == '\t')
            continue;
        if (length == sizeof buffer)
            return false;
        buffer[length++] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    const std::string_view copy(buffer, length);
    const std::size_t equals = copy.find('=');
    if (equals == std::string_view::npos)
        return false;
    const std::size_t open = copy.find('(');
    const std::size_t close = copy.find(')');

    const bool definition = equals + 1 < copy.size() && isUpperLetter(copy[0]);
    if (!definition)
        return evaluateExpression(store, line, result);

    std::string_view parameterName;
    if (open < equals && close < equals && close > open + 1)
        parameterName = copy.substr(open + 1, close - open - 1);
    const std::string_view name = copy.substr(0, open < equals ? open : equals);
    const std::string_view body = copy.substr(equals + 1);
    if (text::length(name) > kMaxNameChars || text::length(parameterName) > kMaxNameChars)
        return false;
    if (!store.define(name, parameterName, body, line))
        return false;
    line.clear();
    return true;
}

} // namespace quillmar::engine
