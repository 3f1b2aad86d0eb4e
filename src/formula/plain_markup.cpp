#include "formula/plain_markup.h"

#include "support/text.h"
#include "typeset/symbol_font.h"

#include <array>
#include <utility>

namespace quillmar::formula {

namespace {

struct Arguments {
    std::string_view first;
    std::string_view second;
    std::size_t end = 0; // the position after the closing parenthesis
};

// The argument list that opens at text[open] == '(', split at the first ";" directly
// inside it; without a closing parenthesis it runs to the end of the text.
Arguments argumentsAt(std::string_view text, std::size_t open)
{
    Arguments a;
    int depth = 0;
    std::size_t split = std::string_view::npos;
    std::size_t close = text.size();
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') {
            ++depth;
        } else if (text[i] == ')') {
            if (--depth == 0) {
                close = i;
                break;
            }
        } else if (text[i] == ';' && depth == 1 && split == std::string_view::npos) {
            split = i;
        }
    }
    const std::size_t begin = open + 1;
    if (split == std::string_view::npos) {
        a.first = text.substr(begin, close - begin);
    } else {
        a.first = text.substr(begin, split - begin);
        a.second = text.substr(split + 1, close - split - 1);
    }
    a.end = close < text.size() ? close + 1 : text.size();
    return a;
}

bool needsParentheses(const std::string& part)
{
    if (text::length(part) <= 1 || (part.front() == '(' && part.back() == ')'))
        return false;
    for (std::string_view op : {" ", "/", "+", "-", "·", "*"})
        if (part.find(op) != std::string::npos)
            return true;
    return false;
}

std::string wrapped(const std::string& part) { return needsParentheses(part) ? "(" + part + ")" : part; }

// Superscript and subscript forms of digits and signs.
constexpr std::array<std::pair<char, const char*>, 12> kSuperscripts = {{
    {'0', "⁰"},
    {'1', "¹"},
    {'2', "²"},
    {'3', "³"},
    {'4', "⁴"},
    {'5', "⁵"},
    {'6', "⁶"},
    {'7', "⁷"},
    {'8', "⁸"},
    {'9', "⁹"},
    {'-', "⁻"},
    {'+', "⁺"},
}};
constexpr std::array<std::pair<char, const char*>, 12> kSubscripts = {{
    {'0', "₀"},
    {'1', "₁"},
    {'2', "₂"},
    {'3', "₃"},
    {'4', "₄"},
    {'5', "₅"},
    {'6', "₆"},
    {'7', "₇"},
    {'8', "₈"},
    {'9', "₉"},
    {'-', "₋"},
    {'+', "₊"},
}};

std::string raised(const std::string& part, const std::array<std::pair<char, const char*>, 12>& forms,
                   const char* fallback)
{
    std::string out;
    for (char c : part) {
        const char* form = nullptr;
        for (const auto& [plain, small] : forms)
            if (plain == c)
                form = small;
        if (!form)
            return part.empty() ? std::string() : fallback + wrapped(part);
        out += form;
    }
    return out;
}

std::string greek(std::string_view plainPart, bool micro)
{
    std::string out;
    for (std::size_t i = 0; i < plainPart.size();) {
        const auto b = static_cast<unsigned char>(plainPart[i]);
        if (b >= 0x80) { // already a Unicode character (a sign made of markup)
            std::size_t n = (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 1;
            out.append(plainPart.substr(i, n));
            i += n;
            continue;
        }
        if (micro && plainPart[i] == 'm')
            text::appendUtf8(out, U'\u00B5');
        else
            text::appendUtf8(out, typeset::symbolToUnicode(static_cast<char32_t>(b)));
        ++i;
    }
    return out;
}

std::string convert(std::string_view markup, bool micro)
{
    std::string out;
    std::size_t i = 0;
    while (i < markup.size()) {
        if (markup[i] != '\\' || i + 1 >= markup.size()) {
            if (markup[i] != '\\')
                out += markup[i];
            ++i;
            continue;
        }
        const char command = markup[i + 1];
        const bool withArguments = i + 2 < markup.size() && markup[i + 2] == '(';
        if (command == 'm') {
            out += "·";
            i += 2;
            continue;
        }
        if (command == 'S' || command == 'I') {
            out += command == 'S' ? "Σ" : "∫";
            i += 2;
            continue;
        }
        if (!withArguments || std::string_view("fzrwcvhtdu").find(command) == std::string_view::npos) {
            ++i; // an unknown command letter is drawn as text
            continue;
        }
        const Arguments args = argumentsAt(markup, i + 2);
        switch (command) {
        case 'f': out += wrapped(convert(args.first, micro)) + "/" + wrapped(convert(args.second, micro)); break;
        case 'z': out += convert(args.first, micro) + " " + convert(args.second, micro); break;
        case 'r':
        case 'w': out += "√" + wrapped(convert(args.first, micro)); break;
        case 'c': out += greek(convert(args.first, micro), micro); break;
        case 'h':
        case 't': out += args.first; break;
        case 'd': out += raised(convert(args.first, micro), kSubscripts, "_"); break;
        case 'u': out += raised(convert(args.first, micro), kSuperscripts, "^"); break;
        default: // 'v'
            out += convert(args.first, micro);
            break;
        }
        i = args.end;
    }
    return out;
}

} // namespace

std::string plainText(std::string_view markup) { return convert(markup, false); }

std::string plainUnitText(std::string_view markup) { return convert(markup, true); }

} // namespace quillmar::formula
