#include "cli/tools.h"

#include "cli/rechne.h"

namespace quillmar::cli {

const std::vector<Tool>& tools()
{
    static const std::vector<Tool> list = {
        {"rechne", runRechne},
    };
    return list;
}

} // namespace quillmar::cli
