// Walks the collection that the build put beside the program and fails on every
// defect a user would meet: dangling quantity numbers, missing unit tables, bad
// factors, calculation texts the formula window cannot run, symbols the example
// page cannot find, and re-arrangements that do not agree with their main form.
#include "collection/table.h"
#include "collection/table_file.h"
#include "conversion/direction_rule.h"
#include "engine/definition_store.h"
#include "engine/evaluate_line.h"
#include "support/messages.h"
#include "support/real.h"
#include "support/text.h"
#include "doubles/test_paths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace quillmar::collection {
namespace {

namespace fs = std::filesystem;

fs::path dataDir()
{
    return quillmar::testing::dataDir();
}

Table load(const std::string& name)
{
    Table t;
    const std::string error = loadTable(dataDir() / "daten" / name, t);
    EXPECT_EQ(error, "") << name;
    return t;
}

std::string join(const std::vector<std::string>& defects)
{
    std::ostringstream out;
    for (const auto& d : defects)
        out << "\n  " << d;
    return out.str();
}

std::string trim(std::string s)
{
    const auto b = s.find_first_not_of(" \t");
    const auto e = s.find_last_not_of(" \t");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

struct Quantity {
    std::string name, symbol, einheit, datei, var, konstante;
};

// One formula record as the formula window reads it.
struct Formula {
    std::size_t row = 0;
    std::string gebiet, thema, inhalt, formel, rechnung, beispiel, grafik;
    std::vector<std::int64_t> m; // M1.. up to the first empty one
    std::vector<std::int64_t> afterGap; // numbers filled in behind an empty M field
};

class BundledCollection : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        quantities_ = new std::map<std::int64_t, Quantity>;
        formulas_ = new std::vector<Formula>;
        Table groessen = load("GROESSEN.cds");
        for (std::size_t i = 0; i < groessen.recordCount(); ++i) {
            groessen.setRecNo(i + 1);
            const auto nr = groessen.asInteger("NR");
            if (!nr)
                continue;
            (*quantities_)[*nr] = Quantity{groessen.asText("GROESSE"), groessen.asText("SYMBOL"),
                                           groessen.asText("EINHEIT"), groessen.asText("DATEI"), groessen.asText("RECHENVARI"),
                                           groessen.asText("KONSTANTE")};
        }
        Table formel = load("formel.cds");
        fieldM1_ = formel.fieldIndex("M1").value_or(0);
        for (std::size_t i = 0; i < formel.recordCount(); ++i) {
            formel.setRecNo(i + 1);
            Formula f;
            f.row = i + 1;
            f.gebiet = formel.asText("GEBIET");
            f.thema = formel.asText("THEMA");
            f.inhalt = formel.asText("INHALT");
            f.formel = formel.asText("FORMEL");
            f.rechnung = formel.asText("RECHNUNG");
            f.beispiel = formel.asText("BEISPIEL");
            f.grafik = formel.asText("GRAFIK");
            // M1..M9 are read by position, as the formula window does.
            bool ended = false;
            for (std::size_t k = 0; k < 9; ++k) {
                const auto v = formel.asInteger(8 + k);
                if (!v)
                    ended = true;
                else if (ended)
                    f.afterGap.push_back(*v);
                else
                    f.m.push_back(*v);
            }
            formulas_->push_back(std::move(f));
        }
    }
    static void TearDownTestSuite()
    {
        delete quantities_;
        delete formulas_;
    }

    static const Quantity* quantity(std::int64_t nr)
    {
        const auto it = quantities_->find(nr);
        return it == quantities_->end() ? nullptr : &it->second;
    }
    static std::string where(const Formula& f)
    {
        return f.gebiet + " / " + f.thema + " / " + f.inhalt + " [" + f.formel + "]";
    }

    static std::map<std::int64_t, Quantity>* quantities_;
    static std::vector<Formula>* formulas_;
    static std::size_t fieldM1_;
};

std::map<std::int64_t, Quantity>* BundledCollection::quantities_ = nullptr;
std::vector<Formula>* BundledCollection::formulas_ = nullptr;
std::size_t BundledCollection::fieldM1_ = 0;

