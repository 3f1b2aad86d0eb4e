// Start-up to a usable main window: MainWindow with its pages, menus, tool bars,
// dialogs, link component and settings file, shown and painted; side by side with
// a plain QMainWindow of the same outline (three tabs, a menu bar, a tool bar) as
// the peer, so the cost of the shell itself stands out.
#include "app/spreadsheet_factory.h"
#include "app/main_window.h"
#include "collection/collection_tables.h"
#include "spreadsheet/widgets/builtin_spreadsheet.h"
#include "support/messages.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

fs::path dataFolder()
{
    static const fs::path folder = [] {
        const fs::path f = fs::temp_directory_path() / "quillmar_bench_startup";
        fs::create_directories(f);
        // The bundled collection, as the program finds it beside itself.
        const fs::path built = fs::path(QApplication::applicationDirPath().toStdString()) / "daten";
        if (fs::exists(built))
            fs::copy(built, f / "daten", fs::copy_options::recursive | fs::copy_options::update_existing);
        std::ofstream(f / "quillmar.ini", std::ios::binary)
            << "quillmar30\r\n0#900#650#40#60#\r\n0.000\r\n0\r\n0\r\n0\r\n0\r\n1\r\n";
        return f;
    }();
    return folder;
}

void showAndPaint(QWidget& window)
{
    window.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.grab());
}

void BM_QuillmarMainWindowReady(benchmark::State& state)
{
    const fs::path folder = dataFolder();
    quillmar::SilentMessages messages;
    quillmar::spreadsheet::BuiltinSpreadsheet spreadsheet(messages);
    for (auto _ : state) {
        quillmar::collection::CollectionTables tables;
        quillmar::app::MainWindow window(folder, messages, tables, quillmar::app::programConversationFactory(spreadsheet));
        window.createOptionsDialogs();
        window.createExcelVersionDialog();
        window.readSettingsFile();
        window.showAsRead();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_QuillmarMainWindowReady)->Unit(benchmark::kMillisecond);

void BM_PlainMainWindowReady(benchmark::State& state)
{
    for (auto _ : state) {
        QMainWindow window;
        auto* tabs = new QTabWidget;
        for (const char* title : {"Formelsammlung", "Umrechnungen", "Formelsammlung bearbeiten"})
            tabs->addTab(new QWidget, QString::fromUtf8(title));
        window.setCentralWidget(tabs);
        for (const char* menu : {"&Datei", "&Formeln", "&Umrechnungen", "&Optionen", "&Hilfe"})
            window.menuBar()->addMenu(QString::fromUtf8(menu))->addAction(QStringLiteral("Eintrag"));
        QToolBar* bar = window.addToolBar(QStringLiteral("Formeln"));
        for (const char* tool : {"Einfügen", "Umformen", "Eigenschaften", "Hilfe", "Beenden"})
            bar->addAction(QString::fromUtf8(tool));
        window.resize(900, 650);
        showAndPaint(window);
    }
}
BENCHMARK(BM_PlainMainWindowReady)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
