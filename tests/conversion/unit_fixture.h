#pragma once
// A small data folder with a quantity list and unit tables, written as real
// table files, for the conversion and insertion tests.
#include "collection/table_file.h"
#include "collection/table_layouts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace quillmar::conversion::testing {

using UnitRows = std::vector<std::vector<std::string>>; // Stoff, Einheit, Faktor

class UnitFolder {
public:
    UnitFolder()
    {
        std::random_device rd;
        prefix_ = std::filesystem::temp_directory_path() / ("quillmar-conv-" + std::to_string(rd()));
        std::filesystem::create_directories(prefix_ / "daten");
    }
    ~UnitFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(prefix_, ec);
    }
    UnitFolder(const UnitFolder&) = delete;
    UnitFolder& operator=(const UnitFolder&) = delete;

    const std::filesystem::path& prefix() const { return prefix_; }
    std::filesystem::path daten(const std::string& name) const { return prefix_ / "daten" / name; }

    // Adds a quantity to the list; rows are written to daten/<file> unless the
    // table is meant to be missing (rows empty and write false).
    void quantity(const std::string& name, const std::string& file, const UnitRows& rows, bool write = true)
    {
        entries_.push_back({name, file});
        if (write)
            writeUnits(file, rows);
        writeList();
    }

    void writeUnits(const std::string& file, const UnitRows& rows) const
    {
        collection::Table table = collection::makeUnitTable("einheiten");
        for (const auto& row : rows) {
            table.append();
            for (std::size_t i = 0; i < row.size(); ++i)
                ASSERT_EQ(table.setText(i, row[i]), "");
            table.post();
        }
        ASSERT_EQ(collection::saveTable(daten(file), table), "");
    }

    // The standard set of the tests.
    void standard()
    {
        quantity("Strecke", "strecke.cds", {{"Meter", "m", "1"}, {"Millimeter", "mm", "0,001"},
                                            {"Kilometer", "km", "1000"}});
        quantity("Kehrwert", "kehr.cds", {{"Ganzes", "G", "-1"}, {"Hundertstel", "H", "100"}});
        quantity("Einzeln", "einzeln.cds", {{"Stück", "St", "1"}});
        quantity("Schief", "schief.cds", {{"Grund", "g", "2"}, {"Doppelt", "d", "4"}});
        quantity("Unlesbar", "unlesbar.cds", {{"Grund", "g", "1"}, {"Kaputt", "k", "zwei"}, {"Leer", "l", ""}});
        quantity("Fehlt", "fehlt.cds", {}, false);
    }

private:
    void writeList() const
    {
        collection::Table list = collection::makeQuantityList();
        for (const auto& [name, file] : entries_) {
            list.append();
            list.setText("Groesse", name);
            list.setText("DATEI", file);
            list.setText("Variable", "x");
            list.post();
        }
        ASSERT_EQ(collection::saveTable(prefix_ / "daten" / "umrechnu.cds", list), "");
    }

    std::filesystem::path prefix_;
    std::vector<std::pair<std::string, std::string>> entries_;
};

} // namespace quillmar::conversion::testing