// A value as the evaluator reads it back without loss: 21 significant digits,
// decimal comma.
std::string numberText(Real v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.21Lg", static_cast<long double>(v));
    std::string s = buf;
    for (char& c : s) {
        if (c == '.')
            c = ',';
        if (c == 'e')
            c = 'E';
    }
    return s;
}

// Evaluates lines one after the other in a store of its own; the last line is a
// query. Gives the failing line in *failed.
bool run(const std::vector<std::string>& lines, Real& result, std::string* failed)
{
    SilentMessages silent;
    engine::DefinitionStore store(silent);
    for (const auto& l : lines) {
        std::string line = l;
        if (!engine::evaluateLine(store, line, result)) {
            if (failed)
                *failed = l;
            return false;
        }
    }
    return true;
}

TEST_F(BundledCollection, MeetsTheSizeAndShapeOfTheContentsLists)
{
    ASSERT_EQ(fieldM1_, 8u) << "M1..M9 must be the fields 9 to 17";
    std::vector<std::string> areas;
    std::map<std::string, std::vector<std::string>> topics;
    std::map<std::string, int> formulasPerTopic;
    std::vector<std::string> inhalte;
    std::vector<std::string> defects;
    std::set<std::string> seenArea, seenTopic, seenInhalt;
    const Formula* prev = nullptr;
    for (const auto& f : *formulas_) {
        const std::string topicKey = f.gebiet + "/" + f.thema;
        const bool newArea = !prev || prev->gebiet != f.gebiet;
        const bool newTopic = newArea || prev->thema != f.thema;
        const bool newFormula = newTopic || prev->inhalt != f.inhalt;
        if (newArea && !seenArea.insert(f.gebiet).second)
            defects.push_back("Gebiet nicht zusammenhängend: " + f.gebiet);
        if (newTopic && !seenTopic.insert(topicKey).second)
            defects.push_back("Thema nicht zusammenhängend: " + topicKey);
        if (newFormula && !seenInhalt.insert(f.inhalt).second)
            defects.push_back("Inhalt nicht zusammenhängend oder doppelt: " + f.inhalt);
        if (newArea)
            areas.push_back(f.gebiet);
        if (newTopic)
            topics[f.gebiet].push_back(f.thema);
        if (newFormula) {
            inhalte.push_back(f.inhalt);
            ++formulasPerTopic[topicKey];
        }
        prev = &f;
    }
    EXPECT_TRUE(defects.empty()) << join(defects);
    EXPECT_GE(areas.size(), 12u);
    EXPECT_LE(areas.size(), 20u);
    std::size_t topicCount = 0;
    for (const auto& [area, list] : topics) {
        EXPECT_LE(list.size(), 20u) << area;
        topicCount += list.size();
    }
    EXPECT_GE(topicCount, 50u);
    for (const auto& [topic, n] : formulasPerTopic)
        EXPECT_LE(n, 40) << topic;
    EXPECT_GE(inhalte.size(), 200u);
    EXPECT_GE(quantities_->size(), 250u);
}

TEST_F(BundledCollection, ShowsEveryMessageOfTheFormulaWindow)
{
    // Per formula: does the main form compute, does any re-arrangement compute?
    int computable = 0, afterRearranging = 0, never = 0;
    for (std::size_t i = 0; i < formulas_->size();) {
        const Formula& main = (*formulas_)[i];
        bool any = false;
        std::size_t j = i;
        for (; j < formulas_->size() && (*formulas_)[j].inhalt == main.inhalt; ++j)
            any = any || !(*formulas_)[j].rechnung.empty();
        if (!main.rechnung.empty())
            ++computable;
        else if (any)
            ++afterRearranging;
        else
            ++never;
        i = j;
    }
    EXPECT_GT(computable, 0);
    EXPECT_GT(afterRearranging, 0) << "no formula shows \"Rechnung nach Umformung möglich!\"";
    EXPECT_GT(never, 0) << "no formula shows \"Keine Rechung möglich!\"";
}

TEST_F(BundledCollection, NamesOnlyQuantitiesThatExist)
{
    std::vector<std::string> defects;
    for (const auto& f : *formulas_) {
        for (auto nr : f.m)
            if (!quantity(nr))
                defects.push_back("Größe " + std::to_string(nr) + " fehlt: " + where(f));
        if (!f.afterGap.empty())
            defects.push_back("M-Feld hinter einer Lücke: " + where(f));
        std::set<std::int64_t> distinct(f.m.begin(), f.m.end());
        if (distinct.size() != f.m.size())
            defects.push_back("Größe doppelt genannt: " + where(f));
    }
    EXPECT_TRUE(defects.empty()) << join(defects);
}

