#include "typeset/frame_shape.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quillmar::typeset {
namespace {

TEST(FrameShape, EveryShapeInAWideControl)
{
    using Kind = FrameShape::Kind;
    struct Case {
        TtxtshapeType shape;
        Kind kind;
        int x1, y1, x2, y2, corner;
    };
    const Case cases[] = {
        {sstline, Kind::Line, 0, 0, 100, 40, 0},
        {ssthor, Kind::Line, 0, 20, 100, 20, 0},
        {sstver, Kind::Line, 50, 0, 50, 40, 0},
        {sstRectangle, Kind::Rectangle, 0, 0, 100, 40, 0},
        {sstSquare, Kind::Rectangle, 30, 0, 70, 40, 0},
        {sstRoundRect, Kind::RoundRect, 0, 0, 100, 40, 10},
        {sstRoundSquare, Kind::RoundRect, 30, 0, 70, 40, 10},
        {sstEllipse, Kind::Ellipse, 0, 0, 100, 40, 0},
        {sstCircle, Kind::Ellipse, 30, 0, 70, 40, 0},
    };
    for (const Case& c : cases) {
        const FrameShape f = frameShape(c.shape, 100, 40);
        EXPECT_EQ(f.kind, c.kind) << c.shape;
        EXPECT_EQ(std::tie(f.x1, f.y1, f.x2, f.y2, f.corner), std::tie(c.x1, c.y1, c.x2, c.y2, c.corner))
            << c.shape;
    }
    // In a tall control the square is centred vertically.
    const FrameShape tall = frameShape(sstCircle, 40, 101);
    EXPECT_EQ(std::tie(tall.x1, tall.y1, tall.x2, tall.y2), std::make_tuple(0, 30, 40, 70));
}

} // namespace
} // namespace quillmar::typeset
