#include "typeset/widgets/qt_drawing_surface.h"

#include "typeset/symbol_font.h"
#include "typeset/widgets/measured_font.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdlib>

namespace quillmar::typeset {
namespace {

int pointSizeOf(const QFont& font)
{
    if (font.pointSize() > 0)
        return font.pointSize();
    return QFontInfo(font).pointSize(); // a font given in pixels
}

constexpr std::string_view kRadicalSign = "\u221A";

} // namespace

QtDrawingSurface::QtDrawingSurface(QPainter* painter, const QFont& base, const QColor& color)
    : painter_(painter)
    , base_(base)
    , name_(base.family().toStdString())
    , family_(base.family())
    , size_(pointSizeOf(base))
    , dpi_(MeasuredFont::dpiOf(painter ? painter->device() : nullptr))
    , color_(color)
{
    if (painter_) {
        QPen pen(color);
        pen.setWidth(1);
        pen.setCosmetic(true);
        painter_->setPen(pen);
        painter_->setBrush(Qt::NoBrush);
    }
}

QtDrawingSurface::~QtDrawingSurface()
{
    flush();
}

void QtDrawingSurface::setFontName(const std::string& name)
{
    if (name == name_)
        return;
    name_ = name;
    family_ = isSymbolFontName(name) ? QString::fromLatin1(kSymbolFontFamily) : QString::fromStdString(name);
    font_ = nullptr;
}

void QtDrawingSurface::setFontSize(int points)
{
    if (points == size_ || points <= 0)
        return;
    size_ = points;
    font_ = nullptr;
}

MeasuredFont& QtDrawingSurface::font()
{
    if (!font_) {
        font_ = &MeasuredFont::get(base_, family_, size_, dpi_);
        painterFontCurrent_ = false;
    }
    return *font_;
}

int QtDrawingSurface::prepare(std::string_view utf8)
{
    MeasuredFont& current = font();
    if (runFont_ == &current && runText_ == utf8)
        return runWidth_;
    runFont_ = &current;
    runText_.assign(utf8);
    qreal width = 0;
    runHasGlyphs_ = current.glyphs(utf8, runGlyphs_, runPositions_, width);
    // Qt's own text layout is needed only for characters the font lacks.
    runString_ = runHasGlyphs_ ? QString() : QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    runWidth_ = runHasGlyphs_ ? qRound(width) : current.fallbackWidth(runString_);
    return runWidth_;
}

int QtDrawingSurface::textWidth(std::string_view utf8)
{
    return prepare(utf8);
}

// The text cell reaches from the font's ascent to its descent, both rounded up:
// whole pixels that hold every glyph with the font's own room above capitals and
// below descenders, so a bar at a cell's edge never touches a glyph.
int QtDrawingSurface::textHeight(std::string_view)
{
    return font().cellHeight();
}

void QtDrawingSurface::drawText(int x, int y, std::string_view utf8)
{
    if (!painter_)
        return;
    prepare(utf8);
    const int baseline = y + runFont_->ascent();
    if (utf8 == kRadicalSign && isSymbolFontName(name_)) {
        drawRadical(x, y, baseline);
        return;
    }
    drawRun(QPointF(x, baseline));
}

void QtDrawingSurface::drawRun(QPointF baselineOrigin)
{
    if (runHasGlyphs_) {
        auto batch = std::find_if(pending_.begin(), pending_.end(),
                                  [&](const Pending& p) { return p.font == runFont_; });
        if (batch == pending_.end()) {
            pending_.push_back({runFont_, {}, {}});
            batch = pending_.end() - 1;
            batch->glyphs.reserve(64);
            batch->positions.reserve(64);
        }
        batch->glyphs.append(runGlyphs_);
        for (const QPointF& p : runPositions_)
            batch->positions.append(p + baselineOrigin);
        return;
    }
    // A character the font lacks: Qt's text layout finds a font that has it.
    if (!painterFontCurrent_) {
        painter_->setFont(runFont_->font());
        painterFontCurrent_ = true;
    }
    painter_->drawText(baselineOrigin, runString_);
}

void QtDrawingSurface::flush()
{
    if (!painter_ || !painter_->isActive())
        return;
    for (Pending& batch : pending_) {
        if (batch.glyphs.isEmpty())
            continue;
        QGlyphRun run;
        run.setRawFont(batch.font->rawFont());
        run.setGlyphIndexes(batch.glyphs);
        run.setPositions(batch.positions);
        painter_->drawGlyphRun(QPointF(0, 0), run);
    }
    pending_.clear();
    // Bars and root lines run straight across or down: filled as rectangles,
    // from the start pixel up to the end point (which, as with any line drawn
    // from one point to another, is the next line's start and not drawn twice).
    QList<QLine> slanted;
    for (const QLine& l : std::as_const(pendingLines_)) {
        if (l.y1() == l.y2() && l.x1() != l.x2())
            painter_->fillRect(QRect(std::min(l.x1(), l.x2()), l.y1(), std::abs(l.dx()), 1), color_);
        else if (l.x1() == l.x2() && l.y1() != l.y2())
            painter_->fillRect(QRect(l.x1(), std::min(l.y1(), l.y2()), 1, std::abs(l.dy())), color_);
        else
            slanted.append(l);
    }
    if (!slanted.isEmpty())
        painter_->drawLines(slanted);
    pendingLines_.clear();
}

// The classic symbol font's radical sign fills its text cell from the top, where
// a root's line joins it. Unicode fonts draw it shorter, so it is stretched
// upwards to the cell's top, its foot staying where the font puts it.
void QtDrawingSurface::drawRadical(int x, int top, int baseline)
{
    const QRectF& ink = runFont_->radicalInk();
    const qreal foot = baseline + ink.bottom();
    painter_->save();
    painter_->setFont(runFont_->font());
    QPointF origin(x, baseline);
    if (ink.height() > 0 && foot > top) {
        painter_->translate(x, foot);
        painter_->scale(1.0, (foot - top) / ink.height());
        origin = QPointF(0, -ink.bottom());
    }
    if (runHasGlyphs_) {
        QGlyphRun run;
        run.setRawFont(runFont_->rawFont());
        run.setGlyphIndexes(runGlyphs_);
        run.setPositions(runPositions_);
        painter_->drawGlyphRun(origin, run);
    } else {
        painter_->drawText(origin, runString_);
    }
    painter_->restore();
    painterFontCurrent_ = false;
}

void QtDrawingSurface::moveTo(int x, int y)
{
    penPos_ = QPoint(x, y);
}

void QtDrawingSurface::lineTo(int x, int y)
{
    const QPoint to(x, y);
    if (painter_)
        pendingLines_.append(QLine(penPos_, to));
    penPos_ = to;
}

void QtDrawingSurface::ellipse(int x1, int y1, int x2, int y2)
{
    // The box's right and bottom edges are exclusive; a stroked ellipse covers
    // its rectangle plus the pen width.
    if (!painter_)
        return;
    if (x2 - x1 <= 3 && y2 - y1 <= 3) {
        // A dot: its outline fills the few pixels of the box anyway.
        painter_->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), color_);
        return;
    }
    painter_->drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

} // namespace quillmar::typeset
