#include "cli/verbs.h"

#include "cli/export_verb.h"
#include "cli/formula_verb.h"
#include "cli/calculate_verb.h"
#include "cli/convert_verb.h"

namespace quillmar::cli {

const std::vector<Tool>& tools()
{
    static const std::vector<Tool> list = {
        {"rechne", runCalculateVerb},
        {"exportieren", runExportVerb},
        {"umrechnen", runConvertVerb},
        {"formel", runFormulaVerb},
    };
    return list;
}

} // namespace quillmar::cli
