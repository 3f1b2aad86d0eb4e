#include "typeset/widgets/measured_font.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>

#include <cmath>
#include <memory>
#include <vector>

namespace quillmar::typeset {
namespace {

struct Key {
    int points; // compared first: cheaper than the family
    int weight;
    bool italic;
    int dpi;
    QString family;
    bool operator==(const Key&) const = default;
};

} // namespace

int MeasuredFont::dpiOf(const QPaintDevice* device)
{
    if (device)
        return device->logicalDpiY();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return qRound(screen->logicalDotsPerInchY());
    return 96;
}

MeasuredFont& MeasuredFont::get(const QFont& base, const QString& family, int points, int dpi)
{
    // A formula uses two or three fonts; the windows a few sizes more.
    thread_local std::vector<std::pair<Key, std::unique_ptr<MeasuredFont>>> cache;
    const Key key{points, base.weight(), base.italic(), dpi, family};
    for (auto& [k, font] : cache)
        if (k == key)
            return *font;
    QFont font(base);
    font.setFamily(family);
    font.setPointSize(points);
    cache.emplace_back(key, std::unique_ptr<MeasuredFont>(new MeasuredFont(font, dpi)));
    return *cache.back().second;
}

MeasuredFont::MeasuredFont(const QFont& font, int dpi)
    : font_(font)
{
    // Measured at the given resolution, in pixels, exactly as the glyphs are drawn.
    QFont sized(font);
    sized.setPixelSize(qRound(font.pointSizeF() * dpi / 72.0));
    font_ = sized;
    raw_ = QRawFont::fromFont(sized);
    const QFontMetricsF exact(sized);
    ascent_ = static_cast<int>(std::ceil(exact.ascent()));
    cellHeight_ = ascent_ + static_cast<int>(std::ceil(exact.descent()));
    metrics_.emplace(sized);
}

bool MeasuredFont::glyphs(const QString& text, QList<quint32>& indexes, QList<QPointF>& positions, qreal& width) const
{
    if (!raw_.isValid())
        return false;
    if (glyphCache_.empty())
        glyphCache_.resize(kCachedChars);
    indexes.resize(text.size());
    positions.resize(text.size());
    qreal x = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= kCachedChars)
            return false; // rare characters take the general path
        Glyph& glyph = glyphCache_[c];
        if (!glyph.known) {
            const QList<quint32> found = raw_.glyphIndexesForString(QString(QChar(c)));
            glyph.index = found.size() == 1 ? found[0] : 0;
            if (glyph.index != 0)
                glyph.advance = raw_.advancesForGlyphIndexes(found).value(0).x();
            glyph.known = true;
        }
        if (glyph.index == 0)
            return false;
        indexes[i] = glyph.index;
        positions[i] = QPointF(x, 0);
        x += glyph.advance;
    }
    width = x;
    return true;
}

int MeasuredFont::fallbackWidth(const QString& text)
{
    return metrics_->horizontalAdvance(text);
}

const QRectF& MeasuredFont::radicalInk()
{
    if (!radicalInk_) {
        const QString sign(QChar(0x221A));
        const QList<quint32> glyph = raw_.isValid() ? raw_.glyphIndexesForString(sign) : QList<quint32>();
        radicalInk_ = glyph.size() == 1 && glyph[0] != 0 ? raw_.boundingRect(glyph[0])
                                                         : QFontMetricsF(font_).tightBoundingRect(sign);
    }
    return *radicalInk_;
}

} // namespace quillmar::typeset
