#include "excel/commands.h"

namespace quillmar::excel::commands {
namespace {

std::string quoted(std::string_view s)
{
    std::string out = "\"";
    out += s;
    out += '"';
    return out;
}

} // namespace

std::string cellItem(int row, int column)
{
    return "Z" + std::to_string(row) + "S" + std::to_string(column);
}

std::string open(std::string_view path)
{
    return "[OPEN(" + quoted(path) + ")]";
}

std::string unhide(std::string_view workbookName)
{
    return "[UNHIDE(" + quoted(workbookName) + ")]";
}

std::string activate(std::string_view workbookName)
{
    return "[ACTIVATE(" + quoted(workbookName) + ")]";
}

std::string run(std::string_view workbookName, std::string_view macro)
{
    std::string target(workbookName);
    target += '!';
    target += macro;
    return "[RUN(" + quoted(target) + ";FALSE)]";
}

std::string formula(std::string_view text, std::string_view reference)
{
    return "[FORMULA(" + quoted(text) + "," + quoted(reference) + ")]";
}

std::string select(std::string_view reference)
{
    return "[SELECT(" + quoted(reference) + ")]";
}

} // namespace quillmar::excel::commands
