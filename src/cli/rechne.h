#pragma once
// `quillmar rechne [--format MUSTER]`: works the lines of standard input like the
// direct mode of a calculation window, one output line per input line.
#include <iosfwd>
#include <string>
#include <vector>

namespace quillmar::cli {

int runRechne(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace quillmar::cli
