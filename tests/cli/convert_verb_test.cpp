// The command-line tool `quillmar umrechnen`, on a small data folder and on the
// bundled unit tables.
#include "cli/convert_verb.h"
#include "conversion/unit_fixture.h"
#include "doubles/test_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

namespace {

struct VerbRun {
    int status;
    std::string out;
    std::string err;
};

VerbRun convert(std::vector<std::string> args)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = quillmar::cli::runConvertVerb(args, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(ConvertVerb, ConvertsBetweenUnitsNamedByNameOrSymbol)
{
    quillmar::conversion::testing::UnitFolder folder;
    folder.standard();
    const std::string data = folder.prefix().string();
    struct Case {
        std::vector<std::string> args;
        const char* out;
    };
    const Case cases[] = {
        {{"5", "km", "m", "--daten", data, "--format", "0"}, "5 km = 5000 m\n"},
        {{"--daten", data, "2", "KILOMETER", "mm"}, "2 KILOMETER = 2000000,000 mm\n"},
        {{"5", "G", "Hundertstel", "--daten", data, "--format", "0"}, "5 G = 500 Hundertstel\n"},
    };
    for (const auto& c : cases) {
        const VerbRun run = convert(c.args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, c.out);
    }
}

TEST(ConvertVerb, UnknownAmbiguousAndUnrelatedUnitsListTheCandidates)
{
    quillmar::conversion::testing::UnitFolder folder;
    folder.standard();
    const std::string data = folder.prefix().string();
    struct Case {
        std::vector<std::string> args;
        int status;
        std::vector<std::string> errParts;
    };
    const Case cases[] = {
        {{"1", "Meile", "m", "--daten", data}, 1, {"Die Einheit \"Meile\" ist in keiner Umrechnungstabelle enthalten."}},
        {{"1", "meter", "kilo", "--daten", data}, 1, {"\"kilo\"", "Ähnliche Einheiten:", "  Kilometer (km, Größe Strecke)"}},
        {{"1", "Grund", "g", "--daten", data},
         1,
         {"Die Einheit \"Grund\" ist mehrdeutig", "  Grund (g, Größe Schief)", "  Grund (g, Größe Unlesbar)"}},
        {{"1", "m", "H", "--daten", data}, 1, {"gehören zu keiner gemeinsamen Größe", "Hundertstel (H, Größe Kehrwert)"}},
        {{"1", "g", "k", "--daten", data}, 1, {"\"zwei\" ist kein gültiger Umrechnungsfaktor."}},
        {{"eins", "m", "km", "--daten", data}, 1, {"\"eins\" ist keine Zahl"}},
        {{"1", "m", "--daten", data}, 2, {"Aufruf: quillmar umrechnen"}},
        {{"1", "m", "km", "--format"}, 2, {"Nach --format fehlt das Zahlenformat."}},
        {{"1", "m", "km", "--runden"}, 2, {"Unbekannte Angabe: --runden"}},
    };
    for (const auto& c : cases) {
        const VerbRun run = convert(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out, "");
        for (const auto& part : c.errParts)
            EXPECT_NE(run.err.find(part), std::string::npos) << run.err;
    }
}

TEST(ConvertVerb, BundledTables)
{
    const std::string data = quillmar::testing::dataDir().string();
    struct Case {
        std::vector<std::string> args;
        const char* out;
    };
    // Symbols, and either part of a name such as "Zoll (inch)".
    const Case cases[] = {
        {{"1", "in", "cm"}, "1 in = 2,54 cm\n"},
        {{"1", "Zoll", "mm"}, "1 Zoll = 25,40 mm\n"},
        {{"1", "inch", "Zentimeter"}, "1 inch = 2,54 Zentimeter\n"},
    };
    for (const auto& c : cases) {
        auto args = c.args;
        args.insert(args.end(), {"--daten", data, "--format", "0.00"});
        const VerbRun run = convert(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, c.out);
    }
}

} // namespace
