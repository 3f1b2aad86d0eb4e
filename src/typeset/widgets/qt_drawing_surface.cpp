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

// The pen for lines and outlines: one pixel, whatever the painter's scale. Kept
// for the thread, so that a painter given the same pen again is left alone.
const QPen& linePen(const QColor& color)
{
    thread_local QPen pen = [] {
        QPen p(Qt::black);
        p.setWidth(1);
        p.setCosmetic(true);
        return p;
    }();
    if (pen.color() != color)
        pen.setColor(color);
    return pen;
}

// The base font's family as the layout names it, converted once for the thread.
const std::string& familyName(const QString& family)
{
    thread_local QString lastFamily;
    thread_local std::string lastName;
    if (family != lastFamily || lastName.empty()) {
        lastFamily = family;
        lastName = family.toStdString();
    }
    return lastName;
}

} // namespace

struct QtDrawingSurface::Buffers {
    // Glyphs waiting to be drawn, by font, at their final positions.
    struct Pending {
        MeasuredFont* font = nullptr;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    std::vector<quint32> runGlyphs;
    std::vector<qreal> runXs;
    qsizetype runCount = 0;
    std::vector<Pending> pending; // the first pendingCount are in use
    std::size_t pendingCount = 0;
    QList<QLine> lines;
    QList<QLine> slanted;
    bool inUse = false;

