// The command-line tool `quillmar formel`: on a small data folder, and on the
// bundled collection side by side with a formula window.
#include "cli/formula_verb.h"
#include "collection/collection_tables.h"
#include "doubles/test_paths.h"
#include "formula/formula_fixture.h"
#include "formula/formula_window_state.h"
#include "formula/plain_markup.h"
#include "support/text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

namespace quillmar::cli {
namespace {

using formula::testing::DataFolder;

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun formel(std::vector<std::string> args)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = runFormulaVerb(args, in, out, err);
    return {status, out.str(), err.str()};
}

class FormulaVerb : public ::testing::Test {
protected:
    FormulaVerb()
    {
        collection::Table quantities = formula::testing::quantityTable(formula::testing::standardQuantities());
        collection::Table formulas = formula::testing::formulaTable(formula::testing::standardFormulas());
        EXPECT_EQ(collection::saveTable(folder_.prefix() / "daten" / "GROESSEN.cds", quantities), "");
        EXPECT_EQ(collection::saveTable(folder_.prefix() / "daten" / "formel.cds", formulas), "");
        folder_.units("kraft.cds", {{"Newton", "N", "1"}, {"Kilonewton", "kN", "1000"}});
        folder_.units("masse.cds",
                      {{"Kilogramm", "kg", "1"}, {"Gramm", "g", "0,001"}, {"Tonne (metrisch)", "t", "1000"}});
        folder_.units("laenge.cds", {{"Meter", "m", "-1"}, {"Mikrometer", "\\c(m)m", "1000000"}});
    }

    ToolRun run(std::vector<std::string> args)
    {
        args.push_back("--daten");
        args.push_back(folder_.prefix().string());
        return formel(std::move(args));
    }

    DataFolder folder_;
};

TEST_F(FormulaVerb, ComputesAsTheWindowDoes)
{
    struct Case {
        std::vector<std::string> args;
        const char* out;
    };
    const Case cases[] = {
        {{"Grundgesetz", "M=2", "A=3"}, "F = 6,000 N\n"},
        {{"grundgesetz", "m=2", "a=3", "--format", "0.0"}, "F = 6,0 N\n"},
        {{"Grundgesetz", "M=2000@g", "A=3", "F@kN"}, "F = 0,006 kN\n"},
        {{"Grundgesetz", "M=2@Tonne", "A=3", "F@Kilonewton"}, "F = 6,000 kN\n"},
        {{"Grundgesetz", "M=2@metrisch", "A=3"}, "F = 6000,000 N\n"},
        {{"Grundgesetz", "--nach", "M", "F=6", "A=3"}, "M = 2,000 kg\n"},
        {{"Grundgesetz", "--umformung", "2", "F=6", "M=2"}, "A = 3,000 m/s²\n"},
        {{"Kosinus", "HYP=2", "ALPHA=0", "B@µm"}, "B = 2000000,000 µm\n"},
        {{"Kosinus", "HYP=2", "ALPHA=0", "B@\\c(m)m"}, "B = 2000000,000 µm\n"},
        {{"Energie", "M=1", "--format", "0.00E+00"}, "E = 8,99E+16 J\n"}, // c keeps its preset
        {{"Hebel", "--thema", "statik", "F=6", "A=3"}, "M = 2,000 kg\n"},
    };
    for (const Case& c : cases) {
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.status, 0) << c.args[0] << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[0];
    }
}

TEST_F(FormulaVerb, ProgramPrintsWhatTheCalculationWindowGets)
{
    const ToolRun r = run({"Grundgesetz", "M=2", "A=3", "--programm"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, ";M = Masse - Kilogramm\nM=2\n;A = Beschleunigung - Meter je Quadratsekunde\nA=3\n"
                     ";F = Kraft - Newton\nF=M*A\nF=\n6,000\n");
}

TEST_F(FormulaVerb, UnknownNamesExitWithTwoAndListTheCandidates)
{
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> errParts;
    };
    const Case cases[] = {
        {{"Grundgesetze"}, {"\"Grundgesetze\" ist nicht", "Ähnliche Formeln:"}},
        {{"Grund"}, {"Mechanik / Dynamik / Grundgesetz"}},
        {{"Hebel", "F=1", "A=1"}, {"mehreren Themen", "Mechanik / Dynamik / Hebel", "Mechanik / Statik / Hebel"}},
        {{"Grundgesetz", "X=1"}, {"keine Größe mit der Variablen \"X\"", "M: Masse (m)", "A: Beschleunigung (a)"}},
        {{"Grundgesetz", "M=1@Pfund"}, {"keine Einheit \"Pfund\"", "Gramm (g)", "Tonne (metrisch) (t)"}},
        {{"Grundgesetz", "A=1@km"}, {"keine Umrechnungstabelle", "m/s²"}},
        {{"Grundgesetz", "F=1"}, {"gesuchte Größe"}},
        {{"Grundgesetz", "M"}, {"keine Angabe VAR=WERT"}},
        {{"Grundgesetz", "--umformung", "3"}, {"keine Umformung 3", "0: F (F)", "2: a (A)"}},
        {{"Grundgesetz", "--nach", "E"}, {"nach \"E\"", "1: m (M)"}},
        {{"Grundgesetz", "--umformung", "1", "--nach", "M"}, {"schließen einander aus"}},
        {{"Grundgesetz", "--wie"}, {"Unbekannte Angabe: --wie", "Aufruf:"}},
        {{}, {"Aufruf:"}},
    };
    for (const Case& c : cases) {
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.status, 2) << (c.args.empty() ? "" : c.args[0]);
        EXPECT_EQ(r.out, "");
        for (const std::string& part : c.errParts)
            EXPECT_NE(r.err.find(part), std::string::npos) << "missing \"" << part << "\" in:\n" << r.err;
    }
}

