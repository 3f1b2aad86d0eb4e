#include "typeset/symbol_font.h"

#include <gtest/gtest.h>

namespace quillmar::typeset {
namespace {

TEST(SymbolFont, LatinLettersGiveGreekInTheClassicOrder)
{
    EXPECT_EQ(symbolTextToUnicode("abcdefghijklmnopqrstuvwxyz"), "αβχδεφγηιϕκλμνοπθρστυϖωξψζ");
    EXPECT_EQ(symbolTextToUnicode("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), "ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ");
    EXPECT_EQ(symbolTextToUnicode("0123456789+=()"), "0123456789+=()");
}

TEST(SymbolFont, CodePointsOfTheCommandsAndOtherText)
{
    EXPECT_EQ(symbolCharText(kSymbolRadical), "√");
    EXPECT_EQ(symbolCharText(kSymbolArrowRight), "→");
    EXPECT_EQ(symbolCharText(kSymbolCapitalSigma), "Σ");
    EXPECT_EQ(symbolCharText(kSymbolIntegral), "∫");
    // Characters up to U+00FF are code points of the encoding, whether written
    // as UTF-8 or as a stray single byte; others are drawn as they are.
    EXPECT_EQ(symbolTextToUnicode("\xC3\x96"), "√");
    EXPECT_EQ(symbolTextToUnicode("\xD6x"), "√ξ");
    EXPECT_EQ(symbolTextToUnicode("∞ω"), "∞ω");
    EXPECT_TRUE(isSymbolFontName("Symbol"));
    EXPECT_FALSE(isSymbolFontName("Arial"));
}

} // namespace
} // namespace quillmar::typeset
