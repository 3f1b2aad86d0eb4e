#include "cli/export_verb.h"

#include "cli/texts.h"
#include "collection/collection_export.h"
#include "support/text.h"

#include <ostream>

namespace quillmar::cli {

int runExportVerb(const std::vector<std::string>& args, std::istream&, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2) {
        err << texts::kExportUsage << '\n';
        return 2;
    }
    const std::string failure = collection::exportCollection(args[0], args[1]);
    if (!failure.empty()) {
        err << failure << '\n';
        return 1;
    }
    out << text::fillIn(texts::kExportDone, {args[0], args[1]}) << '\n';
    return 0;
}

} // namespace quillmar::cli
