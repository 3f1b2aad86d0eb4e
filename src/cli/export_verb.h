#pragma once
// `quillmar exportieren DATENORDNER ZIELORDNER`: writes the tables of a data
// folder back into the text form of the collection.
#include <iosfwd>
#include <string>
#include <vector>

namespace quillmar::cli {

int runExportVerb(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace quillmar::cli