TEST_F(FormulaVerb, WindowMessagesExitWithOne)
{
    struct Case {
        std::vector<std::string> args;
        const char* err;
    };
    const Case cases[] = {
        {{"Grundgesetz", "M=2"}, "Bitte Werte eingeben!\n"},
        {{"Grundgesetz", "M=2", "A=drei"}, "Fehlerhafte Eingabe\n"},
        {{"Ohne Rechnung"}, "Keine Rechung möglich!\n"},
        {{"Nach Umformung", "M=1", "A=1"}, "Rechnung nach Umformung möglich!\n"},
    };
    for (const Case& c : cases) {
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.args[0];
        EXPECT_EQ(r.err, c.err) << c.args[0];
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(FormulaVerb, ListsTheFormulasFilteredWithoutRegardToCase)
{
    const ToolRun all = run({"--liste"});
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 11);
    const ToolRun some = run({"--liste", "STATIK"});
    EXPECT_EQ(some.out, "Mechanik / Statik / Hebel\nMechanik / Statik / Bewegung\n");
}

// Every formula of the bundled collection whose main form carries sample values
// is computed in every re-arrangement by a formula window and by the tool; both
// must give the same text.
TEST(FormulaVerbBundled, GivesWhatTheWindowGivesForEveryFormula)
{
    const std::filesystem::path prefix = ::quillmar::testing::dataDir();
    SilentMessages silent;
    collection::CollectionTables tables;
    ASSERT_TRUE(tables.open(prefix, silent));
    engine::DefinitionStore store(silent);
    formula::FormulaWindowState window(formula::makeContext(tables, store, silent));

    int compared = 0;
    for (int node = 0; node < window.tree().size(); ++node) {
        if (window.tree().node(node).level != 2)
            continue;
        const formula::NavigationPosition p = window.tree().positionOf(node);
        window.onContentsSelection(node);
        // Sample values "Beispielwerte: V=15; T=8" of the main form.
        ASSERT_TRUE(tables.formulas.locate({{"INHALT", p.name}, {"GEBIET", p.area}, {"THEMA", p.topic}}));
        std::string sample = tables.formulas.asText("BEISPIEL");
        const auto colon = sample.find(':');
        if (colon == std::string::npos)
            continue;
        std::map<std::string, std::string> values;
        std::istringstream parts(sample.substr(colon + 1));
        for (std::string part; std::getline(parts, part, ';');) {
            const auto eq = part.find('=');
            if (eq != std::string::npos)
                values[text::upperAscii(text::trimBlanks(part.substr(0, eq)))] =
                    std::string(text::trimBlanks(part.substr(eq + 1)));
        }
        for (int form = 0; form < window.rearrangementCount(); ++form) {
            window.onContentsSelection(node);
            window.goToRearrangement(form);
            if (!window.computable())
                continue;
            std::vector<std::string> args = {p.name,        "--gebiet",          p.area, "--thema", p.topic,
                                             "--umformung", std::to_string(form)};
            bool complete = true;
            for (int i = 2; i <= window.quantityCount(); ++i) {
                const auto v = values.find(text::upperAscii(window.slot(i).variable));
                if (v != values.end()) {
                    window.setFieldText(i, v->second);
                    args.push_back(window.slot(i).variable + "=" + v->second);
                } else if (window.pages().slotControls[static_cast<std::size_t>(i - 1)].valueText.empty()) {
                    complete = false;
                }
            }
            if (!complete)
                continue;
            const formula::CalculationOutcome outcome = window.calculate();
            // The main form's result is a given value of the other forms.
            if (form == 0 && outcome.computed)
                values[text::upperAscii(window.slot(1).variable)] = window.resultText();
            std::ostringstream out, err;
            const ToolRun r{runFormulaVerbOnTables(tables, args, out, err), out.str(), err.str()};
            const std::string where = p.name + " / " + std::to_string(form);
            if (!outcome.computed) {
                EXPECT_EQ(r.status, 1) << where;
                continue;
            }
            const std::string unit = formula::plainUnitText(window.slot(1).shownUnit());
            EXPECT_EQ(r.status, 0) << where << ": " << r.err;
            EXPECT_EQ(r.out,
                      window.slot(1).variable + " = " + window.resultText() + (unit.empty() ? "" : " ") + unit + "\n")
                << where;
            ++compared;
        }
    }
    EXPECT_GT(compared, 200);
}

} // namespace
} // namespace quillmar::cli
