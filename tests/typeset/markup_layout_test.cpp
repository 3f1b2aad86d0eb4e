// Layout of formula markup, checked call by call on a surface with fixed metrics:
// base font 12 points, so line height h = 18 and letter width w = 6; text is
// 6 pixels per character at 12 points and 4 at the small size 8. Every text here
// starts at x = 20 with the level-0 line's top at y0 = 100, so
// top(1) = 91, top(-1) = 109, top(3) = 73, top(-3) = 127.
#include "typeset/markup_layout.h"
#include "doubles/recording_surface.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace quillmar::typeset {
namespace {

constexpr int kX = 20;
constexpr int kY0 = 100;

// A drawn text as (x, y, text, size).
using Placed = std::tuple<int, int, std::string, int>;
// A line or ellipse as (x1, y1, x2, y2).
using Box = std::tuple<int, int, int, int>;

struct Drawing {
    int end = 0;
    std::vector<Placed> texts;
    std::vector<Box> lines;
    std::vector<Box> ellipses;
    std::vector<std::string> fonts; // font name of each text
};

Drawing layOut(const std::string& markup)
{
    RecordingSurface surface;
    Drawing d;
    d.end = drawMarkup(surface, markup, kX, kY0);
    for (const DrawCall& c : surface.calls) {
        switch (c.kind) {
        case DrawCall::Kind::Text:
            d.texts.emplace_back(c.x1, c.y1, c.text, c.fontSize);
            d.fonts.push_back(c.fontName);
            break;
        case DrawCall::Kind::Line:
            d.lines.emplace_back(c.x1, c.y1, c.x2, c.y2);
            break;
        case DrawCall::Kind::Ellipse:
            d.ellipses.emplace_back(c.x1, c.y1, c.x2, c.y2);
            break;
        }
    }
    EXPECT_EQ(surface.fontName(), "Arial") << markup;
    EXPECT_EQ(surface.fontSize(), 12) << markup;
    return d;
}

TEST(MarkupLayout, EmptyTextDrawsNothingAndKeepsThePen)
{
    const Drawing d = layOut("");
    EXPECT_TRUE(d.texts.empty());
    EXPECT_TRUE(d.lines.empty());
    EXPECT_EQ(d.end, kX);
}

TEST(MarkupLayout, TextWithoutCommandsIsOneRunOnTheLine)
{
    const Drawing d = layOut("a+b");
    EXPECT_EQ(d.texts, (std::vector<Placed>{{20, 100, "a+b", 12}}));
    EXPECT_EQ(d.end, 38);
}

TEST(MarkupLayout, FractionPutsNumeratorHalfALineUpAndBarBelowTheDenominatorsTop)
{
    const Drawing d = layOut("\\f(1;2)");
    EXPECT_EQ(d.texts, (std::vector<Placed>{{20, 91, "1", 12}, {20, 109, "2", 12}}));
    EXPECT_EQ(d.lines, (std::vector<Box>{{21, 110, 25, 110}}));
    EXPECT_EQ(d.end, 26);

    // The bar (a pixel in from both ends) and the pen reach the end of the
    // wider part, whichever it is.
    const Drawing wideTop = layOut("\\f(123;4)=");
    EXPECT_EQ(wideTop.lines, (std::vector<Box>{{21, 110, 37, 110}}));
    EXPECT_EQ(std::get<0>(wideTop.texts.back()), 38);
    const Drawing wideBottom = layOut("\\f(1;234)");
    EXPECT_EQ(wideBottom.lines, (std::vector<Box>{{21, 110, 37, 110}}));
    EXPECT_EQ(wideBottom.end, 38);
}

TEST(MarkupLayout, IndexInANumeratorPushesBarAndDenominatorDown)
{
    // The small i's cell ends at 112, two pixels below the usual bar (110): bar
    // and denominator move down by one pixel; what follows keeps the line.
    const Drawing d = layOut("\\f(x\\d(i);y)z");
    EXPECT_EQ(d.texts, (std::vector<Placed>{{20, 91, "x", 12}, {26, 100, "i", 8}, {20, 110, "y", 12}, {30, 100, "z", 12}}));
    EXPECT_EQ(d.lines, (std::vector<Box>{{21, 111, 29, 111}}));
    // A raised index (upper) stays inside the numerator's cell: nothing moves.
    EXPECT_EQ(layOut("\\f(x\\u(2);y)").lines, (std::vector<Box>{{21, 110, 29, 110}}));
}

TEST(MarkupLayout, StackIsAFractionWithoutBar)
{
    const Drawing d = layOut("\\z(a;b)c");
    EXPECT_EQ(d.texts, (std::vector<Placed>{{20, 91, "a", 12}, {20, 109, "b", 12}, {26, 100, "c", 12}}));
    EXPECT_TRUE(d.lines.empty());
}

TEST(MarkupLayout, NestedFractionsClimbAndDescendByLevels)
{
    // A fraction in a numerator stands at level 1: parts at levels 3 and 1.
    const Drawing up = layOut("\\f(\\f(a;b);c)");
    EXPECT_EQ(up.texts, (std::vector<Placed>{{20, 73, "a", 12}, {20, 91, "b", 12}, {20, 109, "c", 12}}));
    EXPECT_EQ(up.lines, (std::vector<Box>{{21, 92, 25, 92}, {21, 110, 25, 110}}));

    // A fraction in a denominator stands at level -1: parts at levels -1 and -3.
    const Drawing down = layOut("\\f(a;\\f(b;c))");
    EXPECT_EQ(down.texts, (std::vector<Placed>{{20, 91, "a", 12}, {20, 109, "b", 12}, {20, 127, "c", 12}}));
    EXPECT_EQ(down.lines, (std::vector<Box>{{21, 128, 25, 128}, {21, 110, 25, 110}}));

    // Three deep (level 3): numerator at 5, denominator at 3, bar just below top(3).
    const Drawing deep = layOut("\\f(\\f(\\f(a;b);c);d)");
    EXPECT_EQ(std::get<1>(deep.texts[0]), 55);
    EXPECT_EQ(std::get<1>(deep.texts[1]), 73);
    EXPECT_EQ(deep.lines.front(), (Box{21, 74, 25, 74}));
    // Level -2 (a fraction in the index of a denominator): parts at -2 and -4.
    const Drawing low = layOut("\\f(a;\\d(\\f(b;c)))");
    EXPECT_EQ(std::get<1>(low.texts[1]), 118);
    EXPECT_EQ(std::get<1>(low.texts[2]), 136);
    EXPECT_EQ(low.lines.front(), (Box{20, 137, 24, 137}));
}

TEST(MarkupLayout, HighAndLowStandAboveEachOtherWithoutMovingThePen)
{
    const Drawing d = layOut("x\\h(2)\\t(1)");
    EXPECT_EQ(d.texts, (std::vector<Placed>{{20, 100, "x", 12}, {26, 88, "2", 8}, {26, 118, "1", 8}}));
    EXPECT_EQ(d.end, 26);

    // Their arguments are plain text, not markup.
    const Drawing plain = layOut("\\h(\\m)");
    EXPECT_EQ(plain.texts, (std::vector<Placed>{{20, 88, "\\m", 8}}));
    EXPECT_TRUE(plain.ellipses.empty());
}

TEST(MarkupLayout, IndexAndUpperAreSmallAndMoveThePen)
{
    const Drawing upper = layOut("x\\u(2)y");
    EXPECT_EQ(upper.texts, (std::vector<Placed>{{20, 100, "x", 12}, {26, 100, "2", 8}, {30, 100, "y", 12}}));
    const Drawing index = layOut("x\\d(i)y");
    EXPECT_EQ(index.texts, (std::vector<Placed>{{20, 100, "x", 12}, {26, 109, "i", 8}, {30, 100, "y", 12}}));
}

TEST(MarkupLayout, EveryCommandEndsWithTheBaseSizeAndFont)
{
    const Drawing d = layOut("\\u(a\\u(b)c)");
    EXPECT_EQ(d.texts, (std::vector<Placed>{{20, 100, "a", 8}, {24, 100, "b", 8}, {28, 100, "c", 12}}));
    EXPECT_EQ(d.end, 34);

    const Drawing greek = layOut("\\c(a\\d(i)b)");
    EXPECT_EQ(greek.fonts, (std::vector<std::string>{"SYMBOL", "SYMBOL", "Arial"}));
    EXPECT_EQ(std::get<2>(greek.texts[2]), "b");
}

TEST(MarkupLayout, SymbolFontDrawsGreekAndSigns)
{
    EXPECT_EQ(layOut("\\c(abc)").texts, (std::vector<Placed>{{20, 100, "αβχ", 12}}));
    EXPECT_EQ(layOut("\\c(W)").texts, (std::vector<Placed>{{20, 100, "Ω", 12}}));
    const Drawing sum = layOut("\\S");
    EXPECT_EQ(sum.texts, (std::vector<Placed>{{20, 100, "Σ", 12}}));
    EXPECT_EQ(sum.fonts, (std::vector<std::string>{"SYMBOL"}));
    EXPECT_EQ(sum.end, 26);
    EXPECT_EQ(layOut("\\I").texts, (std::vector<Placed>{{20, 100, "∫", 12}}));
    // The pen moves by the width of the characters drawn: three Greek letters.
    EXPECT_EQ(layOut("\\c(abc)").end, 38);
}

TEST(MarkupLayout, SymbolRunFollowedByMoreMarkupStandsThreePixelsHigher)
{
    const Drawing d = layOut("\\c(p\\m)");
    EXPECT_EQ(d.texts, (std::vector<Placed>{{20, 97, "π", 12}}));
    // A run that ends its text, and runs in the ordinary font, are not raised.
    EXPECT_EQ(layOut("\\c(p)x").texts, (std::vector<Placed>{{20, 100, "π", 12}, {26, 100, "x", 12}}));
    EXPECT_EQ(std::get<1>(layOut("a\\mb").texts[0]), 100);
}

TEST(MarkupLayout, DotIsASmallEllipseInTheMiddleOfTheLine)
{
    const Drawing d = layOut("a\\mb");
    EXPECT_EQ(d.ellipses, (std::vector<Box>{{29, 109, 31, 111}}));
    EXPECT_EQ(d.texts, (std::vector<Placed>{{20, 100, "a", 12}, {32, 100, "b", 12}}));
    // In a numerator (level 1) the dot stands in the middle of that cell.
    EXPECT_EQ(layOut("\\f(\\m;1)").ellipses, (std::vector<Box>{{23, 100, 25, 102}}));
}

TEST(MarkupLayout, RootSignWithALineOverTheArgument)
{
    const Drawing d = layOut("\\r(x)+1");
    EXPECT_EQ(d.texts, (std::vector<Placed>{{20, 100, "√", 12}, {26, 100, "x", 12}, {32, 100, "+1", 12}}));
    EXPECT_EQ(d.fonts[0], "SYMBOL");
    EXPECT_EQ(d.lines, (std::vector<Box>{{24, 100, 32, 100}}));

    // In a numerator, a denominator and deeper, the line lies on the part's top.
    EXPECT_EQ(layOut("\\f(\\r(x);1)").lines.front(), (Box{26, 91, 32, 91}));
    EXPECT_EQ(layOut("\\f(1;\\r(x))").lines.front(), (Box{26, 109, 32, 109}));
    EXPECT_EQ(layOut("\\f(\\f(\\r(x);1);1)").lines.front(), (Box{26, 73, 32, 73}));

    // Over a fraction the sign goes on up to the numerator's top and the line
    // runs there, clear of the numerator.
    const Drawing tall = layOut("\\r(\\f(a;b))");
    EXPECT_EQ(tall.lines, (std::vector<Box>{{27, 110, 31, 110}, {24, 100, 24, 91}, {24, 91, 32, 91}}));
}

TEST(MarkupLayout, DrawnRootIsAPolylineOverTheArgument)
{
    const Drawing d = layOut("\\w(xy)");
    EXPECT_EQ(d.texts, (std::vector<Placed>{{26, 100, "xy", 12}}));
    EXPECT_EQ(d.lines, (std::vector<Box>{{20, 109, 21, 118}, {21, 118, 24, 91}, {24, 91, 38, 91}}));
    EXPECT_EQ(d.end, 38);
}

TEST(MarkupLayout, VectorArrowStandsAboveTheStartOfItsArgument)
{
    const Drawing d = layOut("\\v(F)");
    EXPECT_EQ(d.texts, (std::vector<Placed>{{20, 88, "→", 12}, {20, 100, "F", 12}}));
    EXPECT_EQ(d.fonts, (std::vector<std::string>{"SYMBOL", "Arial"}));
    EXPECT_EQ(d.end, 26);
}

TEST(MarkupLayout, UnknownCommandsAndMalformedListsAreReadOn)
{
    struct Case {
        const char* markup;
        std::vector<std::string> drawn;
        int end;
    };
    const std::vector<Case> cases = {
        {"\\q", {"q"}, 26},
        {"\\s(1)", {"s(1)"}, 44},         // case matters: \s is no sum
        {"\\fx", {"fx"}, 32},             // a command needs its "("
        {"a\\", {"a"}, 26},               // a backslash at the end is dropped
        {"\\\\m", {}, 26},                // the first backslash is dropped
        {"\\u(ab", {"ab"}, 28},           // missing ")": the list runs to the end
        {"\\f(1)x", {"1", "x"}, 32},      // no ";": empty denominator
        {"\\f(a;b;c)", {"a", "b;c"}, 38}, // only the first ";" splits
        {"\\f((a;b);c)", {"(a;b)", "c"}, 50},
        {"\\r(", {"√"}, 26},
        {"\\d()\\f(;)", {}, 20},
        {"\\h(", {}, 20},
    };
    for (const Case& c : cases) {
        const Drawing d = layOut(c.markup);
        std::vector<std::string> drawn;
        for (const Placed& p : d.texts)
            drawn.push_back(std::get<2>(p));
        EXPECT_EQ(drawn, c.drawn) << c.markup;
        EXPECT_EQ(d.end, c.end) << c.markup;
    }
}

TEST(MarkupLayout, LongMarkupIsDrawnUpTo255Characters)
{
    const Drawing d = layOut(std::string(300, 'a'));
    ASSERT_EQ(d.texts.size(), 1u);
    EXPECT_EQ(std::get<2>(d.texts[0]), std::string(255, 'a'));

    // Characters, not bytes: 300 Greek letters keep 255 of them, whole.
    std::string greek;
    for (int i = 0; i < 300; ++i)
        greek += "ω";
    const Drawing g = layOut(greek);
    EXPECT_EQ(std::get<2>(g.texts[0]).size(), 255u * 2);
}

TEST(MarkupLayout, RandomMarkupAlwaysEndsWithThePenRightOfTheStart)
{
    const std::string alphabet = "\\\\\\fzmrwcvhtduSIq((());;ab ";
    std::mt19937 random(4711);
    for (int round = 0; round < 3000; ++round) {
        std::string markup;
        const int length = static_cast<int>(random() % 300);
        for (int i = 0; i < length; ++i)
            markup += alphabet[random() % alphabet.size()];
        RecordingSurface surface;
        const int end = drawMarkup(surface, markup, kX, kY0);
        ASSERT_GE(end, kX) << markup;
        ASSERT_EQ(surface.fontName(), "Arial") << markup;
        ASSERT_EQ(surface.fontSize(), 12) << markup;
        for (const DrawCall& c : surface.calls)
            ASSERT_GE(c.x1, kX) << markup;
    }
}

} // namespace
} // namespace quillmar::typeset
