#pragma once
// `quillmar rechne [--format MUSTER]`: works the lines of standard input like the
// direct mode of a calculation window, one output line per input line.
// `quillmar rechne --programm DATEI`: runs a .ref, .for or .txt file in program mode
// and prints the lines of its output window; status 1 when a line failed.
#include <iosfwd>
#include <string>
#include <vector>

namespace quillmar::cli {

int runCalculateVerb(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace quillmar::cli
