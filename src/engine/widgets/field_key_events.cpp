#include "engine/widgets/field_key_events.h"

#include "support/widgets/qt_text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace quillmar::engine {
namespace {

// Characters of a text up to a position in UTF-16 units, and back.
std::size_t characterPosition(const QString& text, int position)
{
    return static_cast<std::size_t>(text.left(position).toUcs4().size());
}

int utf16Position(const QString& text, std::size_t characters)
{
    int position = 0;
    for (std::size_t i = 0; i < characters && position < text.size(); ++i)
        position += text.at(position).isHighSurrogate() && position + 1 < text.size() ? 2 : 1;
    return position;
}

} // namespace

char32_t typedCharacter(const QKeyEvent* event)
{
    struct ClipboardKey {
        QKeySequence::StandardKey key;
        char32_t character;
    };
    static const ClipboardKey clipboardKeys[] = {
        {QKeySequence::Copy, 0x03}, {QKeySequence::Paste, 0x16}, {QKeySequence::Cut, 0x18},
        {QKeySequence::Undo, 0x1A}, {QKeySequence::Redo, 0x19}, {QKeySequence::SelectAll, 0x01},
    };
    for (const ClipboardKey& k : clipboardKeys)
        if (event->matches(k.key))
            return k.character;
    switch (event->key()) {
    case Qt::Key_Backspace:
        return keyBackspace;
    case Qt::Key_Delete:
        return keyDelete;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return keyEnter;
    default:
        break;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return 0;
    const QList<uint> text = event->text().toUcs4();
    if (text.size() != 1 || text.front() < 0x20 || text.front() == 0x7F)
        return 0;
    return text.front();
}

KeystrokeInput keystrokeInput(const QLineEdit& field, const std::string& utf8Text, char32_t typed, bool editable)
{
    const QString text = field.text();
    const int start = field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
    const int length = field.hasSelectedText() ? static_cast<int>(field.selectedText().size()) : 0;
    const std::size_t caret = characterPosition(text, start);
    const std::size_t selection = characterPosition(text, start + length) - caret;
    return {utf8Text, caret, selection, typed, editable};
}

KeyHandling applyVerdict(QLineEdit& field, const KeystrokeVerdict& verdict, char32_t typed)
{
    if (!verdict.accepted) {
        if (typed == keyEnter)
            return KeyHandling::passOn;
        QApplication::beep();
        return KeyHandling::handled;
    }
    const QString text = toQString(verdict.text);
    if (text != field.text()) {
        // Leading blanks removed: keep the caret (and a selection) on the same characters.
        const int oldStart = field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
        const int oldLength = field.hasSelectedText() ? static_cast<int>(field.selectedText().size()) : 0;
        const int removed = static_cast<int>(field.text().size() - text.size());
        const int start = std::max(0, oldStart - removed);
        const int end = std::max(0, oldStart + oldLength - removed);
        field.setText(text);
        field.setSelection(start, end - start);
        if (end == start)
            field.setCursorPosition(utf16Position(text, verdict.caret));
    }
    if (verdict.character != typed) {
        const char32_t c = verdict.character;
        field.insert(QString::fromUcs4(&c, 1));
        return KeyHandling::handled;
    }
    return KeyHandling::passOn;
}

} // namespace quillmar::engine
