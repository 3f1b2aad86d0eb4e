#include "calc/widgets/formula_splitter.h"

#include "calc/widgets/ui_texts.h"
#include "support/widgets/qt_text.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillmar::calc {

FormulaSplitter::FormulaSplitter(QWidget* parent) : QWidget(parent)
{
    setFixedWidth(8);
    setCursor(Qt::SplitHCursor);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    close_ = new QPushButton(toQString(calc::texts::kHideListButton), this);
    close_->setFixedSize(8, 14);
    close_->setFocusPolicy(Qt::NoFocus);
    QFont small = close_->font();
    small.setPixelSize(8);
    close_->setFont(small);
    close_->setCursor(Qt::ArrowCursor);
    layout->addWidget(close_);
    layout->addStretch();
}

void FormulaSplitter::mousePressEvent(QMouseEvent* event)
{
    dragging_ = true;
    grabMouse();
    event->accept();
}

void FormulaSplitter::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_ && event->buttons() == Qt::LeftButton) {
        emit dragged(parentWidget()->mapFromGlobal(event->globalPosition().toPoint()).x());
    } else if (dragging_) {
        dragging_ = false;
        releaseMouse();
    }
}

void FormulaSplitter::mouseReleaseEvent(QMouseEvent*)
{
    if (dragging_) {
        dragging_ = false;
        releaseMouse();
    }
}

} // namespace quillmar::calc
