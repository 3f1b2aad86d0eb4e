#pragma once
// A small formula collection in a temporary data folder: quantity and formula
// tables in memory, unit tables and pictures as files, and a window on them.
#include "collection/table.h"
#include "collection/table_file.h"
#include "collection/table_layouts.h"
#include "engine/definition_store.h"
#include "formula/formula_window_state.h"
#include "support/messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace quillmar::formula::testing {

struct QuantityRow {
    int nr;
    std::string name, symbol, unit, derivation, unitName, file, variable, preset;
};

struct FormulaRow {
    std::string area, topic, name, formel, rechnung;
    std::vector<int> m;
    std::string grafik;
};

using UnitRows = std::vector<std::vector<std::string>>; // Stoff, Einheit, Faktor

class DataFolder {
public:
    DataFolder()
    {
        std::random_device rd;
        prefix_ = std::filesystem::temp_directory_path() / ("quillmar-formula-" + std::to_string(rd()));
        std::filesystem::create_directories(prefix_ / "daten");
        std::filesystem::create_directories(prefix_ / "Grafik");
    }
    ~DataFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(prefix_, ec);
    }
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    const std::filesystem::path& prefix() const { return prefix_; }

    void units(const std::string& file, const UnitRows& rows) const
    {
        collection::Table table = collection::makeUnitTable("einheiten");
        for (const auto& row : rows) {
            table.append();
            for (std::size_t i = 0; i < row.size(); ++i)
                table.setText(i, row[i]);
            table.post();
        }
        ASSERT_EQ(collection::saveTable(prefix_ / "daten" / file, table), "");
    }

    void picture(const std::string& name) const { std::ofstream(prefix_ / "Grafik" / name) << "BM"; }

private:
    std::filesystem::path prefix_;
};

inline collection::Table quantityTable(const std::vector<QuantityRow>& rows)
{
    collection::Table t = collection::makeQuantityTable();
    for (const QuantityRow& r : rows) {
        t.append();
        t.setInteger("NR", r.nr);
        t.setText("GROESSE", r.name);
        t.setText("SYMBOL", r.symbol);
        t.setText("EINHEIT", r.unit);
        t.setText("ABLEITUNG", r.derivation);
        t.setText("NAMEEINHEI", r.unitName);
        t.setText("DATEI", r.file);
        t.setText("RECHENVARI", r.variable);
        t.setText("KONSTANTE", r.preset);
        t.post();
    }
    t.first();
    return t;
}

inline collection::Table formulaTable(const std::vector<FormulaRow>& rows)
{
    collection::Table t = collection::makeFormulaTable();
    int myNr = 0;
    for (const FormulaRow& r : rows) {
        t.append();
        t.setText("GEBIET", r.area);
        t.setText("THEMA", r.topic);
        t.setText("INHALT", r.name);
        t.setText("FORMEL", r.formel);
        t.setText("RECHNUNG", r.rechnung);
        t.setText("GRAFIK", r.grafik);
        for (std::size_t i = 0; i < r.m.size(); ++i)
            t.setInteger("M" + std::to_string(i + 1), r.m[i]);
        t.setInteger("myNr", myNr++);
        t.post();
    }
    t.first();
    return t;
}

// The standard collection of the tests.
inline std::vector<QuantityRow> standardQuantities()
{
    return {
        {1, "Kraft", "F", "N", "", "Newton", "kraft", "F", ""},
        {2, "Masse", "m", "kg", "", "Kilogramm", "masse.txt", "M", ""},
        {3, "Beschleunigung", "a", "m/s\\u(2)", "N/kg", "Meter je Quadratsekunde", "", "A", ""},
        {4, "Lichtgeschwindigkeit", "c", "m/s", "", "Meter je Sekunde", "", "C", "299792458"},
        {5, "Energie", "E", "J", "", "Joule", "", "E", ""},
        {6, "Winkel", "\\c(a)", "rad", "", "Radiant", "", "ALPHA", ""},
        {7, "Ankathete", "b", "m", "", "Meter", "laenge", "B", ""},
        {8, "Hypotenuse", "c", "m", "", "Meter", "laenge", "HYP", ""},
        {9, "Zeit", "t", "s", "", "Sekunde", "fehlt", "T", ""},
        {10, "Weg", "s", "m", "", "Meter", "", "S", ""},
    };
}

