#pragma once
// NumberEdit: a one-line field for a real number, with limits and an optional
// number pattern. Typed characters pass the keystroke rules of the core.
#include "engine/field_values.h"

#include <QLineEdit>

namespace quillmar::engine {

class NumberEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString pattern READ pattern WRITE setPattern)
    Q_PROPERTY(bool patternEnabled READ patternEnabled WRITE setPatternEnabled)

public:
    explicit NumberEdit(QWidget* parent = nullptr);

    // The text as a number in the program's notation; 0 when it is none.
    Real value() const;
    // With patternEnabled the text becomes pattern applied to value; otherwise
    // value is limited to [minValue, maxValue] and shown in the general form.
    void setValue(Real value);

    QString pattern() const;
    void setPattern(const QString& pattern);
    bool patternEnabled() const { return settings_.patternEnabled; }
    void setPatternEnabled(bool enabled);
    Real maxValue() const { return settings_.maxValue; }
    void setMaxValue(Real value) { settings_.maxValue = value; }
    Real minValue() const { return settings_.minValue; }
    void setMinValue(Real value) { settings_.minValue = value; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Writes the value just read again, so a new pattern shows at once. While the
    // text is the one last written, the exact value behind it is used, so that
    // switching patterns neither loses digits nor the value of a pattern with text.
    void reformat();

    NumberEditSettings settings_;
    Real writtenValue_ = 0;
    QString writtenText_;
};

} // namespace quillmar::engine
