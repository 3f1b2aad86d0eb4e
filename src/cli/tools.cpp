#include "cli/tools.h"

#include "cli/export_tool.h"
#include "cli/rechne.h"

namespace quillmar::cli {

const std::vector<Tool>& tools()
{
    static const std::vector<Tool> list = {
        {"rechne", runRechne},
        {"exportieren", runExportieren},
    };
    return list;
}

} // namespace quillmar::cli
