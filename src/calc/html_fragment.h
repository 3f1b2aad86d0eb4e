#pragma once
// The data text that the windows hand to the HTML output dialog, line by line.
#include <string>
#include <vector>

namespace quillmar::calc {

class HtmlDataText {
public:
    // Empties the data text, hides the picture page and starts with "<BR>".
    void begin();
    // Appends text followed by "<BR>" as one line; the text is not escaped.
    void addLine(const std::string& text);
    void addLines(const std::vector<std::string>& texts);
    // Remembers the picture's file name and appends its image line.
    void addPicture(const std::string& fileName);

    const std::vector<std::string>& lines() const { return lines_; }
    const std::string& pictureFileName() const { return pictureFileName_; }
    bool pictureShown() const { return pictureShown_; }
    void showPicture(bool shown) { pictureShown_ = shown; }

private:
    std::vector<std::string> lines_;
    std::string pictureFileName_;
    bool pictureShown_ = false;
};

// The calculation window's fragment: its file path (empty when never saved or
// opened), the formula list as last built, then the lines of its text.
void writeCalcWindowFragment(HtmlDataText& data, const std::string& filePath,
                             const std::vector<std::string>& formulaEntries, const std::vector<std::string>& textLines);

} // namespace quillmar::calc
