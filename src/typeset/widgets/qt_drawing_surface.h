#pragma once
// The formula layout's drawing surface on a QPainter. Runs are measured and drawn
// with the same glyphs, so the pen moves by the width of what is drawn. Text in
// the symbol font is drawn with a font that has the Greek letters and signs.
// Without a painter the surface only measures (for sizing a control unseen).
#include "typeset/drawing_surface.h"

#include <QColor>
#include <QFont>
#include <QLine>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QString>

#include <string>
#include <vector>

class QPainter;

namespace quillmar::typeset {

class MeasuredFont;

// The family that draws text set in the symbol font.
inline constexpr const char* kSymbolFontFamily = "DejaVu Sans";

class QtDrawingSurface final : public DrawingSurface {
public:
    // Starts with the base font selected; text and lines are drawn in color.
    QtDrawingSurface(QPainter* painter, const QFont& base, const QColor& color);
    // Draws what is still pending; the painter must still be active.
    ~QtDrawingSurface() override;
    QtDrawingSurface(const QtDrawingSurface&) = delete;
    QtDrawingSurface& operator=(const QtDrawingSurface&) = delete;

    // Glyphs of one font are drawn together, when the surface is done or this is
    // called: drawing them one run at a time costs most of the time of a paint.
    void flush();

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
    MeasuredFont& font();
    // Shapes a run once for drawing and measuring; gives its width.
    int prepare(std::string_view utf8);
    void drawRadical(int x, int top, int baseline);
    void drawRun(QPointF baselineOrigin);

    QPainter* painter_;
    QFont base_;
    std::string name_;
    QString family_;
    int size_;
    int dpi_;
    QColor color_;
    MeasuredFont* font_ = nullptr; // for name_ and size_; null until needed
    bool painterFontCurrent_ = false;
    QPoint penPos_;

    // The run last prepared.
    std::string runText_;
    MeasuredFont* runFont_ = nullptr;
    QString runString_;
    bool runHasGlyphs_ = false;
    QList<quint32> runGlyphs_;
    QList<QPointF> runPositions_;
    int runWidth_ = 0;

    // Glyphs waiting to be drawn, by font, at their final positions.
    struct Pending {
        MeasuredFont* font;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    std::vector<Pending> pending_;
    QList<QLine> pendingLines_;
};

} // namespace quillmar::typeset
