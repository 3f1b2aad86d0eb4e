#pragma once
// Writing the tables of a data folder back into the text form, and making the
// tables from the text form.
#include <filesystem>
#include <string>
#include <vector>

namespace quillmar::collection {

// Writes every table of dataFolder/daten into text files in targetFolder:
// groessen.txt (GROESSEN), formel.txt (formel), umrechnu.txt (umrechnu) and
// einheiten.txt (every other table, in the order of the quantity list).
// Gives an empty text on success, otherwise a German message; the files written
// are each complete.
std::string exportCollection(const std::filesystem::path& dataFolder, const std::filesystem::path& targetFolder);

// Reads the text files and writes one .cds file per table into outFolder.
// Gives an empty text on success, otherwise "file:line: message".
std::string generateTables(const std::vector<std::filesystem::path>& textFiles, const std::filesystem::path& outFolder);

} // namespace quillmar::collection
