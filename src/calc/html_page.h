#pragma once
// The HTML files into which the output dialog puts its data: a new page with a
// heading and a text, and the insertion at the marker "<!##>", which stays in the
// page for the next insertion.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quillmar::calc {

// Escapes the characters that HTML reads as markup (& < > ").
std::string escapeHtml(const std::string& text);

// A complete page (UTF-8) with the heading and the text (lines become line
// breaks), both escaped, and the marker after them.
std::string newHtmlPage(const std::string& heading, const std::vector<std::string>& textLines);

// html with the data lines put in directly before the first marker; nothing
// when html has no marker.
std::optional<std::string> insertAtMarker(const std::string& html, const std::vector<std::string>& dataLines);

// The file name of a new page: name with ".htm" added unless it already ends in
// ".htm" or ".html" (any case).
std::filesystem::path htmlFileName(const std::filesystem::path& folder, const std::string& name);

// An HTML file read as text: UTF-8 when its bytes are valid UTF-8, otherwise
// Windows-1252; written back in the form it was read.
struct HtmlDocument {
    std::string text;
    bool utf8 = true;
};
std::optional<HtmlDocument> readHtmlFile(const std::filesystem::path& path);
// Empty text on success, otherwise the message to show.
std::string writeHtmlFile(const std::filesystem::path& path, const HtmlDocument& document);

} // namespace quillmar::calc
