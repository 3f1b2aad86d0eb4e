#pragma once
// What the formula layout needs from a drawing surface: fonts by name and size,
// text extents, text drawn with the top-left corner of its cell at a point, and
// one-pixel lines and ellipse outlines in the font colour. Pixels, x to the right,
// y downward. The program paints on a QPainter; tests record the calls.
#include <string>
#include <string_view>

namespace quillmar::typeset {

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // The name "SYMBOL" selects the symbol font (see symbol_font.h).
    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual const std::string& fontName() const = 0;
    virtual int fontSize() const = 0;

    virtual int textWidth(std::string_view utf8) = 0;
    virtual int textHeight(std::string_view utf8) = 0;
    // Draws with a transparent background, the text cell's top-left corner at (x, y).
    virtual void drawText(int x, int y, std::string_view utf8) = 0;

    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // Outline only, in the bounding box from (x1, y1) to (x2, y2).
    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
};

} // namespace quillmar::typeset