TEST_F(BundledCollection, VariableNamesFitTheEvaluatorAndTheUnitChoice)
{
    // The formula window also defines the variable followed by "1" for a value in
    // a chosen unit, so no name may be another one with "1" appended.
    std::vector<std::string> defects;
    std::map<std::string, std::int64_t> seen;
    for (const auto& [nr, q] : *quantities_) {
        const std::string v = text::upperAscii(q.var);
        if (v.empty() || v.size() + 1 > engine::kMaxNameChars || v[0] < 'A' || v[0] > 'Z')
            defects.push_back("Variablenname ungeeignet: '" + q.var + "' (" + q.name + ")");
        if (!seen.emplace(v, nr).second)
            defects.push_back("Variablenname doppelt: " + v);
    }
    for (const auto& [v, nr] : seen)
        if (seen.count(v + "1"))
            defects.push_back("Variablenname " + v + "1 kollidiert mit der Einheitenwahl von " + v);
    EXPECT_TRUE(defects.empty()) << join(defects);
}

TEST_F(BundledCollection, UnitTablesExistAndTheirFactorsAreSound)
{
    std::vector<std::string> defects;
    Table list = load("umrechnu.cds");
    std::set<std::string> listed;
    for (std::size_t i = 0; i < list.recordCount(); ++i) {
        list.setRecNo(i + 1);
        listed.insert(text::lowerAscii(fs::path(list.asText(1)).stem().string()));
    }
    EXPECT_GE(listed.size(), 30u);
    EXPECT_LE(listed.size(), 31u) << "the conversion window lists at most 31 quantities";

    std::set<std::string> used = listed;
    std::map<std::string, std::vector<const Quantity*>> users;
    for (const auto& [nr, q] : *quantities_)
        if (!q.datei.empty()) {
            const std::string name = text::lowerAscii(fs::path(q.datei).stem().string());
            used.insert(name);
            users[name].push_back(&q);
        }

    for (const auto& name : used) {
        if (!listed.count(name))
            defects.push_back("Tabelle nicht in umrechnu: " + name);
        Table units;
        const std::string error = loadTable(dataDir() / "daten" / (name + ".cds"), units);
        if (!error.empty()) {
            defects.push_back(error);
            continue;
        }
        if (units.recordCount() < 2 || units.recordCount() > 30)
            defects.push_back(name + ": " + std::to_string(units.recordCount()) + " Einheiten");
        for (std::size_t i = 0; i < units.recordCount(); ++i) {
            units.setRecNo(i + 1);
            const std::string factor = units.asText("Faktor");
            // The formula window puts the factor text into evaluator lines as it is.
            Real k = 0;
            std::string failed;
            if (!run({"K=" + factor, "K="}, k, &failed) || k == 0)
                defects.push_back(name + ": Faktor '" + factor + "' unbrauchbar");
            else if (i == 0 && k != 1 && k != -1)
                defects.push_back(name + ": erster Faktor " + factor + " ist nicht 1 oder -1");
            // ... and the conversion window reads it with the direction rule.
            units.first();
            const std::string first = units.asText("Faktor");
            units.setRecNo(i + 1);
            if (const auto r = conversion::conversionFactor(first, factor, first); !r.ok())
                defects.push_back(name + ": " + r.error);
            if (text::length(units.asText("Stoff")) > 30 || text::length(units.asText("Einheit")) > 20)
                defects.push_back(name + ": Eintrag zu lang: " + units.asText("Stoff"));
        }
        // Values typed in a chosen unit are converted into the table's base unit,
        // so that must be the quantity's own unit.
        units.first();
        for (const Quantity* q : users[name])
            if (q->einheit != units.asText("Einheit"))
                defects.push_back(q->name + " hat die Einheit " + q->einheit + ", die Tabelle " + name
                                  + " aber die Basiseinheit " + units.asText("Einheit"));
    }
    EXPECT_TRUE(defects.empty()) << join(defects);
}

