#include "support/file_io.h"

#include "support/text.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace quillmar::fileio {

namespace fs = std::filesystem;

std::optional<std::string> readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(buffer).str();
}

std::string writeAtomically(const fs::path& path, std::string_view content)
{
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::random_device rd;
    const fs::path temp = folder / ("." + path.filename().string() + ".tmp" + std::to_string(rd() % 1000000));

    const std::string name = path.string();
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return "Die Datei \"" + name + "\" kann nicht geschrieben werden.";
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n <= 0) {
            ::close(fd);
            std::error_code ec;
            fs::remove(temp, ec);
            return "Die Datei \"" + name + "\" kann nicht vollständig geschrieben werden (Datenträger voll?).";
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        std::error_code ec;
        fs::remove(temp, ec);
        return "Die Datei \"" + name + "\" kann nicht vollständig geschrieben werden (Datenträger voll?).";
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return "Die Datei \"" + name + "\" kann nicht ersetzt werden.";
    }
    return {};
}

fs::path resolveNoCase(const fs::path& path)
{
    std::error_code ec;
    if (fs::exists(path, ec))
        return path;
    const fs::path folder = path.has_parent_path() ? resolveNoCase(path.parent_path()) : fs::path(".");
    const std::string wanted = path.filename().string();
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (text::equalsNoCase(entry.path().filename().string(), wanted))
            return path.has_parent_path() ? entry.path() : entry.path().filename();
    }
    return path.has_parent_path() ? folder / wanted : path;
}

} // namespace quillmar::fileio
