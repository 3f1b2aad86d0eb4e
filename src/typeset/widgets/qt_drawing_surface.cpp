#include "typeset/widgets/qt_drawing_surface.h"

#include "typeset/symbol_font.h"

#include <QFontInfo>
#include <QPainter>
#include <QPen>

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
    painterFontCurrent_ = false;
}

void QtDrawingSurface::setFontSize(int points)
{
    if (points == size_ || points <= 0)
        return;
    size_ = points;
    font_.setPointSize(points);
    metrics_.reset();
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

int QtDrawingSurface::textHeight(std::string_view)
{
    return metrics().height();
}

void QtDrawingSurface::drawText(int x, int y, std::string_view utf8)
{
    if (!painter_)
        return;
    if (!painterFontCurrent_) {
        painter_->setFont(font_);
        painterFontCurrent_ = true;
    }
    painter_->drawText(QPoint(x, y + metrics().ascent()), toQString(utf8));
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