// Converts one unit of a table into another by their names, as the conversion
// window does.
std::optional<Real> convertByName(const std::string& table, const std::string& from, const std::string& to)
{
    Table units;
    if (!loadTable(dataDir() / "daten" / (table + ".cds"), units).empty() || units.recordCount() == 0)
        return std::nullopt;
    units.first();
    const std::string first = units.asText("Faktor");
    std::string a, b;
    for (std::size_t i = 0; i < units.recordCount(); ++i) {
        units.setRecNo(i + 1);
        if (units.asText("Stoff") == from)
            a = units.asText("Faktor");
        if (units.asText("Stoff") == to)
            b = units.asText("Faktor");
    }
    if (a.empty() || b.empty())
        return std::nullopt;
    const auto r = conversion::conversionFactor(first, a, b);
    return r.ok() ? std::optional<Real>(r.value) : std::nullopt;
}

TEST(BundledUnitTables, ConvertWithTheDefinedFactors)
{
    // Exact definitions where they exist, in both kinds of direction.
    struct Case {
        const char* table;
        const char* from;
        const char* to;
        long double factor; // 1 from = factor to
    } const cases[] = {
        {"laenge", "Zoll (inch)", "Meter", 0.0254L},
        {"laenge", "Meile (mile)", "Kilometer", 1.609344L},
        {"laenge", "Seemeile", "Meter", 1852.0L},
        {"flaeche", "Hektar", "Quadratmeter", 10000.0L},
        {"volumen", "US-Gallone", "Liter", 3.785411784L},
        {"masse", "Pfund (lb)", "Gramm", 453.59237L},
        {"zeit", "Tag", "Minute", 1440.0L},
        {"geschw", "Kilometer je Stunde", "Meter je Sekunde", 1.0L / 3.6L},
        {"geschw", "Knoten", "Kilometer je Stunde", 1.852L},
        {"beschl", "Normfallbeschleunigung", "Meter je Quadratsekunde", 9.80665L},
        {"kraft", "Pound-force", "Newton", 4.4482216152605L},
        {"kraft", "Kilopond", "Newton", 9.80665L},
        {"druck", "Bar", "Hektopascal", 1000.0L},
        {"druck", "Physikalische Atmosphäre", "Torr", 760.0L},
        {"energie", "Kilowattstunde", "Megajoule", 3.6L},
        {"energie", "Kilokalorie", "Joule", 4184.0L},
        {"energie", "Elektronvolt", "Joule", 1.602176634e-19L},
        {"leistung", "Pferdestärke", "Watt", 735.49875L},
        {"drehmom", "Kilopondmeter", "Newtonmeter", 9.80665L},
        {"frequenz", "Kilohertz", "Hertz", 1000.0L},
        {"frequenz", "Umdrehungen je Minute", "Hertz", 1.0L / 60.0L},
        {"winkel", "Grad", "Radiant", 3.14159265358979323846L / 180.0L},
        {"winkel", "Vollwinkel", "Grad", 360.0L},
        {"winkgesc", "Umdrehungen je Minute", "Radiant je Sekunde", 2.0L * 3.14159265358979323846L / 60.0L},
        {"dichte", "Gramm je Kubikzentimeter", "Kilogramm je Kubikmeter", 1000.0L},
        {"spannung", "Kilovolt", "Millivolt", 1000000.0L},
        {"strom", "Milliampere", "Ampere", 0.001L},
        {"widerst", "Megaohm", "Kiloohm", 1000.0L},
        {"ladung", "Amperestunde", "Coulomb", 3600.0L},
        {"kapazit", "Mikrofarad", "Nanofarad", 1000.0L},
        {"indukt", "Millihenry", "Henry", 0.001L},
        {"flussdi", "Tesla", "Gauß", 10000.0L},
        {"stoffmen", "Kilomol", "Mol", 1000.0L},
        {"konzentr", "Mol je Kubikmeter", "Millimol je Liter", 1.0L},
        {"daten", "Gibibyte", "Mebibyte", 1024.0L},
        {"daten", "Byte", "Bit", 8.0L},
        {"verbrauc", "Liter je Kilometer", "Liter je 100 Kilometer", 100.0L},
        {"volstrom", "Kubikmeter je Stunde", "Liter je Minute", 1000.0L / 60.0L},
        {"dynvisk", "Poise", "Millipascalsekunde", 100.0L},
        {"kinvisk", "Stokes", "Zentistokes", 100.0L},
    };
    for (const auto& c : cases) {
        const auto k = convertByName(c.table, c.from, c.to);
        ASSERT_TRUE(k.has_value()) << c.table << ": " << c.from << " -> " << c.to;
        EXPECT_NEAR(static_cast<long double>(*k) / c.factor, 1.0L, 1e-12L)
            << c.table << ": 1 " << c.from << " in " << c.to;
    }
}

