#include "typeset/markup_layout.h"

#include "support/text.h"
#include "typeset/symbol_font.h"

#include <algorithm>
#include <climits>
#include <string>

namespace quillmar::typeset {
namespace {

constexpr auto npos = std::string_view::npos;

// The argument list of a command: from its "(" to the ")" that closes it,
// parentheses inside counted. A two-part list is split at the first ";" that
// stands directly inside the command's own parentheses.
struct ArgumentList {
    std::string_view first;
    std::string_view second;
    std::size_t next = 0; // where the text after the command goes on
};

ArgumentList readArguments(std::string_view text, std::size_t open, bool twoParts)
{
    int depth = 0;
    std::size_t close = npos;
    std::size_t semicolon = npos;
    for (std::size_t i = open; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (--depth == 0) {
                close = i;
                break;
            }
        } else if (c == ';' && depth == 1 && semicolon == npos) {
            semicolon = i;
        }
    }
    // Without its closing ")" the list runs to the end of the text; nothing of
    // the text is lost.
    const std::size_t end = close == npos ? text.size() : close;
    ArgumentList list;
    list.next = close == npos ? text.size() : close + 1;
    if (twoParts && semicolon != npos) {
        list.first = text.substr(open + 1, semicolon - open - 1);
        list.second = text.substr(semicolon + 1, end - semicolon - 1);
    } else {
        list.first = text.substr(open + 1, end - open - 1);
    }
    return list;
}

// Levels of numerator and denominator of a fraction or stack at a level. At
// level 0 the two parts stand half a line above and below the line; above the
// line the denominator keeps the fraction's level and the numerator goes two
// levels up, below the line the numerator keeps it and the denominator goes two
// levels down, so nested fractions never overlap their surroundings.
struct FractionLevels {
    int numerator;
    int denominator;
};

FractionLevels fractionLevels(int level)
{
    if (level == 0)
        return {1, -1};
    if (level > 0)
        return {level + 2, level};
    return {level, level - 2};
}

bool takesArgumentList(char letter)
{
    return std::string_view("fzrwcvhtdu").find(letter) != npos;
}

class Layout {
public:
    Layout(DrawingSurface& surface, int y0)
        : surface_(surface)
        , baseName_(surface.fontName())
        , baseSize_(surface.fontSize())
        , h_(static_cast<unsigned short>(surface.textHeight("K") + 2))
        , w_(static_cast<unsigned short>(surface.textWidth("K")))
        , y0_(y0)
        , symbol_(isSymbolFontName(baseName_))
    {
    }

    int draw(std::string_view text, int level, int pen);
    void resetFont();

private:
    // The line's top: y0, moved down while a denominator makes room (see 'f').
    int line() const { return y0_ + shift_; }
    int top(int level) const { return line() - (level * h_) / 2; }
    bool symbolFont() const { return symbol_; }
    // Font changes go through here, so the layout knows when the symbol font is on.
    void setFontName(const std::string& name)
    {
        surface_.setFontName(name);
        symbol_ = isSymbolFontName(name);
    }
    int drawRun(int x, int y, std::string_view run);
    int drawSymbol(int x, int y, char32_t code);
    int drawCommand(char letter, const ArgumentList& args, int level, int pen);

