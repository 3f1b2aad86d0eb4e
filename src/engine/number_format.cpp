// The pattern language: sections, placeholders, grouping, scientific forms and
// the general form, on exactly rounded decimal digits of the 80-bit value.
#include "engine/number_format.h"

#include "engine/decimal_digits.h"
#include "engine/number_pattern.h"
#include "engine/number_texts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace quillmar::engine {
namespace {

// Significant digits of the general form.
constexpr int generalDigits = 15;
// A fixed pattern gives way to the general form beyond this many integer digits.
constexpr int maxFixedIntegerDigits = 18;

std::optional<std::string> nonFiniteText(Real value)
{
    if (std::isnan(value))
        return std::string(engine::texts::notANumber);
    if (std::isinf(value))
        return std::string(value < 0 ? engine::texts::negativeInfinity : engine::texts::infinity);
    return std::nullopt;
}

// The digit at decimal position "power of ten" of rounded digits.
char digitAt(const DecimalDigits& d, int power)
{
    const int index = d.exponent - power;
    if (index < 0 || index >= static_cast<int>(d.digits.size()))
        return '0';
    return d.digits[static_cast<std::size_t>(index)];
}

// The parts of a number ready to be laid into a section.
struct NumberParts {
    std::string integerDigits;  // every integer digit that is shown
    std::string fractionDigits; // the fraction digits that are shown
    int exponent = 0;           // scientific sections only
};

void trimFraction(std::string& fraction, int minDigits)
{
    while (static_cast<int>(fraction.size()) > minDigits && fraction.back() == '0')
        fraction.pop_back();
}

void padInteger(std::string& integer, int minDigits)
{
    if (static_cast<int>(integer.size()) < minDigits)
        integer.insert(0, static_cast<std::size_t>(minDigits) - integer.size(), '0');
}

// Digits for a fixed section; nothing when the integer part is too long for one.
std::optional<NumberParts> fixedParts(const DecimalDigits& d, const PatternSection& s)
{
    NumberParts parts;
    if (!d.digits.empty()) {
        if (d.exponent + 1 > maxFixedIntegerDigits)
            return std::nullopt;
        for (int power = d.exponent; power >= 0; --power)
            parts.integerDigits.push_back(digitAt(d, power));
        for (int k = 1; k <= s.fractionPlaceholders; ++k)
            parts.fractionDigits.push_back(digitAt(d, -k));
    } else {
        parts.fractionDigits.assign(static_cast<std::size_t>(s.fractionPlaceholders), '0');
    }
    padInteger(parts.integerDigits, s.minIntegerDigits);
    trimFraction(parts.fractionDigits, s.minFractionDigits);
    return parts;
}

// Digits for a scientific section: as many integer digits as placeholders before
// the point, the exponent chosen to match.
NumberParts scientificParts(Real value, const PatternSection& s)
{
    const bool noPlaceholders = s.integerPlaceholders + s.fractionPlaceholders == 0;
    const int integerCount = noPlaceholders ? 1 : s.integerPlaceholders;
    const DecimalDigits d = roundToSignificant(value, integerCount + s.fractionPlaceholders);
    NumberParts parts;
    if (!d.digits.empty()) {
        parts.exponent = d.exponent - integerCount + 1;
        const int top = d.exponent;
        for (int k = 0; k < integerCount; ++k)
            parts.integerDigits.push_back(digitAt(d, top - k));
        for (int k = 0; k < s.fractionPlaceholders; ++k)
            parts.fractionDigits.push_back(digitAt(d, top - integerCount - k));
    } else {
        parts.fractionDigits.assign(static_cast<std::size_t>(s.fractionPlaceholders), '0');
    }
    padInteger(parts.integerDigits, s.minIntegerDigits);
    trimFraction(parts.fractionDigits, s.minFractionDigits);
    return parts;
}

bool isNumeric(PatternToken::Kind kind) { return kind != PatternToken::Kind::literal; }

void appendExponent(std::string& out, const PatternSection& s, const std::string& letter, int exponent)
{
    out += letter;
    if (exponent < 0)
        out += '-';
    else if (s.exponentSignAlways)
        out += '+';
    std::string digits = std::to_string(std::abs(exponent));
    padInteger(digits, std::max(1, s.minExponentDigits));
    out += digits;
}

// Lays the parts into the section's placeholders and literals.
std::string layOut(const PatternSection& s, NumberParts parts, bool minus, const NumberSeparators& sep)
{
    using Kind = PatternToken::Kind;
    const auto& tokens = s.tokens;
    const bool hasNumericToken = std::any_of(tokens.begin(), tokens.end(), [](const PatternToken& t) { return isNumeric(t.kind); });
    // A number never disappears completely: "#.##" shows zero as 0.
    if (hasNumericToken && parts.integerDigits.empty() && parts.fractionDigits.empty())
        parts.integerDigits = "0";

    const std::string& integer = parts.integerDigits;
    const int integerCount = static_cast<int>(integer.size());
    const int offset = integerCount - s.integerPlaceholders; // digits in front of the first placeholder
    std::string out;
    const auto putIntegerDigit = [&](int j) {
        out += integer[static_cast<std::size_t>(j)];
        if (s.grouping && j < integerCount - 1 && (integerCount - 1 - j) % 3 == 0)
            out += sep.thousands;
    };

    if (minus && !hasNumericToken)
        out += '-';
    bool numberStarted = false;
    int integerIndex = 0;
    int fractionIndex = 0;
    for (const PatternToken& token : tokens) {
        if (isNumeric(token.kind) && !numberStarted) {
            numberStarted = true;
            if (minus)
                out += '-';
            for (int j = 0; j < offset; ++j)
                putIntegerDigit(j);
        }
        switch (token.kind) {
        case Kind::literal:
            out += token.text;
            break;
        case Kind::integerDigit: {
            const int j = integerIndex++ + offset;
            if (j >= 0)
                putIntegerDigit(j);
            break;
        }
        case Kind::decimalPoint:
            if (!parts.fractionDigits.empty())
                out += sep.decimal;
            break;
        case Kind::fractionDigit:
            if (fractionIndex < static_cast<int>(parts.fractionDigits.size()))
                out += parts.fractionDigits[static_cast<std::size_t>(fractionIndex)];
            ++fractionIndex;
            break;
        case Kind::exponent:
            appendExponent(out, s, token.text, parts.exponent);
            break;
        }
    }
    return out;
}

enum class SectionRole { positive, negative, zero };

// The section for a value of the given role: an absent or empty negative or zero
// section falls back to the positive one.
const PatternSection& chooseSection(const ParsedPattern& pattern, SectionRole role, bool& ownSection)
{
    const auto index = static_cast<std::size_t>(role);
    ownSection = index > 0 && index < pattern.sections.size() && !pattern.sections[index].empty;
    return ownSection ? pattern.sections[index] : pattern.sections[0];
}

// A window formats all its results with one pattern: the last pattern read is kept.
const ParsedPattern& parsedPattern(std::string_view pattern)
{
    thread_local std::string lastText;
    thread_local ParsedPattern last = parsePattern("");
    if (pattern != lastText) {
        last = parsePattern(pattern);
        lastText.assign(pattern);
    }
    return last;
}

} // namespace

