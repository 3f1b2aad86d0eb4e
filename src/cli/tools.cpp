#include "cli/tools.h"

#include "cli/export_tool.h"
#include "cli/rechne.h"
#include "cli/umrechnen.h"

namespace quillmar::cli {

const std::vector<Tool>& tools()
{
    static const std::vector<Tool> list = {
        {"rechne", runRechne},
        {"exportieren", runExportieren},
        {"umrechnen", runUmrechnen},
    };
    return list;
}

} // namespace quillmar::cli
