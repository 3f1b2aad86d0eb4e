#include "formula/html_output.h"

namespace quillmar::formula {

std::string htmlPictureName(std::mt19937& random)
{
    std::uniform_int_distribution<int> below(0, 499999);
    int n = 0;
    do
        n = below(random);
    while (n < 1000);
    return std::to_string(n) + ".jpg";
}

void writeHtmlFragment(calc::HtmlDataText& data, const std::string& pictureName)
{
    data.begin();
    data.showPicture(true);
    data.addPicture(pictureName);
}

} // namespace quillmar::formula
