#include "typeset/widgets/measured_font.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <QThread>
#include <QCoreApplication>

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

// A formula uses two or three fonts; the windows a few sizes more.
std::vector<std::pair<Key, std::unique_ptr<MeasuredFont>>>& fontCache()
{
    thread_local std::vector<std::pair<Key, std::unique_ptr<MeasuredFont>>> cache;
    return cache;
}

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
    std::vector<std::pair<Key, std::unique_ptr<MeasuredFont>>>& cache = fontCache();
    const Key key{points, base.weight(), base.italic(), dpi, family};
    for (auto& [k, font] : cache)
        if (k == key)
            return *font;
    QFont font(base);
    font.setFamily(family);
    font.setPointSize(points);
    if (cache.empty() && QCoreApplication::instance()
        && QThread::currentThread() == QCoreApplication::instance()->thread()) {
        // The fonts must go before the application that made them.
        qAddPostRoutine([] { fontCache().clear(); });
    }
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

bool MeasuredFont::glyphs(std::string_view utf8, std::vector<quint32>& indexes, std::vector<qreal>& xs, qsizetype& count,
                          qreal& width) const
{
    if (!raw_.isValid())
        return false;
    if (glyphCache_.empty())
        glyphCache_.resize(kCachedChars);
    // At most one glyph per byte.
    if (indexes.size() < utf8.size()) {
        indexes.resize(utf8.size());
        xs.resize(utf8.size());
    }
    quint32* index = indexes.data();
    qreal* position = xs.data();
    count = 0;
    qreal x = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        // Characters up to U+24FF, from one to three bytes of UTF-8; anything
        // else (or a broken sequence) takes the general path.
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        char32_t c = 0;
        std::size_t n = 0;
        if (b0 < 0x80) {
            c = b0;
            n = 1;
        } else if ((b0 & 0xE0) == 0xC0) {
            c = b0 & 0x1F;
            n = 2;
        } else if ((b0 & 0xF0) == 0xE0) {
            c = b0 & 0x0F;
            n = 3;
        } else {
            return false;
        }
        if (i + n > utf8.size())
            return false;
        for (std::size_t k = 1; k < n; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            if ((b & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (b & 0x3F);
        }
        i += n;
        if (c >= kCachedChars || (n > 1 && c < 0x80))
            return false;
        Glyph& glyph = glyphCache_[c];
        if (!glyph.known) {
            const QList<quint32> found = raw_.glyphIndexesForString(QString(QChar(static_cast<char16_t>(c))));
            glyph.index = found.size() == 1 ? found[0] : 0;
            if (glyph.index != 0)
                glyph.advance = raw_.advancesForGlyphIndexes(found).value(0).x();
            glyph.known = true;
        }
        if (glyph.index == 0)
            return false;
        index[count] = glyph.index;
        position[count] = x;
        ++count;
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
