// Laying out and drawing one formula, side by side with what a Qt developer would
// otherwise use: the same formula written as HTML with sub/sup, rendered by
// QTextDocument. Both draw onto the same QImage with Arial 12 and real font
// metrics; every iteration draws the whole built-in sample set, and the counter
// "per_formula" gives the average time for one formula.
#include "typeset/markup_layout.h"
#include "sample_markup.h"
#include "typeset/symbol_font.h"
#include "typeset/widgets/qt_drawing_surface.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quillmar::typeset;

// The HTML a developer would write by hand for a formula: fractions as a/b,
// roots as √(…), indices and exponents as sub/sup, Greek letters as such.
std::string toHtml(std::string_view markup, bool greek = false);

// The argument list after "\x(", parentheses counted; gives the text after it.
std::string_view argumentList(std::string_view& rest)
{
    int depth = 1;
    std::size_t i = 0;
    for (; i < rest.size(); ++i) {
        if (rest[i] == '(')
            ++depth;
        else if (rest[i] == ')' && --depth == 0)
            break;
    }
    const std::string_view list = rest.substr(0, i);
    rest.remove_prefix(i < rest.size() ? i + 1 : rest.size());
    return list;
}

std::string escaped(std::string_view text, bool greek)
{
    const std::string plain = greek ? symbolTextToUnicode(text) : std::string(text);
    std::string out;
    for (char c : plain) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

std::string toHtml(std::string_view markup, bool greek)
{
    std::string html;
    while (!markup.empty()) {
        const std::size_t backslash = markup.find('\\');
        if (backslash != 0) {
            html += escaped(markup.substr(0, backslash), greek);
            if (backslash == std::string_view::npos)
                break;
            markup.remove_prefix(backslash);
            continue;
        }
        const char letter = markup.size() > 1 ? markup[1] : ' ';
        const bool list = markup.size() > 2 && markup[2] == '(';
        markup.remove_prefix(std::min<std::size_t>(list ? 3 : 2, markup.size()));
        if (letter == 'm') {
            html += "·";
        } else if (letter == 'S') {
            html += "Σ";
        } else if (letter == 'I') {
            html += "∫";
        } else if (list) {
            const std::string_view args = argumentList(markup);
            const std::size_t semicolon = args.find(';');
            const std::string first = toHtml(args.substr(0, semicolon), greek);
            const std::string second = semicolon == std::string_view::npos ? "" : toHtml(args.substr(semicolon + 1), greek);
            switch (letter) {
            case 'f': html += "(" + first + ")/(" + second + ")"; break;
            case 'z': html += first + " " + second; break;
            case 'r':
            case 'w': html += "√(" + first + ")"; break;
            case 'c': html += toHtml(args, true); break;
            case 'v': html += first + "&#x20D7;"; break;
            case 'h':
            case 'u': html += "<sup>" + first + "</sup>"; break;
            case 't':
            case 'd': html += "<sub>" + first + "</sub>"; break;
            default: html += first; break;
            }
        }
    }
    return html;
}

struct Canvas {
    QImage image{600, 120, QImage::Format_ARGB32_Premultiplied};
    QFont font{QStringLiteral("Arial"), 12};
    Canvas() { image.fill(Qt::white); }
};

// One pass over the sample set by each path. Kept out of line so that an
// instruction profiler (valgrind --tool=callgrind --toggle-collect=...) can
// count one pass of either path on its own.
[[gnu::noinline]] void drawAllWithLayout(Canvas& canvas, const std::vector<std::string>& formulas)
{
    QPainter painter(&canvas.image);
    for (const std::string& markup : formulas) {
        QtDrawingSurface surface(&painter, canvas.font, Qt::black);
        benchmark::DoNotOptimize(drawMarkup(surface, markup, 20, 40));
    }
}

[[gnu::noinline]] void drawAllWithTextDocument(Canvas& canvas, const std::vector<QString>& html)
{
    QPainter painter(&canvas.image);
    for (const QString& formula : html) {
        painter.resetTransform();
        QTextDocument document;
        document.setDefaultFont(canvas.font);
        document.setHtml(formula);
        painter.translate(20, 40);
        document.drawContents(&painter);
        benchmark::DoNotOptimize(document.idealWidth());
    }
}

void Markup_OnePassLayout(benchmark::State& state)
{
    Canvas canvas;
    const std::vector<std::string>& formulas = sampleMarkup();
    for (auto _ : state)
        drawAllWithLayout(canvas, formulas);
    const auto count = static_cast<double>(formulas.size());
    state.counters["per_formula"] =
        benchmark::Counter(count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Markup_QTextDocumentHtml(benchmark::State& state)
{
    Canvas canvas;
    std::vector<QString> html;
    for (const std::string& markup : sampleMarkup())
        html.push_back(QString::fromStdString(toHtml(markup)));
    for (auto _ : state)
        drawAllWithTextDocument(canvas, html);
    const auto count = static_cast<double>(html.size());
    state.counters["per_formula"] =
        benchmark::Counter(count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(Markup_OnePassLayout)->Unit(benchmark::kMicrosecond);
BENCHMARK(Markup_QTextDocumentHtml)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
