#include "spreadsheet/commands.h"

#include <initializer_list>

namespace quillmar::spreadsheet::commands {
namespace {

// Concatenates the parts; appending keeps clear of a false -Wrestrict warning of
// GCC 12 on prepending to a temporary string.
std::string join(std::initializer_list<std::string_view> parts)
{
    std::string out;
    for (const auto part : parts)
        out += part;
    return out;
}

// A string argument of a macro command: in double quotes, an inner double quote
// doubled. So the cell receives exactly the text, and a text can never end the
// argument early and smuggle in a command of its own.
std::string literal(std::string_view value)
{
    std::string out = "\"";
    for (const char c : value) {
        out += c;
        if (c == '"')
            out += '"';
    }
    out += '"';
    return out;
}

} // namespace

std::string cellItem(int row, int column)
{
    return join({"Z", std::to_string(row), "S", std::to_string(column)});
}

std::string open(std::string_view path)
{
    return join({"[OPEN(", literal(path), ")]"});
}

std::string unhide(std::string_view workbookName)
{
    return join({"[UNHIDE(", literal(workbookName), ")]"});
}

std::string activate(std::string_view workbookName)
{
    return join({"[ACTIVATE(", literal(workbookName), ")]"});
}

std::string run(std::string_view workbookName, std::string_view macro)
{
    return join({"[RUN(", literal(join({workbookName, "!", macro})), ";FALSE)]"});
}

std::string formula(std::string_view text, std::string_view reference)
{
    return join({"[FORMULA(", literal(text), ",", literal(reference), ")]"});
}

std::string select(std::string_view reference)
{
    return join({"[SELECT(", literal(reference), ")]"});
}

} // namespace quillmar::spreadsheet::commands
