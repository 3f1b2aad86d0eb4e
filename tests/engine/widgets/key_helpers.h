#pragma once
// Key presses and focus changes sent straight to a widget, as the window system would.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace quillmar::engine::testing {

inline void pressKey(QWidget* widget, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

// Types each character of text as a key press.
inline void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        const int key = c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode();
        pressKey(widget, key, QString(c));
    }
}

inline void leaveField(QWidget* widget)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &out);
}

} // namespace quillmar::engine::testing
