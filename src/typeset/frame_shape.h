#pragma once
// The frame shapes a formula control can draw around its text, and where each one
// lies in a control of a given size.
namespace quillmar::typeset {

enum class FrameKind {
    diagonal,
    horizontalLine,
    verticalLine,
    rectangle,
    square,
    roundRect,
    roundSquare,
    ellipse,
    circle,
};

struct FrameShape {
    enum class Kind { Line, Rectangle, RoundRect, Ellipse };
    Kind kind = Kind::Line;
    // A line from (x1, y1) to (x2, y2); for the other kinds the bounding box,
    // right and bottom edges exclusive.
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int corner = 0; // width and height of the rounded corners' ellipses
};

// Lines run corner to corner or through the middle; rectangles and ellipses fill
// the control; squares and circles stand in a square of the smaller side, centred.
FrameShape frameShape(FrameKind shape, int width, int height);

} // namespace quillmar::typeset
