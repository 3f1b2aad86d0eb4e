#include "typeset/frame_shape.h"

#include <algorithm>

namespace quillmar::typeset {

FrameShape frameShape(FrameKind shape, int width, int height)
{
    const int side = std::min(width, height);
    const int left = (width - side) / 2;
    const int top = (height - side) / 2;
    using Kind = FrameShape::Kind;
    switch (shape) {
    case FrameKind::diagonal:
        return {Kind::Line, 0, 0, width, height, 0};
    case FrameKind::horizontalLine:
        return {Kind::Line, 0, height / 2, width, height / 2, 0};
    case FrameKind::verticalLine:
        return {Kind::Line, width / 2, 0, width / 2, height, 0};
    case FrameKind::rectangle:
        return {Kind::Rectangle, 0, 0, width, height, 0};
    case FrameKind::square:
        return {Kind::Rectangle, left, top, left + side, top + side, 0};
    case FrameKind::roundRect:
        return {Kind::RoundRect, 0, 0, width, height, side / 4};
    case FrameKind::roundSquare:
        return {Kind::RoundRect, left, top, left + side, top + side, side / 4};
    case FrameKind::ellipse:
        return {Kind::Ellipse, 0, 0, width, height, 0};
    case FrameKind::circle:
        return {Kind::Ellipse, left, top, left + side, top + side, 0};
    }
    return {Kind::Line, 0, 0, width, height, 0};
}

} // namespace quillmar::typeset
