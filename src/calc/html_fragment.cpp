#include "calc/html_fragment.h"

#include "calc/texts.h"

namespace quillmar::calc {

void HtmlDataText::begin()
{
    lines_.clear();
    pictureShown_ = false;
    lines_.emplace_back(calc::texts::kHtmlLineBreak);
}

void HtmlDataText::addLine(const std::string& text) { lines_.push_back(text + std::string(calc::texts::kHtmlLineBreak)); }

void HtmlDataText::addLines(const std::vector<std::string>& texts)
{
    for (const std::string& text : texts)
        addLine(text);
}

void HtmlDataText::addPicture(const std::string& fileName)
{
    pictureFileName_ = fileName;
    lines_.push_back(std::string(calc::texts::kHtmlImageOpen) + fileName + std::string(calc::texts::kHtmlImageClose));
}

void writeCalcWindowFragment(HtmlDataText& data, const std::string& filePath,
                             const std::vector<std::string>& formulaEntries, const std::vector<std::string>& textLines)
{
    data.begin();
    data.addLine(std::string(calc::texts::kFileHeader) + filePath);
    data.addLines(formulaEntries);
    data.addLines(textLines);
}

} // namespace quillmar::calc
