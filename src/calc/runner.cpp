#include "calc/runner.h"

#include "calc/statement.h"
#include "calc/texts.h"
#include "engine/number_format.h"
#include "engine/texts.h"
#include "engine/evaluate_line.h"
#include "support/text.h"

namespace quillmar::calc {

namespace {

// The evaluator refuses longer lines itself; checking first keeps an over-long
// output statement from being shown as a failed value instead of an error.
bool tooLong(std::string_view normalised) { return text::length(normalised) > engine::kMaxLineChars; }

enum class Evaluation { refused, definition, value };

Evaluation evaluate(engine::DefinitionStore& store, std::string& line, Real& value)
{
    if (!engine::evaluateLine(store, line, value))
        return Evaluation::refused;
    return line.empty() ? Evaluation::definition : Evaluation::value;
}

} // namespace

DirectOutcome workDirectLine(engine::DefinitionStore& store, std::string_view rawLine, std::string_view pattern)
{
    std::string line = normalise(rawLine);
    DirectOutcome outcome;
    switch (classify(line, false)) {
    case StatementKind::comment:
    case StatementKind::output:
        return outcome;
    case StatementKind::clearText:
        outcome.action = DirectOutcome::Action::clearText;
        return outcome;
    case StatementKind::listDefinitions:
        outcome.action = DirectOutcome::Action::appendLines;
        outcome.lines = store.list();
        return outcome;
    case StatementKind::clearStore:
        store.clear();
        outcome.action = DirectOutcome::Action::message;
        outcome.message = calc::texts::kAllFormulasDeleted;
        return outcome;
    case StatementKind::evaluate:
        break;
    }
    Real value = 0;
    const Evaluation result = tooLong(line) ? Evaluation::refused : evaluate(store, line, value);
    if (result == Evaluation::refused) {
        outcome.action = DirectOutcome::Action::message;
        outcome.message = engine::texts::kInvalidExpression;
    } else if (result == Evaluation::value) {
        outcome.action = DirectOutcome::Action::insertBelow;
        outcome.lines.push_back(engine::formatNumber(pattern, value));
    }
    return outcome;
}

ProgramOutput runProgram(engine::DefinitionStore& store, const std::vector<std::string>& lines, std::string_view pattern)
{
    ProgramOutput output;
    for (const std::string& written : lines) {
        std::string line = normalise(written);
        const StatementKind kind = classify(line, true);
        if (kind == StatementKind::comment)
            continue;
        bool error = tooLong(line);
        if (!error && kind == StatementKind::output) {
            const std::string expression = outputExpression(line);
            std::string query = expression + "=";
            Real value = 0;
            std::string shown;
            switch (evaluate(store, query, value)) {
            case Evaluation::value:
                shown = expression + "=" + engine::formatNumber(pattern, value);
                break;
            case Evaluation::definition:
                shown = expression + "=";
                break;
            case Evaluation::refused:
                shown = expression;
                break;
            }
            output.lines.push_back(";" + shown);
            continue;
        }
        if (!error) {
            Real value = 0;
            error = evaluate(store, line, value) != Evaluation::definition;
        }
        if (error) {
            output.lines.push_back(std::string(calc::texts::kErrorPrefix) + written);
            output.hasErrors = true;
        }
    }
    return output;
}

std::vector<std::string> formulaEntries(engine::DefinitionStore& store, std::string_view pattern)
{
    std::vector<std::string> entries;
    for (const std::string& definition : store.list()) {
        std::string entry = definition;
        const std::size_t equals = definition.find('=');
        if (equals != std::string::npos) {
            std::string query = normalise(std::string_view(definition).substr(0, equals + 1));
            Real value = 0;
            if (evaluate(store, query, value) == Evaluation::value)
                entry += "=" + engine::formatNumber(pattern, value);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace quillmar::calc
