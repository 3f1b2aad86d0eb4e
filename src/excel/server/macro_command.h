#pragma once
// Splits one bracketed macro-language command such as [OPEN("C:\daten\makro.xls")]
// or [RUN("makro.xls!eingabe";FALSE)] into its name and arguments.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::excel::server {

struct MacroCommand {
    std::string name;               // upper case: "OPEN", "APP.RESTORE"
    std::vector<std::string> arguments; // quotes removed
};

// Nothing when the text is not one well-formed command. The text of FORMULA is
// taken as it stands between its quotes, inner quotes included (the link does
// not escape them).
std::optional<MacroCommand> parseMacroCommand(std::string_view text);

} // namespace quillmar::excel::server
