#pragma once
// The formula layout's drawing surface on a QPainter, measured with QFontMetrics.
// The symbol font is drawn with a font that has the Greek letters and signs.
// Without a painter the surface only measures (for sizing a control unseen).
#include "typeset/drawing_surface.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPoint>

#include <optional>
#include <string>

class QPainter;

namespace quillmar::typeset {

// The family that draws text set in the symbol font.
inline constexpr const char* kSymbolFontFamily = "DejaVu Sans";

class QtDrawingSurface final : public DrawingSurface {
public:
    // Starts with the base font selected; text and lines are drawn in color.
    QtDrawingSurface(QPainter* painter, const QFont& base, const QColor& color);

    void setFontName(const std::string& name) override;
    void setFontSize(int points) override;
    const std::string& fontName() const override { return name_; }
    int fontSize() const override { return size_; }

    int textWidth(std::string_view utf8) override;
    int textHeight(std::string_view utf8) override;
    void drawText(int x, int y, std::string_view utf8) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void ellipse(int x1, int y1, int x2, int y2) override;

private:
    const QFontMetrics& metrics();
    void measureCell();
    void drawRadical(int x, int top, int baseline);

    QPainter* painter_;
    QFont font_;
    std::string name_;
    int size_;
    std::optional<QFontMetrics> metrics_;
    bool painterFontCurrent_ = false;
    int ascent_ = -1; // of the text cell; -1 until measured for the current font
    int cellHeight_ = 0;
    QPoint penPos_;
};

} // namespace quillmar::typeset
