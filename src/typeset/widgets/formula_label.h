#pragma once
// FormulaLabel: a light control without a window of its own that shows one formula
// markup text (see typeset/markup_layout.h) inside an optional frame shape. A
// window changes what it shows only by setting its text; the control repaints
// itself. With tag 0 it sizes its width to the text after every paint, keeping
// the right margin equal to the left one; with any other tag its width stays.
#include "typeset/frame_shape.h"

#include <QBrush>
#include <QPen>
#include <QString>
#include <QWidget>

namespace quillmar::typeset {

class FormulaLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(bool textShown READ textShown WRITE setTextShown)
    Q_PROPERTY(bool frameShown READ frameShown WRITE setFrameShown)
    Q_PROPERTY(int textX READ textX WRITE setTextX)
    Q_PROPERTY(int textY READ textY WRITE setTextY)
    Q_PROPERTY(QPen pen READ pen WRITE setPen)
    Q_PROPERTY(QBrush brush READ brush WRITE setBrush)
    Q_PROPERTY(int tag READ tag WRITE setTag)

public:
    static constexpr const char* kDefaultText = "\\f(5\\mx;x\\u(2))";
    static constexpr const char* kDefaultFontName = "Couier New";

    explicit FormulaLabel(QWidget* parent = nullptr);

    const QString& text() const { return text_; }
    void setText(const QString& text);

    bool textShown() const { return showText_; }
    void setTextShown(bool show);
    bool frameShown() const { return frameShown_; }
    void setFrameShown(bool show);

    FrameKind shape() const { return shape_; }
    void setShape(FrameKind shape);

    int textX() const { return textX_; }
    void setTextX(int x);
    int textY() const { return textY_; }
    void setTextY(int y);

    // The control keeps its own copies.
    const QPen& pen() const { return pen_; }
    void setPen(const QPen& pen);
    const QBrush& brush() const { return brush_; }
    void setBrush(const QBrush& brush);

    // 0: the control sizes its width to its text; anything else: it keeps it.
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // The width the control gives itself with tag 0, measured without drawing.
    QSize sizeHint() const override;

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void drawFrame(QPainter& painter) const;

    QString text_;
    bool showText_ = true;
    bool frameShown_ = true;
    FrameKind shape_ = FrameKind::diagonal;
    int textX_ = 20;
    int textY_ = 20;
    QPen pen_;
    QBrush brush_;
    int tag_ = 0;
};

} // namespace quillmar::typeset
