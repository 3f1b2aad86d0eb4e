#include "doubles/recording_surface.h"

#include "support/text.h"

#include <utility>

namespace quillmar::typeset {

RecordingSurface::RecordingSurface(std::string fontName, int fontSize)
    : fontName_(std::move(fontName))
    , fontSize_(fontSize)
{
}

int RecordingSurface::textWidth(std::string_view utf8)
{
    return static_cast<int>(text::length(utf8)) * (fontSize_ / 2);
}

int RecordingSurface::textHeight(std::string_view)
{
    return fontSize_ + 4;
}

void RecordingSurface::drawText(int x, int y, std::string_view utf8)
{
    calls.push_back({DrawCall::Kind::Text, x, y, 0, 0, std::string(utf8), fontName_, fontSize_});
}

void RecordingSurface::moveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void RecordingSurface::lineTo(int x, int y)
{
    calls.push_back({DrawCall::Kind::Line, penX_, penY_, x, y, {}, fontName_, fontSize_});
    penX_ = x;
    penY_ = y;
}

void RecordingSurface::ellipse(int x1, int y1, int x2, int y2)
{
    calls.push_back({DrawCall::Kind::Ellipse, x1, y1, x2, y2, {}, fontName_, fontSize_});
}

std::vector<DrawCall> RecordingSurface::texts() const
{
    std::vector<DrawCall> out;
    for (const DrawCall& c : calls)
        if (c.kind == DrawCall::Kind::Text)
            out.push_back(c);
    return out;
}

} // namespace quillmar::typeset
