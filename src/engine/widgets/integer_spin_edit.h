#pragma once
// IntegerSpinEdit: a one-line field for a whole number with an up/down button pair at
// its right edge. Typed characters pass the keystroke rules of the core; the
// buttons and the Up/Down keys step by increment within the limits.
#include <QLineEdit>

class QToolButton;
class QWidget;

namespace quillmar::engine {

class IntegerSpinEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(int minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int maxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int increment READ increment WRITE setIncrement)
    Q_PROPERTY(bool editorEnabled READ editorEnabled WRITE setEditorEnabled)
    Q_PROPERTY(bool spinEnabled READ spinEnabled WRITE setSpinEnabled)

public:
    // Width and height of the button pair.
    static constexpr int kButtonWidth = 15;
    static constexpr int kButtonHeight = 17;

    explicit IntegerSpinEdit(QWidget* parent = nullptr);

    // The text as a whole number; minValue when it is none.
    int value() const;
    // Writes value, limited to [minValue, maxValue] unless they are equal.
    void setValue(int value);

    int minValue() const { return minValue_; }
    void setMinValue(int value) { minValue_ = value; }
    int maxValue() const { return maxValue_; }
    void setMaxValue(int value) { maxValue_ = value; }
    int increment() const { return increment_; }
    void setIncrement(int value) { increment_ = value; }
    bool editorEnabled() const { return editorEnabled_; }
    void setEditorEnabled(bool enabled);
    bool spinEnabled() const;
    void setSpinEnabled(bool enabled);

    // One step up or down; a read-only field only beeps.
    void stepUp();
    void stepDown();

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void step(bool up);
    void placeButtons();
    int lowestHeight() const;

    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    bool editorEnabled_ = true;
    QWidget* buttons_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

} // namespace quillmar::engine
