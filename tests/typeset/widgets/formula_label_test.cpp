#include "typeset/markup_layout.h"
#include "typeset/widgets/qt_drawing_surface.h"
#include "typeset/widgets/formula_label.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillmar::typeset {
namespace {

QImage paint(FormulaLabel& shape)
{
    QImage image(shape.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    shape.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The smallest rectangle holding every pixel that was painted.
QRect paintedBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                box |= QRect(x, y, 1, 1);
    return box;
}

QFont arial()
{
    return QFont(QStringLiteral("Arial"), 10);
}

TEST(FormulaLabel, StartsWithThePublishedDefaults)
{
    FormulaLabel shape;
    EXPECT_EQ(shape.text(), QStringLiteral("\\f(5\\mx;x\\u(2))"));
    EXPECT_TRUE(shape.textShown());
    EXPECT_TRUE(shape.frameShown());
    EXPECT_EQ(shape.shape(), FrameKind::diagonal);
    EXPECT_EQ(shape.textX(), 20);
    EXPECT_EQ(shape.textY(), 20);
    EXPECT_EQ(shape.size(), QSize(65, 65));
    EXPECT_EQ(shape.tag(), 0);
    EXPECT_EQ(shape.font().family(), QStringLiteral("Couier New"));
}

TEST(FormulaLabel, WithTagZeroTheWidthFollowsTheTextAfterPainting)
{
    FormulaLabel empty;
    empty.setText(QString());
    paint(empty);
    EXPECT_EQ(empty.width(), 40); // both margins, nothing between

    FormulaLabel shape;
    shape.setFont(arial());
    shape.setText(QStringLiteral("m\\d(0)"));
    paint(shape);
    const QFontMetrics big(arial());
    QFont smallFont = arial();
    smallFont.setPointSize(6);
    const int textWidth = big.horizontalAdvance(QStringLiteral("m")) + QFontMetrics(smallFont).horizontalAdvance(QStringLiteral("0"));
    EXPECT_EQ(shape.width(), 20 + 20 + textWidth);
    EXPECT_EQ(shape.sizeHint().width(), shape.width());
    EXPECT_EQ(shape.height(), 65);

    FormulaLabel fixed;
    fixed.setTag(2);
    fixed.setText(QStringLiteral("a very long text that would not fit"));
    paint(fixed);
    EXPECT_EQ(fixed.width(), 65);
}

TEST(FormulaLabel, WithoutTextOnlyTheFrameIsDrawnAndTheWidthStays)
{
    FormulaLabel shape;
    shape.setText(QStringLiteral("abcdefghijklmnop"));
    shape.setTextShown(false);
    shape.setShape(FrameKind::horizontalLine);
    const QImage image = paint(shape);
    EXPECT_EQ(shape.width(), 65);
    EXPECT_EQ(paintedBox(image), QRect(0, 32, 65, 1)); // the horizontal line alone

    shape.setFrameShown(false);
    EXPECT_TRUE(paintedBox(paint(shape)).isNull());
}

TEST(FormulaLabel, CircleStandsCentredInTheSquareOfTheSmallerSide)
{
    FormulaLabel shape;
    shape.resize(100, 40);
    shape.setTextShown(false);
    shape.setShape(FrameKind::circle);
    EXPECT_EQ(paintedBox(paint(shape)), QRect(30, 0, 40, 40));

    shape.setShape(FrameKind::rectangle);
    EXPECT_EQ(paintedBox(paint(shape)), QRect(0, 0, 100, 40));
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST(FormulaLabel, RepaintsOnlyWhenAValueChanges)
{
    QWidget window;
    window.resize(300, 100);
    auto* shape = new FormulaLabel(&window);
    shape->setTag(2);
    window.show();
    QApplication::processEvents();
    PaintCounter counter;
    shape->installEventFilter(&counter);

    shape->setText(shape->text());
    shape->setTextShown(true);
    shape->setFrameShown(true);
    shape->setTextX(20);
    shape->setTextY(20);
    shape->setShape(FrameKind::diagonal);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);

    shape->setText(QStringLiteral("x\\u(2)"));
    QApplication::processEvents();
    EXPECT_GE(counter.paints, 1);
}

TEST(QtDrawingSurface, SymbolFontIsDrawnWithAFontThatHasGreekLetters)
{
    QImage image(200, 50, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QtDrawingSurface surface(&painter, arial(), Qt::black);
    surface.setFontName("SYMBOL");
    EXPECT_EQ(surface.fontName(), "SYMBOL");

    QFont symbol(QString::fromLatin1(kSymbolFontFamily), 10);
    EXPECT_EQ(QFontInfo(symbol).family(), QString::fromLatin1(kSymbolFontFamily)) << "font not installed";
    EXPECT_TRUE(QFontMetrics(symbol).inFont(QChar(0x03B1)));
    EXPECT_TRUE(QFontMetrics(symbol).inFont(QChar(0x221A)));
    EXPECT_EQ(surface.textWidth("αβχ"), QFontMetrics(symbol, &image).horizontalAdvance(QStringLiteral("αβχ")));

    surface.drawText(0, 0, "αβχ");
    surface.flush();
    painter.end();
    EXPECT_FALSE(paintedBox(image).isNull());
}

// Formulas with fractions, roots, indices and symbols, each drawn by a surface of its own.
QImage drawFormula(const std::string& markup)
{
    QImage image(300, 80, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtDrawingSurface surface(&painter, arial(), Qt::black);
    drawMarkup(surface, markup, 10, 40);
    return image;
}

TEST(QtDrawingSurface, DrawsTheSameWhateverWasDrawnBeforeOrAtTheSameTime)
{
    const std::string formulas[] = {
        "\\f(5\\mx;x\\u(2))",
        "T=2\\c(p)\\r(\\f(l;g))",
        "U\\d(max)/\\r(2)+\\S\\I\\v(F)",
        "\\w(\\f(a;b))\\h(2)\\t(1)",
    };
    std::vector<QImage> alone;
    for (const std::string& markup : formulas)
        alone.push_back(drawFormula(markup));

    // Again, in reverse order, and each while another surface is half-way through
    // a formula of its own on a second painter.
    for (int i = 3; i >= 0; --i) {
        QImage other(300, 80, QImage::Format_ARGB32_Premultiplied);
        other.fill(Qt::white);
        QPainter otherPainter(&other);
        QtDrawingSurface outer(&otherPainter, arial(), Qt::black);
        drawMarkup(outer, formulas[(i + 1) % 4], 10, 40);
        EXPECT_EQ(drawFormula(formulas[i]), alone[i]) << formulas[i];
        outer.flush();
        otherPainter.end();
        EXPECT_EQ(other, alone[(i + 1) % 4]) << formulas[(i + 1) % 4];
    }
    for (int i = 3; i >= 0; --i)
        EXPECT_EQ(drawFormula(formulas[i]), alone[i]) << formulas[i];
}

} // namespace
} // namespace quillmar::typeset
