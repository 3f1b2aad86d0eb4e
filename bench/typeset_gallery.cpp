// Renders formula markup onto one PNG sheet, so anyone can see at a glance whether
// fractions, roots, indices and Greek letters look right:
//   bench_typeset_gallery [sheet.png] [collection folder]
// The markup comes from the lines FORMEL, SYMBOL and EINHEIT of the collection's
// text files (data/collection/*.txt); without them from a built-in sample list.
// Each cell shows the formula drawn by FormulaLabel (Arial 12) and its markup below.
#include "support/file_io.h"
#include "sample_markup.h"
#include "typeset/widgets/formula_label.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace quillmar;

std::vector<std::string> collectionMarkup(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<std::string> all;
    for (const auto& file : files) {
        const auto bytes = fileio::readAll(file);
        if (!bytes)
            continue;
        for (std::string& markup : typeset::collectionMarkup(*bytes))
            if (std::find(all.begin(), all.end(), markup) == all.end())
                all.push_back(std::move(markup));
    }
    return all;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("typeset_gallery.png");
    std::vector<std::string> markup;
    if (argc > 2)
        markup = collectionMarkup(argv[2]);
    const bool fromCollection = !markup.empty();
    if (!fromCollection)
        markup = typeset::sampleMarkup();

    constexpr int cellWidth = 330;
    constexpr int cellHeight = 96;
    const int count = static_cast<int>(markup.size());
    const int columns = std::clamp((count + 29) / 30, 2, 8);
    const int rows = (count + columns - 1) / columns;
    QImage sheet(columns * cellWidth, rows * cellHeight, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont caption(QStringLiteral("DejaVu Sans Mono"), 7);

    typeset::FormulaLabel shape;
    shape.setFont(QFont(QStringLiteral("Arial"), 12));
    shape.setTag(2); // fixed cells
    shape.setFrameShown(false);
    shape.setTextX(12);
    shape.setTextY(34);
    shape.resize(cellWidth, cellHeight - 14);
    for (int i = 0; i < count; ++i) {
        const QPoint corner((i % columns) * cellWidth, (i / columns) * cellHeight);
        painter.setPen(QColor(225, 225, 225));
        painter.drawRect(QRect(corner, QSize(cellWidth - 1, cellHeight - 1)));
        shape.setText(QString::fromStdString(markup[static_cast<std::size_t>(i)]));
        shape.render(&painter, corner, QRegion(), QWidget::DrawChildren);
        painter.setPen(QColor(120, 120, 120));
        painter.setFont(caption);
        painter.drawText(QRect(corner + QPoint(4, cellHeight - 16), QSize(cellWidth - 8, 14)),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(markup[static_cast<std::size_t>(i)]));
    }
    painter.end();
    if (!sheet.save(output)) {
        std::fprintf(stderr, "Die Datei %s kann nicht geschrieben werden.\n", output.toLocal8Bit().constData());
        return 1;
    }
    std::printf("%d Formeln (%s) in %s\n", count, fromCollection ? "Sammlung" : "Beispiele",
                output.toLocal8Bit().constData());
    return 0;
}
