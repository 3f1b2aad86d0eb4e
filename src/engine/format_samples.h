#pragma once
// The sample numbers of the dialog "Zahlenformat" shown with a pattern.
#include "engine/number_format.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmar::engine {

// Each sample number, read in the program's notation, formatted with pattern.
std::vector<std::string> formatSampleNumbers(std::string_view pattern, const NumberSeparators& separators = {});

} // namespace quillmar::engine
