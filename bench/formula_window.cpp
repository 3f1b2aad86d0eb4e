// The formula window's core, with the drawing a window does after each step.
//
// - FormulaWindow_ShowFormula: a tree selection on every formula of the bundled
//   collection in turn (locate, count the re-arrangements, load the slots and unit
//   tables, fill the pages), then the formula, the name, the eight re-arrangement
//   buttons and nine description lines laid out and drawn on a QImage. Counters:
//   the median, 90th percentile and largest time of one formula.
// - Contents_Fill20000 beside Contents_QStandardItemModel20000: the contents tree
//   of a formula table of 20,000 records, and the same three levels built as a
//   QStandardItemModel.
// - TopicList_40Typeset beside TopicList_40RichTextLabels: the formula list of a
//   topic with 40 formulas, names and typeset formulas drawn on a QImage, and the
//   same list as 40 QLabels with rich text rendered into an image.
// - Calculation_NineQuantities beside Evaluator_SameLines: "Rechne" on a formula
//   with nine quantities, each with a chosen unit, and the same lines handed
//   straight to the evaluator (with the result formatted).
// - Rearrangement_SwitchAndRedraw: "Umformen" on that formula, the window redrawn.
//
// The bundled collection is read from the daten folder beside the program.
#include "collection/collection_tables.h"
#include "collection/table_file.h"
#include "collection/table_layouts.h"
#include "engine/definition_store.h"
#include "engine/evaluate_line.h"
#include "engine/number_format.h"
#include "formula/formula_window_state.h"
#include "formula/plain_markup.h"
#include "typeset/markup_layout.h"
#include "typeset/sample_markup.h"
#include "typeset/widgets/qt_drawing_surface.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace quillmar;

fs::path programFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

struct Canvas {
    QImage image{900, 700, QImage::Format_ARGB32_Premultiplied};
    QFont big{QStringLiteral("Arial"), 20};
    QFont normal{QStringLiteral("Arial"), 12};
};

// What the window draws after showing a formula: the band (name, formula, the
// buttons) and the description lines.
[[gnu::noinline]] void drawWindow(Canvas& canvas, const formula::FormulaWindowState& window)
{
    canvas.image.fill(Qt::white);
    QPainter painter(&canvas.image);
    const formula::PagesDisplay& p = window.pages();
    {
        typeset::QtDrawingSurface surface(&painter, canvas.big, Qt::black);
        benchmark::DoNotOptimize(typeset::drawMarkup(surface, p.formulaMarkup, 10, 60));
    }
    typeset::QtDrawingSurface surface(&painter, canvas.normal, Qt::black);
    benchmark::DoNotOptimize(typeset::drawMarkup(surface, p.nameMarkup, 10, 10));
    int x = 10;
    for (std::size_t k = 0; k < 8; ++k) {
        const std::string& caption = k < p.rearrangementCaptions.size() ? p.rearrangementCaptions[k] : std::string();
        typeset::drawMarkup(surface, caption, x, 120);
        x += 60;
    }
    for (int i = 0; i < formula::kSlotCount; ++i)
        benchmark::DoNotOptimize(
            typeset::drawMarkup(surface, p.slotControls[static_cast<std::size_t>(i)].description, 10, 180 + 30 * i));
}

void reportPercentiles(benchmark::State& state, std::vector<double>& micros)
{
    if (micros.empty())
        return;
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) {
        return micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))];
    };
    state.counters["median_us"] = at(0.5);
    state.counters["p90_us"] = at(0.9);
    state.counters["max_us"] = micros.back();
}

void FormulaWindow_ShowFormula(benchmark::State& state)
{
    SilentMessages silent;
    collection::CollectionTables tables;
    if (!tables.open(programFolder(), silent)) {
        state.SkipWithError("no bundled collection beside the program");
        return;
    }
    engine::DefinitionStore store(silent);
    formula::FormulaWindowState window(formula::makeContext(tables, store, silent));
    std::vector<int> formulaNodes;
    for (int i = 0; i < window.tree().size(); ++i)
        if (window.tree().node(i).level == 2)
            formulaNodes.push_back(i);
    Canvas canvas;
    std::vector<double> micros;
    std::size_t next = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        window.onContentsSelection(formulaNodes[next]);
        drawWindow(canvas, window);
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        next = (next + 1) % formulaNodes.size();
    }
    reportPercentiles(state, micros);
}

// A formula table of n records: 20 areas, 50 topics each, formulas of two
// re-arrangements.
collection::Table largeFormulaTable(int n)
{
    collection::Table t = collection::makeFormulaTable();
    const auto& samples = typeset::sampleMarkup();
    for (int k = 0; k < n; ++k) {
        collection::Record r = t.emptyRecord();
        r[0] = collection::Text("Gebiet " + std::to_string(k / (n / 20)));
        r[1] = collection::Text("Thema " + std::to_string(k / (n / 1000)));
        r[2] = collection::Text("Formel " + std::to_string(k / 2));
        r[3] = collection::Text(samples[static_cast<std::size_t>(k) % samples.size()]);
        r[t.fieldCount() - 1] = std::int64_t{k};
        t.addLoadedRecord(std::move(r));
    }
    t.sortRecords();
    return t;
}

