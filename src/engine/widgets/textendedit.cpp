#include "engine/widgets/textendedit.h"

#include "engine/widgets/field_key_events.h"
#include "engine/widgets/qt_text.h"

#include <QKeyEvent>

namespace quillmar {

TextendEdit::TextendEdit(QWidget* parent)
    : QLineEdit(QStringLiteral("0"), parent)
{
}

Real TextendEdit::Value() const
{
    return readExtendValue(toStdString(text()), m_settings.separators);
}

void TextendEdit::setValue(Real value)
{
    m_writtenValue = extendValueWritten(value, m_settings);
    m_writtenText = toQString(extendValueText(value, m_settings));
    setText(m_writtenText);
}

QString TextendEdit::Formatstr() const
{
    return toQString(m_settings.formatstr);
}

void TextendEdit::setFormatstr(const QString& pattern)
{
    m_settings.formatstr = toStdString(pattern);
    reformat();
}

void TextendEdit::setFormatenabled(bool enabled)
{
    m_settings.formatenabled = enabled;
    reformat();
}

void TextendEdit::reformat()
{
    setValue(text() == m_writtenText ? m_writtenValue : Value());
}

void TextendEdit::keyPressEvent(QKeyEvent* event)
{
    const char32_t typed = typedCharacter(event);
    if (typed != 0) {
        const bool editable = isEnabled() && !isReadOnly();
        const KeystrokeVerdict verdict
            = judgeExtendEditKey(keystrokeInput(*this, toStdString(text()), typed, editable), m_settings.separators);
        if (applyVerdict(*this, verdict, typed) == KeyHandling::handled)
            return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace quillmar
