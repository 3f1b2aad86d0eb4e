#pragma once
// The command-line verbs of the program: `quillmar VERB ...` runs one of them
// instead of the windowed program, without creating any widget.
#include <optional>

namespace quillmar::cli {

// Runs the verb named by argv[1] and gives its exit status, or nothing when
// argv[1] names no verb (then the windowed program starts).
std::optional<int> runVerb(int argc, char** argv);

} // namespace quillmar::cli
