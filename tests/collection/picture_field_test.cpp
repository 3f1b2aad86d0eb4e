#include "collection/picture_field.h"

#include <gtest/gtest.h>

using namespace quillmar::collection;

TEST(PictureField, SplitsNameAndPlacement)
{
    struct Case {
        std::string grafik;
        std::string file;
        int left;
        int top;
    };
    const std::vector<Case> cases = {
        {"hebel", "hebel", -1, -1},
        {"hebel.png#10#20", "hebel.png", 10, 20},
        {"hebel.png#10", "hebel.png", -1, -1},      // one position only: automatic
        {"hebel#x#20", "hebel", -1, -1},            // a bad left position ends the reading
        {"hebel#10#y", "hebel", 10, -1},            // a bad top keeps the left
        {"hebel#-5# 7", "hebel", -5, 7},
        {"hebel#10#20#30", "hebel", 10, -1},        // "20#30" is no integer
        {"#3#4", "", 3, 4},
        {"", "", -1, -1},
    };
    for (const Case& c : cases) {
        const PicturePlacement p = splitPictureField(c.grafik);
        EXPECT_EQ(p.fileName, c.file) << c.grafik;
        EXPECT_EQ(p.left, c.left) << c.grafik;
        EXPECT_EQ(p.top, c.top) << c.grafik;
    }
    EXPECT_EQ(pictureFileName("hebel"), "hebel.bmp");
    EXPECT_EQ(pictureFileName("hebel.png"), "hebel.png");
    EXPECT_EQ(picturePath("/p", "hebel"), std::filesystem::path("/p/Grafik/hebel.bmp"));
}
