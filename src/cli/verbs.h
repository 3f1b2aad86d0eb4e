#pragma once
// The table of command-line tools. Each tool lives in a file of its own and is
// listed once in tools.cpp.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace quillmar::cli {

using VerbMain = std::function<int(const std::vector<std::string>& args, std::istream& in,
                                   std::ostream& out, std::ostream& err)>;

struct Tool {
    const char* name;
    VerbMain run;
};

const std::vector<Tool>& tools();

} // namespace quillmar::cli
