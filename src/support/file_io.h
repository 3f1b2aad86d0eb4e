#pragma once
// Reading and writing whole files. Writing is atomic: the content goes to a
// temporary file beside the target, which then replaces the target, so a
// failure never leaves a half-written file behind.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillmar::fileio {

std::optional<std::string> readAll(const std::filesystem::path& path);

// Returns an empty text on success, otherwise the reason in German.
std::string writeAtomically(const std::filesystem::path& path, std::string_view content);

// Finds an existing file whose name matches without regard to case within its
// folder (GROESSEN.cds and groessen.cds are one file, also on Linux). Gives the
// path as it exists on disk, or the path unchanged when no such file exists.
std::filesystem::path resolveNoCase(const std::filesystem::path& path);

} // namespace quillmar::fileio
