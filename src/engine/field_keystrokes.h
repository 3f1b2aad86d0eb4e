#pragma once
// Which typed characters the numeric fields take. The widgets ask these rules for
// every typed character and drop (with a beep) what they refuse.
#include "engine/number_format.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quillmar::engine {

inline constexpr char32_t keyBackspace = 0x08;
inline constexpr char32_t keyEnter = 0x0D;
inline constexpr char32_t keyDelete = 0x7F;

// The field as it stands when a character is typed. Positions count characters;
// caret is where the typed character goes (the start of the selection, if any).
struct KeystrokeInput {
    std::string_view text; // UTF-8
    std::size_t caret = 0;
    std::size_t selectionLength = 0;
    char32_t typed = 0;
    bool editable = true; // the field takes typing at all
};

struct KeystrokeVerdict {
    bool accepted = false;
    char32_t character = 0; // the character to insert (a typed "." becomes the decimal separator)
    // The field's text and caret to use before inserting (leading blanks removed);
    // equal to the input when nothing was removed.
    std::string text;
    std::size_t caret = 0;
};

// The real-number field: digits, signs at the start or after the exponent letter,
// one decimal separator (not in the exponent), one E or e; control characters
// other than Enter pass; a field that is not editable refuses every printable
// character, Backspace and Delete. The characters of the selection are replaced by
// the typed one, so they do not count as already there.
KeystrokeVerdict judgeNumberEditKey(const KeystrokeInput& input, const NumberSeparators& separators = {});

// The whole-number field: digits and a sign at the start; control characters other
// than Enter pass; with the editor disabled every printable character, Backspace
// and Delete is refused.
KeystrokeVerdict judgeIntegerSpinKey(const KeystrokeInput& input);

// Cut and paste reach the whole-number field only when it is editable and not read-only.
bool integerSpinClipboardEditAllowed(bool editorEnabled, bool readOnly);

} // namespace quillmar::engine