    DrawingSurface& surface_;
    const std::string baseName_;
    const int baseSize_;
    const int h_;
    const int w_;
    const int y0_;
    // Top of the highest text cell drawn so far; lets a root's line clear a
    // fraction or raised text inside it.
    int highest_ = INT_MAX;
    // Bottom of the lowest text cell drawn so far; lets a fraction's bar clear
    // an index in the numerator.
    int lowest_ = INT_MIN;
    int shift_ = 0;
    bool symbol_;
    const std::string symbolName_{kSymbolFontName};
};

void Layout::resetFont()
{
    if (surface_.fontName() != baseName_)
        setFontName(baseName_);
    if (surface_.fontSize() != baseSize_)
        surface_.setFontSize(baseSize_);
}

// Draws a run of text in the current font and gives its width. In the symbol font
// the run is drawn (and measured) as the Unicode characters it stands for.
int Layout::drawRun(int x, int y, std::string_view run)
{
    if (run.empty())
        return 0;
    highest_ = std::min(highest_, y);
    lowest_ = std::max(lowest_, y + surface_.textHeight(run));
    if (symbolFont()) {
        const std::string mapped = symbolTextToUnicode(run);
        surface_.drawText(x, y, mapped);
        return surface_.textWidth(mapped);
    }
    surface_.drawText(x, y, run);
    return surface_.textWidth(run);
}

int Layout::drawSymbol(int x, int y, char32_t code)
{
    setFontName(symbolName_);
    const std::string glyph = symbolCharText(code);
    highest_ = std::min(highest_, y);
    surface_.drawText(x, y, glyph);
    const int width = surface_.textWidth(glyph);
    setFontName(baseName_);
    return width;
}

int Layout::draw(std::string_view text, int level, int pen)
{
    // Every step consumes at least one character, so the loop always ends.
    while (!text.empty()) {
        const std::size_t backslash = text.find('\\');
        if (backslash != 0) {
            const bool more = backslash != npos;
            const std::string_view run = more ? text.substr(0, backslash) : text;
            // A symbol-font run followed by more markup stands 3 pixels higher.
            const int raise = more && symbolFont() ? 3 : 0;
            pen += drawRun(pen, top(level) - raise, run);
            if (!more)
                break;
            text.remove_prefix(backslash);
            continue;
        }
        if (text.size() < 2)
            break; // a backslash that ends the text
        const char letter = text[1];
        if (letter == 'm') {
            const int x = pen + w_ / 2;
            const int y = line() + ((1 - level) * h_) / 2;
            surface_.ellipse(x, y, x + 2, y + 2);
            pen += w_;
            text.remove_prefix(2);
        } else if (letter == 'S' || letter == 'I') {
            pen += drawSymbol(pen, top(level), letter == 'S' ? kSymbolCapitalSigma : kSymbolIntegral);
            text.remove_prefix(2);
        } else if (takesArgumentList(letter) && text.size() > 2 && text[2] == '(') {
            const ArgumentList args = readArguments(text, 2, letter == 'f' || letter == 'z');
            pen = drawCommand(letter, args, level, pen);
            text.remove_prefix(args.next);
        } else {
            // No command: the backslash is dropped and the text after it read on.
            text.remove_prefix(1);
            continue;
        }
        // Size and font do not nest: every command ends with the base font.
        resetFont();
    }
    return pen;
}

int Layout::drawCommand(char letter, const ArgumentList& args, int level, int pen)
{
    const int small = (2 * baseSize_) / 3;
    switch (letter) {
    case 'f':
    case 'z': {
        const FractionLevels levels = fractionLevels(level);
        const int lowestBefore = lowest_;
        lowest_ = INT_MIN;
        const int endA = draw(args.first, levels.numerator, pen);
        // An index in the numerator reaches below the numerator's cell, onto the
        // bar: then the bar and the denominator move down until only the
        // index's lowest pixel row (empty below its baseline) meets the bar.
        const int shiftBefore = shift_;
        if (lowest_ != INT_MIN)
            shift_ += std::max(0, lowest_ - 1 - (top(levels.denominator) + 1));
        lowest_ = std::max(lowestBefore, lowest_);
        const int endB = draw(args.second, levels.denominator, pen);
        const int end = std::max(endA, endB);
        if (letter == 'f') {
            // The bar keeps one pixel off both ends, so it never runs into a
            // sign right before or after the fraction ("=", "+", "-" stand at
            // about the bar's height).
            const int barY = top(levels.denominator) + 1;
            const int inset = end - pen > 4 ? 1 : 0;
            surface_.moveTo(pen + inset, barY);
            surface_.lineTo(end - inset, barY);
        }
        shift_ = shiftBefore;
        return end;
    }
    case 'r': {
        const int x2 = pen + drawSymbol(pen, top(level), kSymbolRadical);
        const int highestBefore = highest_;
        highest_ = INT_MAX;
        const int x3 = draw(args.first, level, x2);
        const int argumentTop = highest_;
        highest_ = std::min(highestBefore, argumentTop);
        int lineX = x2;
        int lineY = top(level);
        if (level == 0) {
            lineX = x2 - 2;
            lineY = line();
        } else if (level == -1) {
            lineY = line() - (level * h_ - 1) / 2;
        } else if (level == 1) {
            lineY = line() - (level * h_ + 1) / 2;
        }
        surface_.moveTo(lineX, lineY);
        if (argumentTop < std::min(lineY, top(level))) {
            // The argument reaches above the line (a fraction, raised text): the
            // sign goes on upwards and the line runs over the argument's top.
            surface_.lineTo(lineX, argumentTop);
            lineY = argumentTop;
        }
        surface_.lineTo(x3, lineY);
        return x3;
    }
    case 'w': {
        const int end = draw(args.first, level, pen + w_);
        // A tick from the middle of the line down to its bottom, the long
        // stroke up to half a line above it, and the line over the argument.
        surface_.moveTo(pen, line() + h_ / 2);
        surface_.lineTo(pen + w_ / 4, line() + h_);
        surface_.lineTo(pen + (3 * w_) / 4, line() - h_ / 2);
        surface_.lineTo(end, line() - h_ / 2);
        return end;
    }
    case 'c':
        setFontName(symbolName_);
        return draw(args.first, level, pen);
    case 'v':
        drawSymbol(pen, top(level) - (4 * h_) / 6, kSymbolArrowRight);
        return draw(args.first, level, pen);
    case 'h':
    case 't':
        surface_.setFontSize(small);
        drawRun(pen, letter == 'h' ? top(level) - (4 * h_) / 6 : top(level) + h_, args.first);
        return pen;
    case 'd':
        surface_.setFontSize(small);
        return draw(args.first, level - 1, pen);
    case 'u':
        surface_.setFontSize(small);
        return draw(args.first, level, pen);
    default:
        return pen;
    }
}

} // namespace

int drawMarkup(DrawingSurface& surface, std::string_view markup, int startX, int y0)
{
    // Up to 255 bytes are at most 255 characters: only longer texts are cut.
    std::string bounded;
    if (markup.size() > kMaxMarkupChars) {
        bounded = text::left(markup, kMaxMarkupChars);
        markup = bounded;
    }
    Layout layout(surface, y0);
    const int end = layout.draw(markup, 0, startX);
    layout.resetFont();
    return end;
}

} // namespace quillmar::typeset