TEST_F(BundledCollection, PicturesExist)
{
    std::set<std::string> pictures;
    std::set<std::string> missing;
    for (const auto& f : *formulas_) {
        if (f.grafik.empty())
            continue;
        std::string file = f.grafik.substr(0, f.grafik.find('#'));
        if (file.find('.') == std::string::npos)
            file += ".bmp";
        pictures.insert(f.inhalt);
        if (!fs::exists(dataDir() / "Grafik" / file))
            missing.insert("Bild fehlt: Grafik/" + file);
    }
    EXPECT_TRUE(missing.empty()) << join({missing.begin(), missing.end()});
    EXPECT_GE(pictures.size(), 10u);
}

TEST_F(BundledCollection, CalculationTextsRunWithTheRecordsOwnQuantities)
{
    // Each RECHNUNG is run in a store that knows only the given quantities of its
    // record: a foreign or unknown variable makes it fail. It must define M1.
    std::vector<std::string> defects;
    for (const auto& f : *formulas_) {
        if (f.rechnung.empty() || f.m.empty() || !quantity(f.m[0]))
            continue;
        if (text::length(f.rechnung) > engine::kMaxLineChars) {
            defects.push_back("RECHNUNG zu lang: " + where(f));
            continue;
        }
        const std::string target = text::upperAscii(quantity(f.m[0])->var);
        const std::string defined = text::upperAscii(trim(f.rechnung.substr(0, f.rechnung.find('='))));
        if (defined != target)
            defects.push_back("RECHNUNG definiert " + defined + " statt " + target + ": " + where(f));
        std::vector<std::string> lines;
        for (std::size_t k = 1; k < f.m.size(); ++k)
            if (const Quantity* q = quantity(f.m[k]))
                lines.push_back(q->var + "=1");
        lines.push_back(f.rechnung);
        Real r = 0;
        std::string failed;
        SilentMessages silent;
        engine::DefinitionStore store(silent);
        bool ok = true;
        for (auto line : lines)
            ok = ok && engine::evaluateLine(store, line, r);
        if (!ok || !store.find(target))
            defects.push_back("RECHNUNG nicht übersetzbar mit den eigenen Größen: " + where(f));
    }
    EXPECT_TRUE(defects.empty()) << join(defects);
}

TEST_F(BundledCollection, GivenSymbolsStandInTheFormulaInAnOrderTheExamplePageCanUse)
{
    // The example page replaces the given quantities' symbols in slot order, in the
    // text after the first "=": each must be found there, and no symbol may begin
    // with the symbol of an earlier slot, which would be taken first.
    std::vector<std::string> defects;
    for (const auto& f : *formulas_) {
        const auto eq = f.formel.find('=');
        const std::string right = eq == std::string::npos ? std::string() : f.formel.substr(eq + 1);
        if (f.m.empty())
            continue;
        for (std::size_t k = 1; k < f.m.size(); ++k) {
            const Quantity* q = quantity(f.m[k]);
            if (!q)
                continue;
            if (q->symbol.empty() || right.find(q->symbol) == std::string::npos)
                defects.push_back("Symbol " + q->symbol + " fehlt: " + where(f));
            for (std::size_t j = 1; j < k; ++j) {
                const Quantity* earlier = quantity(f.m[j]);
                if (earlier && q->symbol.rfind(earlier->symbol, 0) == 0)
                    defects.push_back("Symbol " + earlier->symbol + " verdeckt " + q->symbol + ": " + where(f));
            }
        }
    }
    EXPECT_TRUE(defects.empty()) << join(defects);
}

