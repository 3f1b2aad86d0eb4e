#include "engine/widgets/integer_spin_edit.h"

#include "engine/field_values.h"
#include "engine/widgets/field_key_events.h"
#include "support/widgets/qt_text.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace quillmar::engine {
namespace {

QToolButton* makeArrowButton(QWidget* parent, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true); // holding a button keeps stepping
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(IntegerSpinEdit::kButtonWidth);
    return button;
}

} // namespace

IntegerSpinEdit::IntegerSpinEdit(QWidget* parent)
    : QLineEdit(QStringLiteral("0"), parent)
{
    buttons_ = new QWidget(this);
    auto* column = new QVBoxLayout(buttons_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    up_ = makeArrowButton(buttons_, Qt::UpArrow);
    down_ = makeArrowButton(buttons_, Qt::DownArrow);
    column->addWidget(up_);
    column->addWidget(down_);
    buttons_->setCursor(Qt::ArrowCursor);
    connect(up_, &QToolButton::clicked, this, &IntegerSpinEdit::stepUp);
    connect(down_, &QToolButton::clicked, this, &IntegerSpinEdit::stepDown);
    setTextMargins(0, 0, kButtonWidth + 2, 0);
    setMinimumHeight(lowestHeight());
    placeButtons();
}

int IntegerSpinEdit::value() const
{
    return readIntegerSpinValue(toStdString(text()), minValue_);
}

void IntegerSpinEdit::setValue(int value)
{
    setText(QString::number(limitIntegerSpinValue(value, minValue_, maxValue_)));
}

void IntegerSpinEdit::setEditorEnabled(bool enabled)
{
    editorEnabled_ = enabled;
    setAcceptDrops(enabled);
}

bool IntegerSpinEdit::spinEnabled() const
{
    return !buttons_->isHidden();
}

void IntegerSpinEdit::setSpinEnabled(bool enabled)
{
    buttons_->setHidden(!enabled);
    setTextMargins(0, 0, enabled ? kButtonWidth + 2 : 0, 0);
}

void IntegerSpinEdit::stepUp()
{
    step(true);
}

void IntegerSpinEdit::stepDown()
{
    step(false);
}

void IntegerSpinEdit::step(bool up)
{
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    setValue(stepIntegerSpinValue(value(), increment_, up, minValue_, maxValue_));
    selectAll();
}

void IntegerSpinEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        step(event->key() == Qt::Key_Up);
        return;
    }
    const char32_t typed = typedCharacter(event);
    if (typed == 0x18 || typed == 0x16) { // cut, paste
        if (!integerSpinClipboardEditAllowed(editorEnabled_, isReadOnly())) {
            QApplication::beep();
            return;
        }
    } else if (typed != 0) {
        const bool editable = editorEnabled_ && isEnabled() && !isReadOnly();
        const KeystrokeVerdict verdict = judgeIntegerSpinKey(keystrokeInput(*this, toStdString(text()), typed, editable));
        if (applyVerdict(*this, verdict, typed) == KeyHandling::handled)
            return;
    }
    QLineEdit::keyPressEvent(event);
}

void IntegerSpinEdit::focusOutEvent(QFocusEvent* event)
{
    if (const std::optional<int> value = integerSpinValueOnLeave(toStdString(text()), minValue_, maxValue_))
        setText(QString::number(*value));
    QLineEdit::focusOutEvent(event);
}

void IntegerSpinEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    if (!integerSpinClipboardEditAllowed(editorEnabled_, isReadOnly()))
        for (QAction* action : menu->actions())
            if (action->objectName() == QLatin1String("edit-cut") || action->objectName() == QLatin1String("edit-paste")
                || action->objectName() == QLatin1String("edit-delete") || action->objectName() == QLatin1String("edit-undo")
                || action->objectName() == QLatin1String("edit-redo"))
                action->setEnabled(false);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

int IntegerSpinEdit::lowestHeight() const
{
    const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    return integerSpinMinimumHeight(border, fontMetrics().height(), QFontMetrics(QApplication::font()).height());
}

QSize IntegerSpinEdit::minimumSizeHint() const
{
    QSize size = QLineEdit::minimumSizeHint();
    size.setHeight(std::max(size.height(), lowestHeight()));
    return size;
}

QSize IntegerSpinEdit::sizeHint() const
{
    QSize size = QLineEdit::sizeHint();
    size.setHeight(std::max(size.height(), lowestHeight()));
    return size;
}

void IntegerSpinEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    placeButtons();
}

void IntegerSpinEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        setMinimumHeight(lowestHeight());
        updateGeometry();
    }
}

void IntegerSpinEdit::placeButtons()
{
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    buttons_->setGeometry(width() - kButtonWidth - frame, frame, kButtonWidth, std::max(0, height() - 2 * frame));
}

} // namespace quillmar::engine
