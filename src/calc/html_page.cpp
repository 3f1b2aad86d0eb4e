#include "calc/html_page.h"

#include "calc/texts.h"
#include "support/file_io.h"
#include "support/text.h"

namespace quillmar::calc {

namespace {

bool validUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        int follow = 0;
        if (c < 0x80)
            follow = 0;
        else if ((c & 0xE0) == 0xC0 && c >= 0xC2)
            follow = 1;
        else if ((c & 0xF0) == 0xE0)
            follow = 2;
        else if ((c & 0xF8) == 0xF0 && c <= 0xF4)
            follow = 3;
        else
            return false;
        if (i + follow >= bytes.size())
            return false;
        for (int k = 1; k <= follow; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += follow + 1;
    }
    return true;
}

} // namespace

std::string escapeHtml(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out.push_back(c);
        }
    }
    return out;
}

std::string newHtmlPage(const std::string& heading, const std::vector<std::string>& textLines)
{
    std::string page = "<!DOCTYPE html>\r\n<HTML>\r\n<HEAD>\r\n<META charset=\"utf-8\">\r\n<TITLE>" + escapeHtml(heading)
                       + "</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
    if (!heading.empty())
        page += "<H1>" + escapeHtml(heading) + "</H1>\r\n";
    for (const std::string& line : textLines)
        page += escapeHtml(line) + std::string(calc::texts::kHtmlLineBreak) + "\r\n";
    page += std::string(calc::texts::kHtmlMarker) + "\r\n</BODY>\r\n</HTML>\r\n";
    return page;
}

std::optional<std::string> insertAtMarker(const std::string& html, const std::vector<std::string>& dataLines)
{
    const auto at = html.find(calc::texts::kHtmlMarker);
    if (at == std::string::npos)
        return std::nullopt;
    std::string inserted;
    for (const std::string& line : dataLines)
        inserted += line + "\r\n";
    std::string out = html;
    out.insert(at, inserted);
    return out;
}

std::filesystem::path htmlFileName(const std::filesystem::path& folder, const std::string& name)
{
    const std::string ext = text::upperAscii(std::filesystem::path(name).extension().string());
    return folder / (ext == ".HTM" || ext == ".HTML" ? name : name + ".htm");
}

std::optional<HtmlDocument> readHtmlFile(const std::filesystem::path& path)
{
    const auto bytes = fileio::readAll(path);
    if (!bytes)
        return std::nullopt;
    std::string_view view = *bytes;
    if (view.starts_with("\xEF\xBB\xBF"))
        view.remove_prefix(3);
    if (validUtf8(view))
        return HtmlDocument{std::string(view), true};
    return HtmlDocument{text::fromCp1252(view), false};
}

std::string writeHtmlFile(const std::filesystem::path& path, const HtmlDocument& document)
{
    if (!document.utf8) {
        if (const auto bytes = text::toCp1252(document.text))
            return fileio::writeAtomically(path, *bytes);
    }
    return fileio::writeAtomically(path, document.text);
}

} // namespace quillmar::calc
