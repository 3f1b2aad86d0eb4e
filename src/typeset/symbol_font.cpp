#include "typeset/symbol_font.h"

#include "support/text.h"

#include <array>

namespace quillmar::typeset {
namespace {

// Code points 0x20..0x7F of the symbol-font encoding; 0 keeps the character.
constexpr std::array<char32_t, 96> kLow = {
    0,      0,      0x2200, 0,      0x2203, 0,      0,      0x220B, // 20-27  ∀ ∃ ∋
    0,      0,      0x2217, 0,      0,      0x2212, 0,      0,      // 28-2F  ∗ −
    0,      0,      0,      0,      0,      0,      0,      0,      // 30-37
    0,      0,      0,      0,      0,      0,      0,      0,      // 38-3F
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, // 40-47  ≅ Α Β Χ Δ Ε Φ Γ
    0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, // 48-4F  Η Ι ϑ Κ Λ Μ Ν Ο
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, // 50-57  Π Θ Ρ Σ Τ Υ ς Ω
    0x039E, 0x03A8, 0x0396, 0,      0x2234, 0,      0x22A5, 0,      // 58-5F  Ξ Ψ Ζ [ ∴ ] ⊥ _
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, // 60-67  ‾ α β χ δ ε φ γ
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, // 68-6F  η ι ϕ κ λ μ ν ο
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, // 70-77  π θ ρ σ τ υ ϖ ω
    0x03BE, 0x03C8, 0x03B6, 0,      0,      0,      0x223C, 0,      // 78-7F  ξ ψ ζ { | } ∼
};

// Code points 0xA0..0xFF of the symbol-font encoding; 0 keeps the character.
constexpr std::array<char32_t, 96> kHigh = {
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, // A0-A7  € ϒ ′ ≤ ⁄ ∞ ƒ ♣
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193, // A8-AF  ♦ ♥ ♠ ↔ ← ↑ → ↓
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, // B0-B7  ° ± ″ ≥ × ∝ ∂ •
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, // B8-BF  ÷ ≠ ≡ ≈ … ⏐ ⎯ ↵
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, // C0-C7  ℵ ℑ ℜ ℘ ⊗ ⊕ ∅ ∩
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209, // C8-CF  ∪ ⊃ ⊇ ⊄ ⊂ ⊆ ∈ ∉
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, // D0-D7  ∠ ∇ ® © ™ ∏ √ ⋅
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3, // D8-DF  ¬ ∧ ∨ ⇔ ⇐ ⇑ ⇒ ⇓
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, // E0-E7  ◊ 〈 ® © ™ ∑ ⎛ ⎜
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA, // E8-EF  ⎝ ⎡ ⎢ ⎣ ⎧ ⎨ ⎩ ⎪
    0,      0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F, // F0-F7  〉 ∫ ⌠ ⎮ ⌡ ⎞ ⎟
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0,      // F8-FF  ⎠ ⎤ ⎥ ⎦ ⎫ ⎬ ⎭
};

// Length of the UTF-8 sequence that starts with b, or 0 when b cannot start one.
std::size_t sequenceLength(unsigned char b)
{
    if (b < 0x80)
        return 1;
    if (b >= 0xC2 && b <= 0xDF)
        return 2;
    if ((b & 0xF0) == 0xE0)
        return 3;
    if (b >= 0xF0 && b <= 0xF4)
        return 4;
    return 0;
}

} // namespace

bool isSymbolFontName(std::string_view name)
{
    return text::equalsNoCase(name, kSymbolFontName);
}

char32_t symbolToUnicode(char32_t code)
{
    char32_t mapped = 0;
    if (code >= 0x20 && code < 0x80)
        mapped = kLow[code - 0x20];
    else if (code >= 0xA0 && code <= 0xFF)
        mapped = kHigh[code - 0xA0];
    return mapped != 0 ? mapped : code;
}

std::string symbolTextToUnicode(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() * 2);
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        std::size_t n = sequenceLength(b0);
        bool valid = n != 0 && i + n <= utf8.size();
        for (std::size_t k = 1; valid && k < n; ++k)
            valid = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
        if (!valid) {
            // A stray byte is taken as the symbol-font code point it spells.
            text::appendUtf8(out, symbolToUnicode(b0));
            ++i;
            continue;
        }
        if (n == 1) {
            text::appendUtf8(out, symbolToUnicode(b0));
        } else if (n == 2) {
            const char32_t cp = (static_cast<char32_t>(b0 & 0x1F) << 6)
                | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
            text::appendUtf8(out, symbolToUnicode(cp));
        } else {
            out.append(utf8.substr(i, n)); // beyond U+00FF: already Unicode
        }
        i += n;
    }
    return out;
}

std::string symbolCharText(char32_t code)
{
    std::string out;
    text::appendUtf8(out, symbolToUnicode(code));
    return out;
}

} // namespace quillmar::typeset
