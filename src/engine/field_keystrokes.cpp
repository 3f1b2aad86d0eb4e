#include "engine/field_keystrokes.h"

#include <algorithm>

namespace quillmar::engine {
namespace {

bool isControl(char32_t c) { return c < 0x20 || c == keyDelete; }
bool isDeletion(char32_t c) { return c == keyBackspace || c == keyDelete; }
bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool isSign(char32_t c) { return c == '+' || c == '-'; }
bool isExponentLetter(char32_t c) { return c == 'E' || c == 'e'; }

// Byte offset of a character position in UTF-8 text (the end when beyond it).
std::size_t byteOffset(std::string_view text, std::size_t position)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;
        if (characters == position)
            return i;
        ++characters;
    }
    return text.size();
}

KeystrokeVerdict refuse(const KeystrokeInput& input)
{
    return {false, input.typed, std::string(input.text), input.caret};
}

KeystrokeVerdict accept(char32_t character, std::string text, std::size_t caret)
{
    return {true, character, std::move(text), caret};
}

// The text around the insertion point once the selection is replaced.
struct Surroundings {
    std::string before;
    std::string after;
};

Surroundings around(std::string_view text, std::size_t caret, std::size_t selectionLength)
{
    const std::size_t start = byteOffset(text, caret);
    const std::size_t end = byteOffset(text, caret + selectionLength);
    return {std::string(text.substr(0, start)), std::string(text.substr(std::max(start, end)))};
}

} // namespace

KeystrokeVerdict judgeNumberEditKey(const KeystrokeInput& input, const NumberSeparators& separators)
{
    char32_t c = input.typed;
    if (!input.editable && (!isControl(c) || isDeletion(c)))
        return refuse(input);
    if (c == '.')
        c = static_cast<unsigned char>(separators.decimal);
    const bool decimal = c == static_cast<unsigned char>(separators.decimal);
    if (isControl(c))
        return c == keyEnter ? refuse(input) : accept(c, std::string(input.text), input.caret);
    if (!isDigit(c) && !isSign(c) && !isExponentLetter(c) && !decimal)
        return refuse(input);

    // Leading blanks and tabs go before anything is judged.
    std::string text(input.text);
    const std::size_t blanks = std::min(text.find_first_not_of(" \t"), text.size());
    text.erase(0, blanks);
    const std::size_t caret = input.caret > blanks ? input.caret - blanks : 0;
    const std::size_t selection = input.caret + input.selectionLength > blanks
        ? input.caret + input.selectionLength - blanks - caret : 0;

    const Surroundings s = around(text, caret, selection);
    const std::string rest = s.before + s.after;
    const auto hasExponentLetter = [](std::string_view t) { return t.find_first_of("Ee") != std::string_view::npos; };

    if (isSign(c)) {
        const bool atStart = s.before.empty() && (s.after.empty() || !isSign(static_cast<unsigned char>(s.after.front())));
        const bool afterExponent = !s.before.empty() && isExponentLetter(static_cast<unsigned char>(s.before.back()))
            && (s.after.empty() || !isSign(static_cast<unsigned char>(s.after.front())));
        if (!(rest.empty() || atStart || afterExponent))
            return refuse(input);
    } else if (decimal) {
        if (hasExponentLetter(s.before) || rest.find(separators.decimal) != std::string::npos)
            return refuse(input);
    } else if (isExponentLetter(c)) {
        if (hasExponentLetter(rest))
            return refuse(input);
    }
    return accept(c, std::move(text), caret);
}

KeystrokeVerdict judgeIntegerSpinKey(const KeystrokeInput& input)
{
    const char32_t c = input.typed;
    if (!input.editable && (!isControl(c) || isDeletion(c)))
        return refuse(input);
    if (isControl(c))
        return c == keyEnter ? refuse(input) : accept(c, std::string(input.text), input.caret);
    if (!isDigit(c) && !isSign(c))
        return refuse(input);
    if (isSign(c)) {
        const Surroundings s = around(input.text, input.caret, input.selectionLength);
        if (!s.before.empty() || (!s.after.empty() && isSign(static_cast<unsigned char>(s.after.front()))))
            return refuse(input);
    }
    return accept(c, std::string(input.text), input.caret);
}

bool integerSpinClipboardEditAllowed(bool editorEnabled, bool readOnly)
{
    return editorEnabled && !readOnly;
}

} // namespace quillmar::engine
