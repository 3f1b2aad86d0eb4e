#pragma once
// TextendEdit: a one-line field for a real number, with limits and an optional
// number pattern. Typed characters pass the keystroke rules of the core.
#include "engine/field_values.h"

#include <QLineEdit>

namespace quillmar {

class TextendEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString Formatstr READ Formatstr WRITE setFormatstr)
    Q_PROPERTY(bool Formatenabled READ Formatenabled WRITE setFormatenabled)

public:
    explicit TextendEdit(QWidget* parent = nullptr);

    // The text as a number in the program's notation; 0 when it is none.
    Real Value() const;
    // With Formatenabled the text becomes Formatstr applied to value; otherwise
    // value is limited to [MinValue, MaxValue] and shown in the general form.
    void setValue(Real value);

    QString Formatstr() const;
    void setFormatstr(const QString& pattern);
    bool Formatenabled() const { return m_settings.formatenabled; }
    void setFormatenabled(bool enabled);
    Real MaxValue() const { return m_settings.maxValue; }
    void setMaxValue(Real value) { m_settings.maxValue = value; }
    Real MinValue() const { return m_settings.minValue; }
    void setMinValue(Real value) { m_settings.minValue = value; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Writes the value just read again, so a new pattern shows at once. While the
    // text is the one last written, the exact value behind it is used, so that
    // switching patterns neither loses digits nor the value of a pattern with text.
    void reformat();

    ExtendEditSettings m_settings;
    Real m_writtenValue = 0;
    QString m_writtenText;
};

} // namespace quillmar