void Contents_Fill20000(benchmark::State& state)
{
    const collection::Table table = largeFormulaTable(20000);
    formula::ContentsTree tree;
    for (auto _ : state) {
        tree.fill(table);
        benchmark::DoNotOptimize(tree.size());
    }
    state.counters["nodes"] = tree.size();
}

void Contents_QStandardItemModel20000(benchmark::State& state)
{
    const collection::Table table = largeFormulaTable(20000);
    for (auto _ : state) {
        QStandardItemModel model;
        QStandardItem* area = nullptr;
        QStandardItem* topic = nullptr;
        QString lastArea, lastTopic, lastName;
        for (const collection::Record& r : table.records()) {
            const QString a = QString::fromStdString(collection::valueText(r[0]));
            const QString t = QString::fromStdString(collection::valueText(r[1]));
            const QString n = QString::fromStdString(collection::valueText(r[2]));
            if (!area || a != lastArea) {
                area = new QStandardItem(a);
                model.appendRow(area);
                lastArea = a;
                topic = nullptr;
            }
            if (!topic || t != lastTopic) {
                topic = new QStandardItem(t);
                area->appendRow(topic);
                lastTopic = t;
                lastName.clear();
            }
            if (n != lastName) {
                topic->appendRow(new QStandardItem(n));
                lastName = n;
            }
        }
        benchmark::DoNotOptimize(model.rowCount());
    }
}

// A collection with one topic of 40 formulas of the sample set.
struct FortyFormulas {
    SilentMessages silent;
    engine::DefinitionStore store{silent};
    collection::Table quantities = collection::makeQuantityTable();
    collection::Table formulas = collection::makeFormulaTable();
    FortyFormulas()
    {
        const auto& samples = typeset::sampleMarkup();
        for (int k = 0; k < 40; ++k) {
            collection::Record r = formulas.emptyRecord();
            r[0] = collection::Text("Gebiet");
            r[1] = collection::Text("Thema");
            r[2] = collection::Text("Formel mit einem langen Namen " + std::to_string(k));
            r[3] = collection::Text(samples[static_cast<std::size_t>(k) % samples.size()]);
            r[formulas.fieldCount() - 1] = std::int64_t{k};
            formulas.addLoadedRecord(std::move(r));
        }
        formulas.sortRecords();
    }
};

void TopicList_40Typeset(benchmark::State& state)
{
    FortyFormulas data;
    formula::FormulaWindowState window(
        formula::FormulaContext{data.formulas, data.quantities, data.store, data.silent, programFolder(), {}});
    QImage image(700, 50 * 40 + 10, QImage::Format_ARGB32_Premultiplied);
    QFont font(QStringLiteral("Arial"), 12);
    for (auto _ : state) {
        window.onContentsSelection(1); // the topic: its formula list
        image.fill(Qt::white);
        QPainter painter(&image);
        typeset::QtDrawingSurface surface(&painter, font, Qt::black);
        int j = 1;
        for (const formula::FormulaListEntry& e : window.contents().formulas) {
            typeset::drawMarkup(surface, e.name, 160, 50 * j - 45);
            typeset::drawMarkup(surface, e.formulaMarkup, 10, 50 * j - 40);
            ++j;
        }
    }
}

void TopicList_40RichTextLabels(benchmark::State& state)
{
    FortyFormulas data;
    std::vector<std::pair<QString, QString>> entries;
    for (const collection::Record& r : data.formulas.records())
        entries.emplace_back(QString::fromStdString(collection::valueText(r[2])),
                             QString::fromStdString(formula::plainText(collection::valueText(r[3]))).toHtmlEscaped());
    QImage image(700, 50 * 40 + 10, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QWidget list;
        auto* layout = new QVBoxLayout(&list);
        for (const auto& [name, formulaHtml] : entries) {
            auto* label = new QLabel(QStringLiteral("<u>%1</u>&nbsp;&nbsp;<span style='font-size:12pt'>%2</span>")
                                         .arg(name.toHtmlEscaped(), formulaHtml));
            label->setTextFormat(Qt::RichText);
            layout->addWidget(label);
        }
        list.resize(700, 50 * 40 + 10);
        image.fill(Qt::white);
        list.render(&image);
    }
}

// A formula with nine quantities, each with a unit table of two units; the
// re-arrangement k solves for quantity k + 1.
struct NineQuantities {
    fs::path folder = fs::temp_directory_path() / ("quillmar-bench-" + std::to_string(std::random_device{}()));
    SilentMessages silent;
    engine::DefinitionStore store{silent};
    collection::Table quantities = collection::makeQuantityTable();
    collection::Table formulas = collection::makeFormulaTable();

