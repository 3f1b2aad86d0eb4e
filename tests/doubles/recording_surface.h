#pragma once
// A drawing surface with fixed, simple metrics that keeps every drawing call:
// lets the layout be checked to the pixel without a display.
//   text height = size + 4, text width = characters * (size / 2)
// With the default font ("Arial", 12 points) "K" is 16 high and 6 wide, so the
// layout's line height is 18 and its letter width 6.
#include "typeset/drawing_surface.h"

#include <string>
#include <vector>

namespace quillmar::typeset {

struct DrawCall {
    enum class Kind { Text, Line, Ellipse };
    Kind kind = Kind::Text;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0; // lines and ellipses only
    int y2 = 0;
    std::string text; // text only, as drawn (UTF-8)
    std::string fontName;
    int fontSize = 0;
};

class RecordingSurface final : public DrawingSurface {
public:
    explicit RecordingSurface(std::string fontName = "Arial", int fontSize = 12);

    void setFontName(const std::string& name) override { fontName_ = name; }
    void setFontSize(int points) override { fontSize_ = points; }
    const std::string& fontName() const override { return fontName_; }
    int fontSize() const override { return fontSize_; }

    int textWidth(std::string_view utf8) override;
    int textHeight(std::string_view utf8) override;
    void drawText(int x, int y, std::string_view utf8) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void ellipse(int x1, int y1, int x2, int y2) override;

    std::vector<DrawCall> calls;

    // The text calls only, in order.
    std::vector<DrawCall> texts() const;

private:
    std::string fontName_;
    int fontSize_;
    int penX_ = 0;
    int penY_ = 0;
};

} // namespace quillmar::typeset