TEST_F(BundledCollection, RearrangementsGiveBackTheValuesTheyStartedFrom)
{
    // The first computable record of a formula is computed from the sample values
    // in its BEISPIEL ("Beispielwerte: A=2; B=3") and the constants' KONSTANTE;
    // every other re-arrangement is then computed from those values and must give
    // back the value that went into the first one.
    std::vector<std::string> defects;
    int checked = 0;
    for (std::size_t i = 0; i < formulas_->size();) {
        std::size_t end = i;
        while (end < formulas_->size() && (*formulas_)[end].inhalt == (*formulas_)[i].inhalt)
            ++end;
        const Formula* anchor = nullptr;
        for (std::size_t k = i; k < end && !anchor; ++k)
            if (!(*formulas_)[k].rechnung.empty())
                anchor = &(*formulas_)[k];
        i = end;
        if (!anchor || anchor->m.empty())
            continue;
        bool allKnown = true; // dangling numbers are reported by NamesOnlyQuantitiesThatExist
        for (auto nr : anchor->m)
            allKnown = allKnown && quantity(nr);
        if (!allKnown)
            continue;

        std::map<std::string, std::string> samples; // variable -> value text
        const std::string prefix = "Beispielwerte:";
        if (anchor->beispiel.rfind(prefix, 0) == 0) {
            std::istringstream parts(anchor->beispiel.substr(prefix.size()));
            std::string part;
            while (std::getline(parts, part, ';')) {
                const auto eq = part.find('=');
                if (eq != std::string::npos)
                    samples[text::upperAscii(trim(part.substr(0, eq)))] = trim(part.substr(eq + 1));
            }
        }
        std::vector<std::string> lines;
        bool complete = true;
        for (std::size_t k = 1; k < anchor->m.size(); ++k) {
            const Quantity* q = quantity(anchor->m[k]);
            if (!q)
                continue;
            const std::string v = text::upperAscii(q->var);
            if (!q->konstante.empty())
                lines.push_back(v + "=" + q->konstante);
            else if (samples.count(v))
                lines.push_back(v + "=" + samples[v]);
            else {
                defects.push_back("kein Beispielwert für " + v + ": " + where(*anchor));
                complete = false;
            }
        }
        if (!complete)
            continue;
        lines.push_back(anchor->rechnung);

        // The values of all quantities after computing the first record.
        std::map<std::int64_t, Real> values;
        bool ok = true;
        for (auto nr : anchor->m) {
            std::vector<std::string> query = lines;
            query.push_back(quantity(nr)->var + "=");
            Real v = 0;
            std::string failed;
            if (!run(query, v, &failed) || !std::isfinite(static_cast<long double>(v))) {
                defects.push_back("Rechnung scheitert an '" + failed + "': " + where(*anchor));
                ok = false;
                break;
            }
            values[nr] = v;
        }
        if (!ok)
            continue;
        ++checked;

        for (const Formula* f = anchor + 1; f != formulas_->data() + end; ++f) {
            if (f->rechnung.empty() || f->m.empty())
                continue;
            std::vector<std::string> rl;
            bool known = true;
            for (std::size_t k = 1; k < f->m.size(); ++k) {
                if (!values.count(f->m[k])) {
                    known = false;
                    break;
                }
                rl.push_back(quantity(f->m[k])->var + "=" + numberText(values[f->m[k]]));
            }
            if (!known || !values.count(f->m[0])) {
                defects.push_back("Umformung nennt andere Größen als die Grundform: " + where(*f));
                continue;
            }
            rl.push_back(f->rechnung);
            rl.push_back(quantity(f->m[0])->var + "=");
            Real got = 0;
            std::string failed;
            if (!run(rl, got, &failed)) {
                defects.push_back("Umformung scheitert an '" + failed + "': " + where(*f));
                continue;
            }
            const Real want = values[f->m[0]];
            const Real err = want == 0 ? std::fabs(got) : std::fabs((got - want) / want);
            if (!(err < Real(1e-12)))
                defects.push_back("Umformung gibt " + numberText(got) + " statt " + numberText(want) + ": "
                                  + where(*f));
        }
    }
    EXPECT_TRUE(defects.empty()) << join(defects);
    EXPECT_GE(checked, 200);
}

} // namespace
} // namespace quillmar::collection