std::string formatGeneral(Real value, const NumberSeparators& separators)
{
    if (auto text = nonFiniteText(value))
        return *text;
    const DecimalDigits d = roundToSignificant(value, generalDigits);
    if (d.digits.empty())
        return "0";
    std::string out = value < 0 ? "-" : "";
    const bool scientific = d.exponent < -5 || d.exponent >= generalDigits;
    const int pointAfter = scientific ? 0 : d.exponent; // power of ten of the last integer digit's left neighbour
    if (pointAfter < 0) {
        out += '0';
        out += separators.decimal;
        out.append(static_cast<std::size_t>(-pointAfter - 1), '0');
        out += d.digits;
    } else {
        for (int i = 0; i <= pointAfter; ++i)
            out += i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
        if (static_cast<int>(d.digits.size()) > pointAfter + 1) {
            out += separators.decimal;
            out += d.digits.substr(static_cast<std::size_t>(pointAfter) + 1);
        }
    }
    if (scientific)
        out += "E" + std::to_string(d.exponent);
    return out;
}

std::string formatNumber(std::string_view pattern, Real value, const NumberSeparators& separators)
{
    if (auto text = nonFiniteText(value))
        return *text;
    const ParsedPattern& parsed = parsedPattern(pattern);

    const auto formatAs = [&](SectionRole role) -> std::optional<std::string> {
        bool ownSection = false;
        const PatternSection& section = chooseSection(parsed, role, ownSection);
        if (section.empty)
            return formatGeneral(value, separators);
        const bool minus = role == SectionRole::negative && !ownSection;
        if (section.scientific)
            return layOut(section, scientificParts(role == SectionRole::zero ? 0 : value, section), minus, separators);
        if (std::fabs(value) >= 1e18L && role != SectionRole::zero)
            return formatGeneral(value, separators); // more than 18 integer digits
        const DecimalDigits d = role == SectionRole::zero ? DecimalDigits{} : roundToDecimals(value, section.fractionPlaceholders);
        if (d.digits.empty() && role != SectionRole::zero)
            return std::nullopt; // shows as zero
        const std::optional<NumberParts> parts = fixedParts(d, section);
        if (!parts)
            return formatGeneral(value, separators);
        return layOut(section, *parts, minus, separators);
    };

    const SectionRole role = value > 0 ? SectionRole::positive : value < 0 ? SectionRole::negative : SectionRole::zero;
    if (auto text = formatAs(role))
        return *text;
    // A value that rounds to zero in its section is shown as zero, never as -0,000.
    return *formatAs(SectionRole::zero);
}

} // namespace quillmar::engine
