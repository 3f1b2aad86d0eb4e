#include "engine/widgets/number_edit.h"

#include "engine/widgets/field_key_events.h"
#include "support/widgets/qt_text.h"

#include <QKeyEvent>

namespace quillmar::engine {

NumberEdit::NumberEdit(QWidget* parent)
    : QLineEdit(QStringLiteral("0"), parent)
{
}

Real NumberEdit::value() const
{
    return readNumberEditValue(toStdString(text()), settings_.separators);
}

void NumberEdit::setValue(Real value)
{
    writtenValue_ = numberEditValueWritten(value, settings_);
    writtenText_ = toQString(numberEditText(value, settings_));
    setText(writtenText_);
}

QString NumberEdit::pattern() const
{
    return toQString(settings_.pattern);
}

void NumberEdit::setPattern(const QString& pattern)
{
    settings_.pattern = toStdString(pattern);
    reformat();
}

void NumberEdit::setPatternEnabled(bool enabled)
{
    settings_.patternEnabled = enabled;
    reformat();
}

void NumberEdit::reformat()
{
    setValue(text() == writtenText_ ? writtenValue_ : value());
}

void NumberEdit::keyPressEvent(QKeyEvent* event)
{
    const char32_t typed = typedCharacter(event);
    if (typed != 0) {
        const bool editable = isEnabled() && !isReadOnly();
        const KeystrokeVerdict verdict
            = judgeNumberEditKey(keystrokeInput(*this, toStdString(text()), typed, editable), settings_.separators);
        if (applyVerdict(*this, verdict, typed) == KeyHandling::handled)
            return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace quillmar::engine