inline std::vector<FormulaRow> standardFormulas()
{
    std::vector<FormulaRow> rows = {
        {"Mechanik", "Dynamik", "Grundgesetz", "F=m\\ma", "F=M*A", {1, 2, 3}, "bild"},
        {"Mechanik", "Dynamik", "Grundgesetz", "m=\\f(F;a)", "M=F/A", {2, 1, 3}, "bild"},
        {"Mechanik", "Dynamik", "Grundgesetz", "a=\\f(F;m)", "A=F/M", {3, 1, 2}, "bild"},
        {"Mechanik", "Dynamik", "Energie", "E=m\\mc\\u(2)", "E=M*C^2", {5, 2, 4}, ""},
        {"Mechanik", "Dynamik", "Ohne Rechnung", "F=m\\ma", "", {1, 2, 3}, ""},
        {"Mechanik", "Dynamik", "Nach Umformung", "F=m\\ma", "", {1, 2, 3}, ""},
        {"Mechanik", "Dynamik", "Nach Umformung", "m=\\f(F;a)", "M=F/A", {2, 1, 3}, ""},
        {"Mechanik", "Dynamik", "Hebel", "F=m\\ma", "F=M*A", {1, 2, 3}, ""},
        {"Mechanik", "Statik", "Hebel", "m=\\f(F;a)", "M=F/A", {2, 1, 3}, ""},
        {"Mechanik", "Statik", "Bewegung", "s=v\\mt", "S=T", {10, 9}, ""},
        {"Trigonometrie", "Dreieck", "Kosinus", "b=c\\mcos \\c(a)", "B=HYP*COS(ALPHA)", {7, 8, 6}, ""},
        {"Trigonometrie", "Dreieck", "Unbekannt", "F=m\\mx", "F=M*X", {1, 2, 99}, ""},
        {"Trigonometrie", "Dreieck", "Konstante", "c=c\\d(0)", "C=299792458", {4}, ""},
    };
    for (int k = 0; k < 10; ++k)
        rows.push_back({"Trigonometrie", "Viele", "Zehn", "x" + std::to_string(k) + "=F", "F=1", {1}, ""});
    return rows;
}

class FormulaWindowCore : public ::testing::Test {
protected:
    FormulaWindowCore()
        : store_(messages_), quantities_(quantityTable(standardQuantities())),
          formulas_(formulaTable(standardFormulas()))
    {
        folder_.units("kraft.cds", {{"Newton", "N", "1"}, {"Kilonewton", "kN", "1000"}});
        folder_.units("masse.cds", {{"Kilogramm", "kg", "1"}, {"Gramm", "g", "0,001"}, {"Tonne", "t", "1000"}});
        folder_.units("laenge.cds", {{"Meter", "m", "-1"}, {"Zentimeter", "cm", "100"}});
        folder_.picture("bild.bmp");
    }

    FormulaContext context() { return FormulaContext{formulas_, quantities_, store_, messages_, folder_.prefix(), {}}; }

    std::unique_ptr<FormulaWindowState> window(bool docked = false)
    {
        return std::make_unique<FormulaWindowState>(context(), docked);
    }

    // A window showing the formula.
    std::unique_ptr<FormulaWindowState> showing(const std::string& area, const std::string& topic,
                                                const std::string& name, bool docked = false)
    {
        auto w = window(docked);
        w->setPosition({area, topic, name});
        w->selectPositionNode();
        return w;
    }

    std::unique_ptr<FormulaWindowState> grundgesetz(bool docked = false)
    {
        return showing("Mechanik", "Dynamik", "Grundgesetz", docked);
    }

    DataFolder folder_;
    RecordingMessages messages_;
    engine::DefinitionStore store_;
    collection::Table quantities_;
    collection::Table formulas_;
};

} // namespace quillmar::formula::testing
