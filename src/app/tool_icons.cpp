#include "app/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quillmar::app {

namespace {

struct IconLook {
    QColor tile;
    QString sign;
    qreal scale; // size of the sign relative to the tile
};

IconLook lookOf(ToolIcon which)
{
    switch (which) {
    case ToolIcon::insert: return {QColor(0x2e, 0x7d, 0x32), QStringLiteral("+"), 0.85};
    case ToolIcon::rearrange: return {QColor(0x6a, 0x1b, 0x9a), QStringLiteral("\u21c4"), 0.75};
    case ToolIcon::displayWindow: return {QColor(0x15, 0x65, 0xc0), QStringLiteral("\u0192"), 0.8};
    case ToolIcon::properties: return {QColor(0x54, 0x6e, 0x7a), QStringLiteral("\u2699"), 0.75};
    case ToolIcon::help: return {QColor(0x02, 0x88, 0xd1), QStringLiteral("?"), 0.75};
    case ToolIcon::quit: return {QColor(0xc6, 0x28, 0x28), QStringLiteral("\u2715"), 0.65};
    case ToolIcon::compute: return {QColor(0xef, 0x6c, 0x00), QStringLiteral("="), 0.85};
    case ToolIcon::valueFromExcel: return {QColor(0x00, 0x79, 0x6b), QStringLiteral("\u2190"), 0.75};
    case ToolIcon::numberFormat: return {QColor(0x45, 0x5a, 0x64), QStringLiteral("0,0"), 0.5};
    case ToolIcon::print: return {QColor(0x61, 0x61, 0x61), QStringLiteral("\u2399"), 0.7};
    }
    return {Qt::gray, QString(), 0.5};
}

QPixmap drawIcon(const IconLook& look, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF tile(0.5, 0.5, size - 1.0, size - 1.0);
    QLinearGradient shade(tile.topLeft(), tile.bottomLeft());
    shade.setColorAt(0, look.tile.lighter(125));
    shade.setColorAt(1, look.tile);
    p.setPen(look.tile.darker(130));
    p.setBrush(shade);
    p.drawRoundedRect(tile, size * 0.2, size * 0.2);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qMax(6, int(size * look.scale)));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(tile, Qt::AlignCenter, look.sign);
    return pixmap;
}

} // namespace

QIcon toolIcon(ToolIcon which)
{
    const IconLook look = lookOf(which);
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(drawIcon(look, size));
    return icon;
}

} // namespace quillmar::app
