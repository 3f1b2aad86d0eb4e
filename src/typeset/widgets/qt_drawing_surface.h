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

#include <memory>
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
    struct Buffers;
    MeasuredFont& font();
    // Shapes a run once for drawing and measuring; gives its width.
    int prepare(std::string_view utf8);
    void drawRadical(int x, int top, int baseline);
    void drawRun(QPointF baselineOrigin);

    QPainter* painter_;
    QFont base_;
    std::string name_;
    std::string baseName_;
    QString family_;
    bool symbol_ = false;      // family_ is the symbol font's
    bool otherFamily_ = false; // family_ is neither the base font's nor the symbol font's
    int size_;
    int dpi_;
    QColor color_;
    MeasuredFont* font_ = nullptr; // for name_ and size_; null until needed
    bool painterFontCurrent_ = false;
    QPoint penPos_;

    // The fonts this surface has used, by symbol font or not and size: a formula
    // switches between two or three of them after every command.
    struct UsedFont {
        bool symbol;
        int size;
        MeasuredFont* font;
    };
    static constexpr int kUsedFonts = 6;
    UsedFont used_[kUsedFonts] = {};
    int usedCount_ = 0;

    // The run last prepared.
    std::string runText_;
    MeasuredFont* runFont_ = nullptr;
    QString runString_;
    bool runHasGlyphs_ = false;
    int runWidth_ = 0;

    // The lists of the last run and of what waits to be drawn; kept for the
    // thread from one surface to the next, so painting a formula allocates
    // nothing once a few have been painted.
    Buffers* buffers_;
    std::unique_ptr<Buffers> ownBuffers_; // when another surface has the thread's
};

} // namespace quillmar::typeset
