#include "settings/data_folder.h"

#include "settings/texts.h"
#include "support/text.h"

#include <system_error>

namespace quillmar::settings {

namespace fs = std::filesystem;

DataFolderChoice chooseDataFolder(const std::vector<std::string>& args, const fs::path& programFolder)
{
    DataFolderChoice choice;
    fs::path folder = programFolder;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != texts::kDataOption)
            continue;
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            choice.error = texts::kDataOptionWithoutFolder;
            return choice;
        }
        folder = args[i + 1];
        std::error_code ec;
        if (!fs::is_directory(folder, ec)) {
            choice.error = text::fillIn(texts::kDataFolderMissing, {args[i + 1]});
            return choice;
        }
    }
    std::error_code ec;
    const fs::path absolute = fs::absolute(folder, ec);
    choice.prefix = (ec ? folder : absolute).lexically_normal();
    return choice;
}

} // namespace quillmar::settings
