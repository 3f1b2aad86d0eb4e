#pragma once
// The formula markup and its one-pass layout: a markup text is laid out and drawn
// at the same time, left to right, without a measuring pass. Every item is drawn
// where the pen stands and the pen moves right by the width of what was drawn.
//
// Vertical placement works with levels of half a line: the text cell at level L
// has its top at y0 - (L * h) / 2, with h the height of "K" in the base font plus 2.
//
// Commands (a backslash, a letter, and for most an argument list in parentheses):
//   \f(A;B) fraction   \z(A;B) stack        \m  multiplication dot
//   \r(A)   root sign  \w(A)   drawn root   \c(A) symbol font (Greek)
//   \v(A)   vector     \h(A)   high text    \t(A) low text
//   \d(A)   index      \u(A)   upper text   \S  sum sign   \I integral sign
// Any other letter after a backslash is drawn as ordinary text.
#include "typeset/drawing_surface.h"

#include <cstddef>
#include <string_view>

namespace quillmar::typeset {

// Markup beyond this many characters is not drawn.
inline constexpr std::size_t kMaxMarkupChars = 255;

// Draws the markup at level 0 with the pen starting at startX and the level-0
// line's top at y0, using the surface's current font as the base font, and gives
// the pen's x after the last item. The surface's font is the base font again
// afterwards.
int drawMarkup(DrawingSurface& surface, std::string_view markup, int startX, int y0);

} // namespace quillmar::typeset
