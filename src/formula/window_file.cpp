#include "formula/window_file.h"

#include <algorithm>
#include <climits>

namespace quillmar::formula {

namespace {

long long distanceTo(const ScreenArea& s, int x, int y)
{
    const long long dx = x < s.left ? s.left - x : (x >= s.left + s.width ? x - (s.left + s.width - 1) : 0);
    const long long dy = y < s.top ? s.top - y : (y >= s.top + s.height ? y - (s.top + s.height - 1) : 0);
    return dx * dx + dy * dy;
}

} // namespace

WindowGeometry keepOnScreens(WindowGeometry g, const std::vector<ScreenArea>& screens, int minimum)
{
    if (screens.empty())
        return g;
    if (g.state < 0 || g.state > 2)
        g.state = 0;
    int maxWidth = 0, maxHeight = 0;
    for (const ScreenArea& s : screens) {
        maxWidth = std::max(maxWidth, s.width);
        maxHeight = std::max(maxHeight, s.height);
    }
    const auto fit = [minimum](int v, int most) { return std::clamp(v, std::min(minimum, most), std::max(most, 1)); };
    g.width = fit(g.width, maxWidth);
    g.height = fit(g.height, maxHeight);
    if (!g.top && !g.left)
        return g;
    const int x = g.left.value_or(screens.front().left);
    const int y = g.top.value_or(screens.front().top);
    const ScreenArea* best = &screens.front();
    long long bestDistance = LLONG_MAX;
    for (const ScreenArea& s : screens) {
        const long long d = distanceTo(s, x, y);
        if (d < bestDistance) {
            bestDistance = d;
            best = &s;
        }
    }
    g.width = std::min(g.width, std::max(best->width, 1));
    g.height = std::min(g.height, std::max(best->height, 1));
    const int left = std::clamp(x, best->left, best->left + std::max(best->width - g.width, 0));
    const int top = std::clamp(y, best->top, best->top + std::max(best->height - g.height, 0));
    if (g.left)
        g.left = left;
    if (g.top)
        g.top = top;
    return g;
}

} // namespace quillmar::formula
