#include "cli/verbs.h"

#include "cli/export_verb.h"
#include "cli/formula_verb.h"
#include "cli/calculate_verb.h"
#include "cli/convert_verb.h"
#include "cli/texts.h"

namespace quillmar::cli {

const std::vector<Verb>& verbs()
{
    static const std::vector<Verb> list = {
        {texts::kCalculateVerb, runCalculateVerb},
        {texts::kExportVerb, runExportVerb},
        {texts::kConvertVerb, runConvertVerb},
        {texts::kFormulaVerb, runFormulaVerb},
    };
    return list;
}

} // namespace quillmar::cli
