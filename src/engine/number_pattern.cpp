#include "engine/number_pattern.h"

#include <algorithm>

namespace quillmar::engine {
namespace {

bool isQuote(char c) { return c == '\'' || c == '"'; }

// Index just past the quoted text that starts at i (an unclosed quote runs to the end).
std::size_t skipQuoted(std::string_view text, std::size_t i)
{
    const std::size_t close = text.find(text[i], i + 1);
    return close == std::string_view::npos ? text.size() : close + 1;
}

void appendLiteral(PatternSection& section, std::string_view text)
{
    if (text.empty())
        return;
    auto& tokens = section.tokens;
    if (!tokens.empty() && tokens.back().kind == PatternToken::Kind::literal)
        tokens.back().text += text;
    else
        tokens.push_back({PatternToken::Kind::literal, std::string(text)});
}

} // namespace

std::vector<std::string_view> splitPatternSections(std::string_view pattern)
{
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < pattern.size()) {
        if (isQuote(pattern[i])) {
            i = skipQuoted(pattern, i);
        } else if (pattern[i] == ';') {
            sections.push_back(pattern.substr(start, i - start));
            if (sections.size() == 3)
                return sections;
            start = ++i;
        } else {
            ++i;
        }
    }
    sections.push_back(pattern.substr(start));
    return sections;
}

PatternSection parsePatternSection(std::string_view text)
{
    using Kind = PatternToken::Kind;
    PatternSection section;
    section.empty = text.empty();
    bool afterPoint = false;
    int leftmostIntegerZero = -1;  // index among the integer placeholders
    int rightmostFractionZero = -1; // index among the fraction placeholders
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (isQuote(c)) {
            const std::size_t close = text.find(c, i + 1);
            const std::size_t innerEnd = close == std::string_view::npos ? text.size() : close;
            appendLiteral(section, text.substr(i + 1, innerEnd - (i + 1)));
            i = skipQuoted(text, i);
        } else if (c == '0' || c == '#') {
            // Placeholders after the exponent have no digits left to show.
            if (!section.scientific) {
                if (afterPoint) {
                    if (c == '0')
                        rightmostFractionZero = section.fractionPlaceholders;
                    ++section.fractionPlaceholders;
                    section.tokens.push_back({Kind::fractionDigit, {}});
                } else {
                    if (c == '0' && leftmostIntegerZero < 0)
                        leftmostIntegerZero = section.integerPlaceholders;
                    ++section.integerPlaceholders;
                    section.tokens.push_back({Kind::integerDigit, {}});
                }
            }
            ++i;
        } else if (c == '.') {
            if (!afterPoint && !section.scientific) {
                afterPoint = true;
                section.tokens.push_back({Kind::decimalPoint, {}});
            }
            ++i;
        } else if (c == ',') {
            section.grouping = true;
            ++i;
        } else if ((c == 'E' || c == 'e') && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-')
                   && !section.scientific) {
            section.scientific = true;
            section.exponentSignAlways = text[i + 1] == '+';
            section.tokens.push_back({Kind::exponent, std::string(1, c)});
            i += 2;
            // The digits of the exponent: each "0" raises the minimum, up to four;
            // a "#" shows a digit only when the exponent has one.
            while (i < text.size() && (text[i] == '0' || text[i] == '#')) {
                if (text[i] == '0')
                    section.minExponentDigits = std::min(section.minExponentDigits + 1, 4);
                ++i;
            }
        } else {
            appendLiteral(section, text.substr(i, 1));
            ++i;
        }
    }
    section.minIntegerDigits = leftmostIntegerZero < 0 ? 0 : section.integerPlaceholders - leftmostIntegerZero;
    section.minFractionDigits = rightmostFractionZero + 1;
    return section;
}

ParsedPattern parsePattern(std::string_view pattern)
{
    ParsedPattern parsed;
    for (std::string_view section : splitPatternSections(pattern))
        parsed.sections.push_back(parsePatternSection(section));
    return parsed;
}

} // namespace quillmar::engine