    void clear()
    {
        for (std::size_t i = 0; i < pendingCount; ++i) {
            pending[i].glyphs.clear();
            pending[i].positions.clear();
        }
        pendingCount = 0;
        lines.clear();
        slanted.clear();
    }
};

QtDrawingSurface::QtDrawingSurface(QPainter* painter, const QFont& base, const QColor& color)
    : painter_(painter)
    , base_(base)
    , family_(base.family())
    , size_(pointSizeOf(base))
    , dpi_(MeasuredFont::dpiOf(painter ? painter->device() : nullptr))
    , color_(color)
{
    name_ = familyName(family_);
    baseName_ = name_;
    thread_local Buffers shared;
    if (!shared.inUse) {
        buffers_ = &shared;
    } else {
        ownBuffers_ = std::make_unique<Buffers>();
        buffers_ = ownBuffers_.get();
    }
    buffers_->inUse = true;
    if (painter_) {
        const QPen& pen = linePen(color);
        if (painter_->pen() != pen)
            painter_->setPen(pen);
        if (painter_->brush().style() != Qt::NoBrush)
            painter_->setBrush(Qt::NoBrush);
    }
}

QtDrawingSurface::~QtDrawingSurface()
{
    flush();
    buffers_->clear();
    buffers_->inUse = false;
}

void QtDrawingSurface::setFontName(const std::string& name)
{
    if (name == name_)
        return;
    name_ = name;
    symbol_ = isSymbolFontName(name);
    otherFamily_ = false;
    if (symbol_) {
        static const QString symbolFamily = QString::fromLatin1(kSymbolFontFamily);
        family_ = symbolFamily;
    } else if (name == baseName_) {
        family_ = base_.family();
    } else {
        family_ = QString::fromStdString(name);
        otherFamily_ = family_ != base_.family();
    }
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
    if (font_)
        return *font_;
    painterFontCurrent_ = false;
    if (otherFamily_) {
        font_ = &MeasuredFont::get(base_, family_, size_, dpi_);
        return *font_;
    }
    for (int i = 0; i < usedCount_; ++i) {
        if (used_[i].symbol == symbol_ && used_[i].size == size_) {
            font_ = used_[i].font;
            return *font_;
        }
    }
    font_ = &MeasuredFont::get(base_, family_, size_, dpi_);
    if (usedCount_ < kUsedFonts)
        used_[usedCount_++] = {symbol_, size_, font_};
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
    runHasGlyphs_ = current.glyphs(utf8, buffers_->runGlyphs, buffers_->runXs, buffers_->runCount, width);
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
        Buffers& b = *buffers_;
        std::size_t i = 0;
        while (i < b.pendingCount && b.pending[i].font != runFont_)
            ++i;
        if (i == b.pendingCount) {
            if (i == b.pending.size())
                b.pending.emplace_back();
            b.pending[i].font = runFont_;
            ++b.pendingCount;
        }
        Buffers::Pending& batch = b.pending[i];
        const qsizetype start = batch.glyphs.size();
        const qsizetype count = b.runCount;
        batch.glyphs.resize(start + count);
        batch.positions.resize(start + count);
        quint32* glyph = batch.glyphs.data() + start;
        QPointF* position = batch.positions.data() + start;
        for (qsizetype k = 0; k < count; ++k) {
            glyph[k] = b.runGlyphs[k];
            position[k] = QPointF(b.runXs[k], 0) + baselineOrigin;
        }
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
    Buffers& b = *buffers_;
    for (std::size_t i = 0; i < b.pendingCount; ++i) {
        Buffers::Pending& batch = b.pending[i];
        if (batch.glyphs.isEmpty())
            continue;
        QGlyphRun run;
        run.setRawFont(batch.font->rawFont());
        run.setGlyphIndexes(batch.glyphs);
        run.setPositions(batch.positions);
        painter_->drawGlyphRun(QPointF(0, 0), run);
    }
    for (std::size_t i = 0; i < b.pendingCount; ++i) {
        b.pending[i].glyphs.clear();
        b.pending[i].positions.clear();
    }
    b.pendingCount = 0;
    // Bars and root lines run straight across or down: filled as rectangles,
    // from the start pixel up to the end point (which, as with any line drawn
    // from one point to another, is the next line's start and not drawn twice).
    for (const QLine& l : std::as_const(b.lines)) {
        if (l.y1() == l.y2() && l.x1() != l.x2())
            painter_->fillRect(QRect(std::min(l.x1(), l.x2()), l.y1(), std::abs(l.dx()), 1), color_);
        else if (l.x1() == l.x2() && l.y1() != l.y2())
            painter_->fillRect(QRect(l.x1(), std::min(l.y1(), l.y2()), 1, std::abs(l.dy())), color_);
        else
            b.slanted.append(l);
    }
    if (!b.slanted.isEmpty())
        painter_->drawLines(b.slanted);
    b.lines.clear();
    b.slanted.clear();
}

// The classic symbol font's radical sign fills its text cell from the top, where
// a root's line joins it. Unicode fonts draw it shorter, so it is stretched
// upwards to the cell's top, its foot staying where the font puts it.
void QtDrawingSurface::drawRadical(int x, int top, int baseline)
{
    const QRectF& ink = runFont_->radicalInk();
    const qreal foot = baseline + ink.bottom();
    // Glyphs need only the transformation set back; Qt's text layout also the font.
    const QTransform before = painter_->worldTransform();
    if (!runHasGlyphs_) {
        painter_->save();
        painter_->setFont(runFont_->font());
    }
    QPointF origin(x, baseline);
    if (ink.height() > 0 && foot > top) {
        painter_->translate(x, foot);
        painter_->scale(1.0, (foot - top) / ink.height());
        origin = QPointF(0, -ink.bottom());
    }
    if (runHasGlyphs_) {
        QGlyphRun run;
        run.setRawFont(runFont_->rawFont());
        const Buffers& b = *buffers_;
        QList<quint32> glyphs(b.runGlyphs.begin(), b.runGlyphs.begin() + b.runCount);
        QList<QPointF> positions;
        positions.reserve(b.runCount);
        for (qsizetype k = 0; k < b.runCount; ++k)
            positions.append(QPointF(b.runXs[k], 0));
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter_->drawGlyphRun(origin, run);
        painter_->setWorldTransform(before);
        return;
    }
    painter_->drawText(origin, runString_);
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
        buffers_->lines.append(QLine(penPos_, to));
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
