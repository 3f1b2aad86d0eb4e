#include "cli/export_verb.h"

#include "collection/collection_export.h"

#include <ostream>

namespace quillmar::cli {

namespace {
constexpr const char* kUsage = "Aufruf: quillmar exportieren DATENORDNER ZIELORDNER";
constexpr const char* kDone = "Die Tabellen aus \"%1\" wurden in \"%2\" als Text geschrieben.";
} // namespace

int runExportVerb(const std::vector<std::string>& args, std::istream&, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2) {
        err << kUsage << '\n';
        return 2;
    }
    const std::string failure = collection::exportCollection(args[0], args[1]);
    if (!failure.empty()) {
        err << failure << '\n';
        return 1;
    }
    std::string done = kDone;
    done.replace(done.find("%1"), 2, args[0]);
    done.replace(done.find("%2"), 2, args[1]);
    out << done << '\n';
    return 0;
}

} // namespace quillmar::cli
