#pragma once
// Hands the key presses of a numeric field to the keystroke rules of the core and
// applies their verdict to the field.
#include "engine/field_keystrokes.h"

#include <functional>

class QKeyEvent;
class QLineEdit;

namespace quillmar::engine {

// The typed character of a key press as the keystroke rules see it: printable
// characters, Backspace, Delete, Enter and the clipboard keys as their control
// characters; 0 for keys that type nothing (arrows, Home, F-keys, ...).
char32_t typedCharacter(const QKeyEvent* event);

// The field's state for the keystroke rules (positions in characters).
KeystrokeInput keystrokeInput(const QLineEdit& field, const std::string& utf8Text, char32_t typed, bool editable);

enum class KeyHandling {
    passOn,  // let the line edit handle the key as usual
    handled, // the key was applied or refused; nothing more to do
};

// Applies a verdict: a refused key beeps (Enter is only kept out of the text and
// still reaches the dialog's default button); an accepted one may have its text
// trimmed first and its character replaced.
KeyHandling applyVerdict(QLineEdit& field, const KeystrokeVerdict& verdict, char32_t typed);

} // namespace quillmar::engine
