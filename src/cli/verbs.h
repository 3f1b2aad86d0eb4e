#pragma once
// The table of command-line verbs. Each verb lives in a file of its own and is
// listed once in verbs.cpp.
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::cli {

using VerbMain = std::function<int(const std::vector<std::string>& args, std::istream& in,
                                   std::ostream& out, std::ostream& err)>;

struct Verb {
    std::string_view name; // as typed after the program name
    VerbMain run;
};

const std::vector<Verb>& verbs();

} // namespace quillmar::cli
