#include "collection/picture_field.h"

#include "support/file_io.h"

#include <charconv>
#include <optional>

namespace quillmar::collection {

namespace {

std::optional<int> toInt(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    int value = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size())
        return std::nullopt;
    return value;
}

} // namespace

PicturePlacement splitPictureField(std::string_view grafik)
{
    PicturePlacement p;
    const std::size_t first = grafik.find('#');
    if (first == std::string_view::npos) {
        p.fileName = std::string(grafik);
        return p;
    }
    p.fileName = std::string(grafik.substr(0, first));
    const std::string_view rest = grafik.substr(first + 1);
    const std::size_t second = rest.find('#');
    if (second == std::string_view::npos)
        return p;
    const auto left = toInt(rest.substr(0, second));
    if (!left)
        return p;
    p.left = *left;
    if (const auto top = toInt(rest.substr(second + 1)))
        p.top = *top;
    return p;
}

std::string pictureFileName(std::string_view fileName)
{
    std::string name(fileName);
    if (name.find('.') == std::string::npos)
        name += ".bmp";
    return name;
}

std::filesystem::path picturePath(const std::filesystem::path& prefix, std::string_view fileName)
{
    return fileio::resolveNoCase(prefix / "Grafik" / pictureFileName(fileName));
}

} // namespace quillmar::collection
