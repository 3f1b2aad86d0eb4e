#include "cli/command_line.h"

#include "cli/verbs.h"

#include <cstring>
#include <iostream>
#include <span>
#include <string>
#include <vector>

namespace quillmar::cli {

std::optional<int> runVerb(int argc, char** argv)
{
    if (argc < 2)
        return std::nullopt;
    const std::string name = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const Verb& verb : verbs()) {
        if (name == verb.name)
            return verb.run(args, std::cin, std::cout, std::cerr);
    }
    return std::nullopt;
}

} // namespace quillmar::cli
