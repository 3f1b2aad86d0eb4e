#include "spreadsheet/server/macro_command.h"

#include "support/text.h"

namespace quillmar::spreadsheet::server {

namespace {

bool isNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_';
}

// FORMULA("<text>","<ref>") or FORMULA("<text>") with undoubled inner quotes:
// the text runs to the last "," + quote.
std::optional<std::vector<std::string>> formulaArguments(std::string_view inner)
{
    if (inner.size() < 2 || inner.front() != '"' || inner.back() != '"')
        return std::nullopt;
    const std::string_view body = inner.substr(1, inner.size() - 2);
    const std::size_t split = body.rfind("\",\"");
    if (split != std::string_view::npos && body.substr(split + 3).find('"') == std::string_view::npos)
        return std::vector<std::string>{std::string(body.substr(0, split)), std::string(body.substr(split + 3))};
    return std::vector<std::string>{std::string(body)};
}

std::optional<std::vector<std::string>> plainArguments(std::string_view inner)
{
    std::vector<std::string> args;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < inner.size() && inner[i] == ' ')
            ++i;
    };
    skipBlanks();
    if (i == inner.size())
        return args;
    while (true) {
        skipBlanks();
        std::string arg;
        if (i < inner.size() && inner[i] == '"') {
            ++i;
            bool closed = false;
            while (i < inner.size()) {
                if (inner[i] == '"') {
                    if (i + 1 < inner.size() && inner[i + 1] == '"') {
                        arg += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                arg += inner[i++];
            }
            if (!closed)
                return std::nullopt;
        } else {
            while (i < inner.size() && inner[i] != ',' && inner[i] != ';' && inner[i] != '"')
                arg += inner[i++];
            while (!arg.empty() && arg.back() == ' ')
                arg.pop_back();
        }
        args.push_back(std::move(arg));
        skipBlanks();
        if (i == inner.size())
            return args;
        if (inner[i] != ',' && inner[i] != ';')
            return std::nullopt;
        ++i;
    }
}

} // namespace

std::optional<MacroCommand> parseMacroCommand(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\0'))
        text.remove_suffix(1);
    if (text.size() < 4 || text.front() != '[' || text.back() != ']')
        return std::nullopt;
    text = text.substr(1, text.size() - 2);
    std::size_t nameEnd = 0;
    while (nameEnd < text.size() && isNameChar(text[nameEnd]))
        ++nameEnd;
    if (nameEnd == 0 || nameEnd >= text.size() || text[nameEnd] != '(' || text.back() != ')')
        return std::nullopt;
    MacroCommand command;
    command.name = text::upperAscii(text.substr(0, nameEnd));
    const std::string_view inner = text.substr(nameEnd + 1, text.size() - nameEnd - 2);
    auto args = plainArguments(inner);
    // A sender that does not double the quotes inside a FORMULA text still gets
    // its text through whole.
    if (!args && command.name == "FORMULA")
        args = formulaArguments(inner);
    if (!args)
        return std::nullopt;
    command.arguments = *args;
    return command;
}

} // namespace quillmar::spreadsheet::server
