// The HTML output of a formula window: picture name and fragment.
#include "formula/html_output.h"

#include <gtest/gtest.h>

namespace quillmar::formula {
namespace {

TEST(FormulaHtml, PictureNameIsANumberFrom1000Below500000)
{
    std::mt19937 random(7);
    for (int k = 0; k < 2000; ++k) {
        const std::string name = htmlPictureName(random);
        ASSERT_EQ(name.substr(name.size() - 4), ".jpg");
        const int n = std::stoi(name.substr(0, name.size() - 4));
        EXPECT_GE(n, 1000);
        EXPECT_LT(n, 500000);
    }
}

TEST(FormulaHtml, FragmentIsTheLineBreakAndThePicture)
{
    calc::HtmlDataText data;
    data.addLine("alt");
    writeHtmlFragment(data, "123456.jpg");
    EXPECT_EQ(data.lines(), (std::vector<std::string>{"<BR>", "<P><IMG SRC=123456.jpg><P>"}));
    EXPECT_EQ(data.pictureFileName(), "123456.jpg");
    EXPECT_TRUE(data.pictureShown());
}

} // namespace
} // namespace quillmar::formula
