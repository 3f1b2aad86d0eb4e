#pragma once
// Numbers as typed into expressions: digits with the decimal comma and an
// optional exponent ("1,5", "1,5E3", "2E-4"). A number never begins with a sign
// and never contains a point.
#include "support/real.h"

#include <cstddef>
#include <string_view>

namespace quillmar::engine {

// Converts the whole text, the comma being the decimal point, to the nearest
// extended value. False for an empty mantissa, a second comma, several signs
// after the E, an E without digits or a value beyond the extended range.
// Independent of the process locale.
bool parseDecimalComma(std::string_view text, Real& value);

// Reads the number that begins at pos in upper-case text: the longest run of
// digits and commas, then an E with the signs and digits directly after it.
// On success pos moves past it; otherwise pos is unchanged.
bool scanNumber(std::string_view text, std::size_t& pos, Real& value);

} // namespace quillmar::engine
