#pragma once
// Splits one bracketed macro-language command such as [OPEN("C:\daten\makro.xls")]
// or [RUN("makro.xls!eingabe";FALSE)] into its name and arguments.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::spreadsheet::server {

struct MacroCommand {
    std::string name;               // upper case: "OPEN", "APP.RESTORE"
    std::vector<std::string> arguments; // quotes removed
};

// Nothing when the text is not one well-formed command. A double quote inside a
// quoted argument is written doubled; a FORMULA text whose inner quotes are not
// doubled is still taken whole.
std::optional<MacroCommand> parseMacroCommand(std::string_view text);

} // namespace quillmar::spreadsheet::server
