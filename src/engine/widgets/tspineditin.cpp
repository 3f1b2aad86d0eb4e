#include "engine/widgets/tspineditin.h"

#include "engine/field_values.h"
#include "engine/widgets/field_key_events.h"
#include "engine/widgets/qt_text.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace quillmar {
namespace {

QToolButton* makeArrowButton(QWidget* parent, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true); // holding a button keeps stepping
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(Tspineditin::buttonWidth);
    return button;
}

} // namespace

Tspineditin::Tspineditin(QWidget* parent)
    : QLineEdit(QStringLiteral("0"), parent)
{
    m_buttons = new QWidget(this);
    auto* column = new QVBoxLayout(m_buttons);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_up = makeArrowButton(m_buttons, Qt::UpArrow);
    m_down = makeArrowButton(m_buttons, Qt::DownArrow);
    column->addWidget(m_up);
    column->addWidget(m_down);
    m_buttons->setCursor(Qt::ArrowCursor);
    connect(m_up, &QToolButton::clicked, this, &Tspineditin::stepUp);
    connect(m_down, &QToolButton::clicked, this, &Tspineditin::stepDown);
    setTextMargins(0, 0, buttonWidth + 2, 0);
    setMinimumHeight(lowestHeight());
    placeButtons();
}

int Tspineditin::Value() const
{
    return readSpinValue(toStdString(text()), m_minValue);
}

void Tspineditin::setValue(int value)
{
    setText(QString::number(limitSpinValue(value, m_minValue, m_maxValue)));
}

void Tspineditin::setEditorEnabled(bool enabled)
{
    m_editorEnabled = enabled;
    setAcceptDrops(enabled);
}

bool Tspineditin::spinEnabled() const
{
    return !m_buttons->isHidden();
}

void Tspineditin::setSpinEnabled(bool enabled)
{
    m_buttons->setHidden(!enabled);
    setTextMargins(0, 0, enabled ? buttonWidth + 2 : 0, 0);
}

void Tspineditin::stepUp()
{
    step(true);
}

void Tspineditin::stepDown()
{
    step(false);
}

void Tspineditin::step(bool up)
{
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    setValue(stepSpinValue(Value(), m_increment, up, m_minValue, m_maxValue));
    selectAll();
}

void Tspineditin::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        step(event->key() == Qt::Key_Up);
        return;
    }
    const char32_t typed = typedCharacter(event);
    if (typed == 0x18 || typed == 0x16) { // cut, paste
        if (!spinClipboardEditAllowed(m_editorEnabled, isReadOnly())) {
            QApplication::beep();
            return;
        }
    } else if (typed != 0) {
        const bool editable = m_editorEnabled && isEnabled() && !isReadOnly();
        const KeystrokeVerdict verdict = judgeSpinEditKey(keystrokeInput(*this, toStdString(text()), typed, editable));
        if (applyVerdict(*this, verdict, typed) == KeyHandling::handled)
            return;
    }
    QLineEdit::keyPressEvent(event);
}

void Tspineditin::focusOutEvent(QFocusEvent* event)
{
    if (const std::optional<int> value = spinValueOnLeave(toStdString(text()), m_minValue, m_maxValue))
        setText(QString::number(*value));
    QLineEdit::focusOutEvent(event);
}

void Tspineditin::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    if (!spinClipboardEditAllowed(m_editorEnabled, isReadOnly()))
        for (QAction* action : menu->actions())
            if (action->objectName() == QLatin1String("edit-cut") || action->objectName() == QLatin1String("edit-paste")
                || action->objectName() == QLatin1String("edit-delete") || action->objectName() == QLatin1String("edit-undo")
                || action->objectName() == QLatin1String("edit-redo"))
                action->setEnabled(false);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

int Tspineditin::lowestHeight() const
{
    const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    return spinMinimumHeight(border, fontMetrics().height(), QFontMetrics(QApplication::font()).height());
}

QSize Tspineditin::minimumSizeHint() const
{
    QSize size = QLineEdit::minimumSizeHint();
    size.setHeight(std::max(size.height(), lowestHeight()));
    return size;
}

QSize Tspineditin::sizeHint() const
{
    QSize size = QLineEdit::sizeHint();
    size.setHeight(std::max(size.height(), lowestHeight()));
    return size;
}

void Tspineditin::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    placeButtons();
}

void Tspineditin::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        setMinimumHeight(lowestHeight());
        updateGeometry();
    }
}

void Tspineditin::placeButtons()
{
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    m_buttons->setGeometry(width() - buttonWidth - frame, frame, buttonWidth, std::max(0, height() - 2 * frame));
}

} // namespace quillmar
