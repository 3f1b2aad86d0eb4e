#include "typeset/widgets/formula_label.h"

#include "typeset/markup_layout.h"
#include "typeset/widgets/qt_drawing_surface.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillmar::typeset {

FormulaLabel::FormulaLabel(QWidget* parent)
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

void FormulaLabel::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
}

void FormulaLabel::setTextShown(bool show)
{
    if (show == showText_)
        return;
    showText_ = show;
    update();
}

void FormulaLabel::setFrameShown(bool show)
{
    if (show == frameShown_)
        return;
    frameShown_ = show;
    update();
}

void FormulaLabel::setShape(FrameKind shape)
{
    if (shape == shape_)
        return;
    shape_ = shape;
    update();
}

void FormulaLabel::setTextX(int x)
{
    if (x == textX_)
        return;
    textX_ = x;
    update();
}

void FormulaLabel::setTextY(int y)
{
    if (y == textY_)
        return;
    textY_ = y;
    update();
}

void FormulaLabel::setPen(const QPen& pen)
{
    pen_ = pen;
    update();
}

void FormulaLabel::setBrush(const QBrush& brush)
{
    brush_ = brush;
    update();
}

QSize FormulaLabel::sizeHint() const
{
    if (tag_ != 0 || !showText_)
        return size();
    QtDrawingSurface measuring(nullptr, font(), QColor());
    const int end = drawMarkup(measuring, text_.toStdString(), textX_, textY_);
    return {textX_ + end, height()};
}

void FormulaLabel::drawFrame(QPainter& painter) const
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

void FormulaLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (frameShown_) {
        painter.setPen(pen_);
        painter.setBrush(brush_);
        drawFrame(painter);
    }
    if (!showText_)
        return;
    QtDrawingSurface surface(&painter, font(), palette().color(foregroundRole()));
    const int end = drawMarkup(surface, text_.toStdString(), textX_, textY_);
    if (tag_ == 0 && width() != textX_ + end)
        resize(textX_ + end, height());
}

void FormulaLabel::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void FormulaLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void FormulaLabel::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(event->button(), event->modifiers(), event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}

} // namespace quillmar::typeset
