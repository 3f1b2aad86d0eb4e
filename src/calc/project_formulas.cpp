#include "calc/project_formulas.h"

#include "calc/statement.h"
#include "engine/number_format.h"
#include "engine/evaluate_line.h"

namespace quillmar::calc {

std::string definitionName(std::string_view definitionText)
{
    const std::string line = normalise(definitionText);
    return line.substr(0, line.find_first_of("(="));
}

TypedLine defineLine(engine::DefinitionStore& store, std::string_view typed, std::string_view pattern)
{
    std::string line = normalise(typed);
    const std::string expression = line;
    Real value = 0;
    if (line.empty() || !engine::evaluateLine(store, line, value))
        return {};
    if (line.empty())
        return {TypedLine::Kind::definition, expression};
    std::string shown = expression;
    if (shown.back() != '=')
        shown += '=';
    return {TypedLine::Kind::value, shown + engine::formatNumber(pattern, value)};
}

TypedLine computeExpression(engine::DefinitionStore& store, std::string_view typed, std::string_view pattern)
{
    std::string line = normalise(typed);
    if (!line.empty() && line.back() != '=' && line.find('=') == std::string::npos)
        line += '=';
    return defineLine(store, line, pattern);
}

std::vector<std::string> defineLines(engine::DefinitionStore& store, const std::vector<std::string>& lines)
{
    std::vector<std::string> refused;
    for (const std::string& written : lines) {
        const std::string line = normalise(written);
        if (classify(line, true) == StatementKind::comment)
            continue;
        if (defineLine(store, line, "0").kind != TypedLine::Kind::definition)
            refused.push_back(written);
    }
    return refused;
}

} // namespace quillmar::calc