    NineQuantities()
    {
        fs::create_directories(folder / "daten");
        collection::Table units = collection::makeUnitTable("einheiten");
        for (const auto& [name, symbol, factor] :
             {std::tuple{"Grundeinheit", "u", "1"}, std::tuple{"Kiloeinheit", "ku", "1000"}}) {
            units.append();
            units.setText("Stoff", name);
            units.setText("Einheit", symbol);
            units.setText("Faktor", factor);
            units.post();
        }
        collection::saveTable(folder / "daten" / "einheiten.cds", units);
        for (int i = 1; i <= 9; ++i) {
            quantities.append();
            quantities.setInteger("NR", i);
            quantities.setText("GROESSE", "Größe " + std::to_string(i));
            quantities.setText("SYMBOL", "q\\d(" + std::to_string(i) + ")");
            quantities.setText("EINHEIT", "u");
            quantities.setText("NAMEEINHEI", "Grundeinheit");
            quantities.setText("DATEI", "einheiten");
            quantities.setText("RECHENVARI", "Q" + std::to_string(i));
            quantities.post();
        }
        for (int k = 1; k <= 9; ++k) {
            formulas.append();
            formulas.setText("GEBIET", "Gebiet");
            formulas.setText("THEMA", "Thema");
            formulas.setText("INHALT", "Summe");
            std::string formel = "q\\d(" + std::to_string(k) + ")=", rechnung = "Q" + std::to_string(k) + "=";
            int m = 1;
            formulas.setInteger("M1", k);
            for (int i = 1; i <= 9; ++i) {
                if (i == k)
                    continue;
                formel += (m > 1 ? "+q\\d(" : "q\\d(") + std::to_string(i) + ")";
                rechnung += (m > 1 ? "+Q" : "Q") + std::to_string(i);
                formulas.setInteger("M" + std::to_string(++m), i);
            }
            formulas.setText("FORMEL", formel);
            formulas.setText("RECHNUNG", rechnung);
            formulas.setInteger("myNr", k);
            formulas.post();
        }
        formulas.first();
    }
    ~NineQuantities()
    {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }

    std::unique_ptr<formula::FormulaWindowState> window()
    {
        auto w = std::make_unique<formula::FormulaWindowState>(
            formula::FormulaContext{formulas, quantities, store, silent, folder, {}});
        w->setPosition({"Gebiet", "Thema", "Summe"});
        w->selectPositionNode();
        for (int i = 1; i <= 9; ++i) {
            w->chooseUnit(i, 1);
            w->setFieldText(i, std::to_string(i) + ",5");
        }
        return w;
    }
};

void Calculation_NineQuantities(benchmark::State& state)
{
    NineQuantities data;
    const auto w = data.window();
    for (auto _ : state)
        benchmark::DoNotOptimize(w->calculate().computed);
    if (!w->calculate().computed)
        state.SkipWithError("the calculation failed");
}

void Evaluator_SameLines(benchmark::State& state)
{
    NineQuantities data;
    const auto w = data.window();
    // The program of the window without its comments and the formatted result.
    std::vector<std::string> lines;
    for (const std::string& line : w->calculateIntoCalcWindow().calcWindowLines)
        if (!line.empty() && line.front() != ';' && line.find('=') != std::string::npos)
            lines.push_back(line);
    for (auto _ : state) {
        Real value = 0;
        for (const std::string& l : lines) {
            std::string line = l;
            benchmark::DoNotOptimize(engine::evaluateLine(data.store, line, value));
        }
        benchmark::DoNotOptimize(engine::formatNumber("0.000", value));
    }
    state.counters["lines"] = static_cast<double>(lines.size());
}

void Rearrangement_SwitchAndRedraw(benchmark::State& state)
{
    NineQuantities data;
    const auto w = data.window();
    Canvas canvas;
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        w->nextRearrangement();
        drawWindow(canvas, *w);
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    reportPercentiles(state, micros);
}

BENCHMARK(FormulaWindow_ShowFormula)->Unit(benchmark::kMicrosecond);
BENCHMARK(Contents_Fill20000)->Unit(benchmark::kMillisecond);
BENCHMARK(Contents_QStandardItemModel20000)->Unit(benchmark::kMillisecond);
BENCHMARK(TopicList_40Typeset)->Unit(benchmark::kMillisecond);
BENCHMARK(TopicList_40RichTextLabels)->Unit(benchmark::kMillisecond);
BENCHMARK(Calculation_NineQuantities)->Unit(benchmark::kMicrosecond);
BENCHMARK(Evaluator_SameLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(Rearrangement_SwitchAndRedraw)->Unit(benchmark::kMicrosecond);

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
