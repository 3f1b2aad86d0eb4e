#pragma once
// The link components the program makes: talking to the spreadsheet server that
// this machine offers, processing the user's events while they wait.
#include "spreadsheet/link.h"

namespace quillmar::spreadsheet {
class BuiltinSpreadsheet;
}

namespace quillmar::app {

// Every component talks to the built-in spreadsheet, which must outlive them.
spreadsheet::Link::Factory programConversationFactory(spreadsheet::BuiltinSpreadsheet& spreadsheet);

} // namespace quillmar::app
