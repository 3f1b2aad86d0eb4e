#pragma once
// Tspineditin: a one-line field for a whole number with an up/down button pair at
// its right edge. Typed characters pass the keystroke rules of the core; the
// buttons and the Up/Down keys step by Increment within the limits.
#include <QLineEdit>

class QToolButton;
class QWidget;

namespace quillmar {

class Tspineditin : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(int MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(int Increment READ Increment WRITE setIncrement)
    Q_PROPERTY(bool EditorEnabled READ EditorEnabled WRITE setEditorEnabled)
    Q_PROPERTY(bool spinEnabled READ spinEnabled WRITE setSpinEnabled)

public:
    // Width and height of the button pair.
    static constexpr int buttonWidth = 15;
    static constexpr int buttonHeight = 17;

    explicit Tspineditin(QWidget* parent = nullptr);

    // The text as a whole number; MinValue when it is none.
    int Value() const;
    // Writes value, limited to [MinValue, MaxValue] unless they are equal.
    void setValue(int value);

    int MinValue() const { return m_minValue; }
    void setMinValue(int value) { m_minValue = value; }
    int MaxValue() const { return m_maxValue; }
    void setMaxValue(int value) { m_maxValue = value; }
    int Increment() const { return m_increment; }
    void setIncrement(int value) { m_increment = value; }
    bool EditorEnabled() const { return m_editorEnabled; }
    void setEditorEnabled(bool enabled);
    bool spinEnabled() const;
    void setSpinEnabled(bool enabled);

    // One step up or down; a read-only field only beeps.
    void stepUp();
    void stepDown();

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

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

    int m_minValue = 0;
    int m_maxValue = 0;
    int m_increment = 1;
    bool m_editorEnabled = true;
    QWidget* m_buttons = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
};

} // namespace quillmar
