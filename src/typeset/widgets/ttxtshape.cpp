#include "typeset/widgets/ttxtshape.h"

#include "typeset/markup_layout.h"
#include "typeset/widgets/qt_drawing_surface.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillmar::typeset {

Ttxtshape::Ttxtshape(QWidget* parent)
    : QWidget(parent)
    , text_(QString::fromLatin1(kDefaultText))
{
    // Only the family is set: size and colour come from the parent like any
    // other control's font.
    QFont font;
    font.setFamily(QString::fromLatin1(kDefaultFontName));
    setFont(font);
    resize(65, 65);
}

void Ttxtshape::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
}

void Ttxtshape::setShowText(bool show)
{
    if (show == showText_)
        return;
    showText_ = show;
    update();
}

void Ttxtshape::setShowRahmen(bool show)
{
    if (show == showRahmen_)
        return;
    showRahmen_ = show;
    update();
}

void Ttxtshape::setShape(TtxtshapeType shape)
{
    if (shape == shape_)
        return;
    shape_ = shape;
    update();
}

void Ttxtshape::setTextposx(int x)
{
    if (x == textposx_)
        return;
    textposx_ = x;
    update();
}

void Ttxtshape::setTextposy(int y)
{
    if (y == textposy_)
        return;
    textposy_ = y;
    update();
}

void Ttxtshape::setPen(const QPen& pen)
{
    pen_ = pen;
    update();
}

void Ttxtshape::setBrush(const QBrush& brush)
{
    brush_ = brush;
    update();
}

QSize Ttxtshape::sizeHint() const
{
    if (tag_ != 0 || !showText_)
        return size();
    QtDrawingSurface measuring(nullptr, font(), QColor());
    const int end = drawMarkup(measuring, text_.toStdString(), textposx_, textposy_);
    return {textposx_ + end, height()};
}

void Ttxtshape::drawFrame(QPainter& painter) const
{
    const FrameShape f = frameShape(shape_, width(), height());
    // A stroked rectangle covers its size plus the pen width: shrink by one so
    // the outline stays inside the exclusive right and bottom edges.
    const QRect box(f.x1, f.y1, f.x2 - f.x1 - 1, f.y2 - f.y1 - 1);
    switch (f.kind) {
    case FrameShape::Kind::Line:
        painter.drawLine(f.x1, f.y1, f.x2, f.y2);
        break;
    case FrameShape::Kind::Rectangle:
        painter.drawRect(box);
        break;
    case FrameShape::Kind::RoundRect:
        // The corner size is the full width of the corner ellipse; Qt takes radii.
        painter.drawRoundedRect(box, f.corner / 2.0, f.corner / 2.0);
        break;
    case FrameShape::Kind::Ellipse:
        painter.drawEllipse(box);
        break;
    }
}

void Ttxtshape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (showRahmen_) {
        painter.setPen(pen_);
        painter.setBrush(brush_);
        drawFrame(painter);
    }
    if (!showText_)
        return;
    QtDrawingSurface surface(&painter, font(), palette().color(foregroundRole()));
    const int end = drawMarkup(surface, text_.toStdString(), textposx_, textposy_);
    if (tag_ == 0 && width() != textposx_ + end)
        resize(textposx_ + end, height());
}

void Ttxtshape::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void Ttxtshape::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void Ttxtshape::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(event->button(), event->modifiers(), event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}

} // namespace quillmar::typeset
