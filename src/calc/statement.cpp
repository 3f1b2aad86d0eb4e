#include "calc/statement.h"

#include "calc/texts.h"
#include "support/text.h"

namespace quillmar::calc {

std::string normalise(std::string_view line)
{
    std::string out;
    out.reserve(line.size());
    for (char c : line) {
        if (c != ' ' && c != '\t')
            out.push_back(c);
    }
    return out;
}

namespace {

bool isOutputStatement(std::string_view line)
{
    const std::string_view open = calc::texts::kOutputOpen;
    return line.size() > open.size() && text::equalsNoCase(line.substr(0, open.size()), open) && line.back() == ')';
}

} // namespace

StatementKind classify(std::string_view normalised, bool programMode)
{
    if (normalised.empty() || normalised.front() == ';')
        return StatementKind::comment;
    if (programMode) {
        if (isOutputStatement(normalised))
            return StatementKind::output;
        return StatementKind::evaluate;
    }
    if (text::equalsNoCase(normalised, calc::texts::kClearTextCommand))
        return StatementKind::clearText;
    if (text::equalsNoCase(normalised, calc::texts::kListDefinitionsCommand))
        return StatementKind::listDefinitions;
    if (text::equalsNoCase(normalised, calc::texts::kClearStoreCommand))
        return StatementKind::clearStore;
    return StatementKind::evaluate;
}

std::string outputExpression(std::string_view normalised)
{
    const std::size_t open = calc::texts::kOutputOpen.size();
    if (normalised.size() <= open)
        return {};
    return std::string(normalised.substr(open, normalised.size() - open - 1));
}

} // namespace quillmar::calc
