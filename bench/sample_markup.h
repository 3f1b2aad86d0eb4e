#pragma once
// Formula markup for looking at and timing the layout: a built-in set of varied
// formulas, symbols and units, and the markup fields read from the text form of
// the bundled collection.
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::typeset {

// About forty formulas, symbols and units that use every command.
const std::vector<std::string>& sampleMarkup();

// The values of the lines "FORMEL: ", "SYMBOL: " and "EINHEIT: " of a collection
// text file, in file order, each markup text once.
std::vector<std::string> collectionMarkup(std::string_view fileText);

} // namespace quillmar::typeset
