#include "typeset/frame_shape.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quillmar::typeset {
namespace {

TEST(FrameShape, EveryShapeInAWideControl)
{
    using Kind = FrameShape::Kind;
    struct Case {
        FrameKind shape;
        Kind kind;
        int x1, y1, x2, y2, corner;
    };
    const Case cases[] = {
        {FrameKind::diagonal, Kind::Line, 0, 0, 100, 40, 0},
        {FrameKind::horizontalLine, Kind::Line, 0, 20, 100, 20, 0},
        {FrameKind::verticalLine, Kind::Line, 50, 0, 50, 40, 0},
        {FrameKind::rectangle, Kind::Rectangle, 0, 0, 100, 40, 0},
        {FrameKind::square, Kind::Rectangle, 30, 0, 70, 40, 0},
        {FrameKind::roundRect, Kind::RoundRect, 0, 0, 100, 40, 10},
        {FrameKind::roundSquare, Kind::RoundRect, 30, 0, 70, 40, 10},
        {FrameKind::ellipse, Kind::Ellipse, 0, 0, 100, 40, 0},
        {FrameKind::circle, Kind::Ellipse, 30, 0, 70, 40, 0},
    };
    for (const Case& c : cases) {
        const FrameShape f = frameShape(c.shape, 100, 40);
        EXPECT_EQ(f.kind, c.kind) << static_cast<int>(c.shape);
        EXPECT_EQ(std::tie(f.x1, f.y1, f.x2, f.y2, f.corner), std::tie(c.x1, c.y1, c.x2, c.y2, c.corner))
            << static_cast<int>(c.shape);
    }
    // In a tall control the square is centred vertically.
    const FrameShape tall = frameShape(FrameKind::circle, 40, 101);
    EXPECT_EQ(std::tie(tall.x1, tall.y1, tall.x2, tall.y2), std::make_tuple(0, 30, 40, 70));
}

} // namespace
} // namespace quillmar::typeset
