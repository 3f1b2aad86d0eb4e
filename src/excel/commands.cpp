#include "excel/commands.h"

#include <initializer_list>

namespace quillmar::excel::commands {
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

} // namespace

std::string cellItem(int row, int column)
{
    return join({"Z", std::to_string(row), "S", std::to_string(column)});
}

std::string open(std::string_view path)
{
    return join({"[OPEN(\"", path, "\")]"});
}

std::string unhide(std::string_view workbookName)
{
    return join({"[UNHIDE(\"", workbookName, "\")]"});
}

std::string activate(std::string_view workbookName)
{
    return join({"[ACTIVATE(\"", workbookName, "\")]"});
}

std::string run(std::string_view workbookName, std::string_view macro)
{
    return join({"[RUN(\"", workbookName, "!", macro, "\";FALSE)]"});
}

std::string formula(std::string_view text, std::string_view reference)
{
    return join({"[FORMULA(\"", text, "\",\"", reference, "\")]"});
}

std::string select(std::string_view reference)
{
    return join({"[SELECT(\"", reference, "\")]"});
}

} // namespace quillmar::excel::commands
