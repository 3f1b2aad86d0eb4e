#pragma once
// A font as the formula layout uses it, measured once and kept for the thread:
// its text cell (ascent and descent rounded up to whole pixels) and its glyphs,
// so that runs of text are measured and drawn without shaping them each time.
#include <QFont>
#include <QFontMetrics>
#include <QRawFont>
#include <QRectF>
#include <QString>

#include <optional>
#include <string_view>
#include <vector>

class QPaintDevice;

namespace quillmar::typeset {

class MeasuredFont {
public:
    // The font of the given family and size, in the style of base, at a
    // resolution in dots per inch.
    static MeasuredFont& get(const QFont& base, const QString& family, int points, int dpi);
    // The resolution of a device, or the screen's without one.
    static int dpiOf(const QPaintDevice* device);

    const QFont& font() const { return font_; }
    int ascent() const { return ascent_; }
    int cellHeight() const { return cellHeight_; }

    // Glyphs and their x positions for a text, in the first count entries of
    // the two lists (which only grow); false when the font lacks a character
    // (the caller then lets Qt pick a fallback font).
    bool glyphs(std::string_view utf8, std::vector<quint32>& indexes, std::vector<qreal>& xs, qsizetype& count,
                qreal& width) const;
    const QRawFont& rawFont() const { return raw_; }

    // Width of a text drawn with Qt's own text layout (with font fallback).
    int fallbackWidth(const QString& text);
    // The ink box of the radical sign, relative to its baseline origin.
    const QRectF& radicalInk();

private:
    MeasuredFont(const QFont& font, int dpi);

    QFont font_;
    QRawFont raw_;
    int ascent_ = 0;
    int cellHeight_ = 0;
    std::optional<QFontMetrics> metrics_;
    std::optional<QRectF> radicalInk_;

    // Glyph and advance of the characters below kCachedChars, filled on first use.
    struct Glyph {
        quint32 index = 0;
        qreal advance = 0;
        bool known = false;
    };
    static constexpr char16_t kCachedChars = 0x2500;
    mutable std::vector<Glyph> glyphCache_;
};

} // namespace quillmar::typeset
