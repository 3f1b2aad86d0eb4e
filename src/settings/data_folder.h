#pragma once
// The data folder prefix: the folder below which the program finds daten/, Grafik/,
// the help pages and quillmar.ini. It is the program's own folder unless the command
// line names another one with "--daten ORDNER".
#include <filesystem>
#include <string>
#include <vector>

namespace quillmar::settings {

struct DataFolderChoice {
    std::filesystem::path prefix; // absolute, when error is empty
    std::string error;            // German reason why the named folder cannot be used
};

// args are the command-line arguments after the program name.
DataFolderChoice chooseDataFolder(const std::vector<std::string>& args, const std::filesystem::path& programFolder);

} // namespace quillmar::settings
