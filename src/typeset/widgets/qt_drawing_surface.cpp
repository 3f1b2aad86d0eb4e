#include "typeset/widgets/qt_drawing_surface.h"

#include "typeset/symbol_font.h"

#include <QFontInfo>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace quillmar::typeset {
namespace {

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

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
    , font_(base)
    , name_(base.family().toStdString())
    , size_(pointSizeOf(base))
{
    font_.setPointSize(size_);
    if (painter_) {
        QPen pen(color);
        pen.setWidth(1);
        pen.setCosmetic(true);
        painter_->setPen(pen);
        painter_->setBrush(Qt::NoBrush);
    }
}

void QtDrawingSurface::setFontName(const std::string& name)
{
    if (name == name_)
        return;
    name_ = name;
    font_.setFamily(isSymbolFontName(name) ? QString::fromLatin1(kSymbolFontFamily) : QString::fromStdString(name));
    metrics_.reset();
    ascent_ = -1;
    painterFontCurrent_ = false;
}

void QtDrawingSurface::setFontSize(int points)
{
    if (points == size_ || points <= 0)
        return;
    size_ = points;
    font_.setPointSize(points);
    metrics_.reset();
    ascent_ = -1;
    painterFontCurrent_ = false;
}

const QFontMetrics& QtDrawingSurface::metrics()
{
    if (!metrics_) {
        // Measured as the painter's device will draw, so widths match what is drawn.
        if (painter_ && painter_->device())
            metrics_.emplace(font_, painter_->device());
        else
            metrics_.emplace(font_);
    }
    return *metrics_;
}

int QtDrawingSurface::textWidth(std::string_view utf8)
{
    return metrics().horizontalAdvance(toQString(utf8));
}

// The text cell reaches from the font's ascent, rounded up, to its descent,
// rounded up: whole pixels that hold every glyph, with the font's own room above
// capitals and below descenders, so a bar at a cell's edge never touches a glyph.
void QtDrawingSurface::measureCell()
{
    if (ascent_ >= 0)
        return;
    const QFontMetricsF exact = painter_ && painter_->device() ? QFontMetricsF(font_, painter_->device())
                                                                : QFontMetricsF(font_);
    ascent_ = static_cast<int>(std::ceil(exact.ascent()));
    cellHeight_ = ascent_ + static_cast<int>(std::ceil(exact.descent()));
}

int QtDrawingSurface::textHeight(std::string_view)
{
    measureCell();
    return cellHeight_;
}

void QtDrawingSurface::drawText(int x, int y, std::string_view utf8)
{
    if (!painter_)
        return;
    if (!painterFontCurrent_) {
        painter_->setFont(font_);
        painterFontCurrent_ = true;
    }
    measureCell();
    const int baseline = y + ascent_;
    if (utf8 == kRadicalSign && isSymbolFontName(name_)) {
        drawRadical(x, y, baseline);
        return;
    }
    painter_->drawText(QPoint(x, baseline), toQString(utf8));
}

// The classic symbol font's radical sign fills its text cell from the top, where
// a root's line joins it. Unicode fonts draw it shorter, so it is stretched
// upwards to the cell's top, its foot staying where the font puts it.
void QtDrawingSurface::drawRadical(int x, int top, int baseline)
{
    const QString sign = toQString(kRadicalSign);
    const QRectF ink = QFontMetricsF(font_, painter_->device()).tightBoundingRect(sign);
    const qreal foot = baseline + ink.bottom();
    if (ink.height() <= 0 || foot <= top) {
        painter_->drawText(QPoint(x, baseline), sign);
        return;
    }
    painter_->save();
    painter_->translate(x, foot);
    painter_->scale(1.0, (foot - top) / ink.height());
    painter_->drawText(QPointF(0, -ink.bottom()), sign);
    painter_->restore();
}

void QtDrawingSurface::moveTo(int x, int y)
{
    penPos_ = QPoint(x, y);
}

void QtDrawingSurface::lineTo(int x, int y)
{
    const QPoint to(x, y);
    if (painter_)
        painter_->drawLine(penPos_, to);
    penPos_ = to;
}

void QtDrawingSurface::ellipse(int x1, int y1, int x2, int y2)
{
    // The box's right and bottom edges are exclusive; a stroked ellipse covers
    // its rectangle plus the pen width.
    if (painter_)
        painter_->drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

} // namespace quillmar::typeset
