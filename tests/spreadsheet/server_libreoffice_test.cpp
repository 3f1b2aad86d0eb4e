// Blocks of both formula dialects written into the built-in spreadsheet, saved
// as .xlsx and recomputed by LibreOffice: every cell must agree with what the
// server computed, to 12 significant digits. One workbook holds everything,
// because each LibreOffice run takes seconds.
#include "spreadsheet/server/xlsx_export.h"
#include "spreadsheet/conversation.h"
#include "server_fixture.h"
#include "doubles/test_paths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace quillmar::spreadsheet::server {
namespace {

using testing::TempFolder;

// The server driven the way the program drives it: through the link component.
struct LinkedServer {
    SpreadsheetServer server;
    Conversation link{std::make_unique<ServerTransport>(server)};
    LinkedServer() { link.connect(); }
};

struct Cell {
    int row;
    int column;
    std::string text;
};
Cell put(std::string text, int row, int column) { return {row, column, std::move(text)}; }

// A formula block as the formula insertion writes it (Excel XP dialect): v = s / t
// with s given in kilometres, plus a unit conversion block below it.
void writeGermanBlocks(Conversation& link, const std::filesystem::path& macroBook)
{
    link.openMacroBook(macroBook.string(), true);
    link.runMacro("neueseite");
    const std::vector<Cell> cells = {
        put("Geschwindigkeit", 1, 1), put("Eingabe:", 2, 2),
        put("Weg(s)", 3, 1), put("12,5", 3, 2), put("Kilometer-km", 3, 3),
        put("=Z(0)S(-2)*1000", 3, 4), put("Meter-m", 3, 5),
        put("Zeit(t)", 4, 1), put("2,5", 4, 2), put("Sekunde-s", 4, 3),
        put("Ergebnis:", 5, 2), put("Geschwindigkeit(v)", 6, 1),
        put("=Z(-3)S(2)/Z(-2)S(0)", 6, 2), put("Meter pro Sekunde-m/s", 6, 3),
        put("=Z(0)S(-2)/3,6", 6, 4), put("Kilometer pro Stunde-km/h", 6, 5),
        // conversion block: value, factor formula
        put("Zoll->Zentimeter", 9, 1), put("Zoll", 11, 1), put("7,25", 11, 2), put("in", 11, 3),
        put("Zentimeter", 13, 1), put("=Z(-2)S*2,540", 13, 2), put("cm", 13, 3),
        put("Grad Celsius", 14, 1), put("=Z(-3)S*0,001", 14, 2),
    };
    for (const auto& cell : cells)
        link.putCell(cell.row, cell.column, cell.text, Dialect::excelXP);
    link.execute("[SELECT(\"Z3S2:Z4S2\")]");
    link.runMacro("eingabe");
    link.execute("[SELECT(\"Z16S1\")]");
    link.runMacro("grafikeinfuegen");
}

struct FunctionCase {
    const char* german;
    const char* english;
    const char* argument;
};

// Every function of the sheet, each with an argument inside its domain, then
// operators, decimal commas and the error values.
const FunctionCase kFunctions[] = {
    {"=WURZEL(Z(0)S(-1))", "=SQRT(R[0]C[-1])", "2"},
    {"=FAKULTÄT(Z(0)S(-1))", "=FACT(R[0]C[-1])", "12"},
    {"=Fakultät(ZS(-1))", "=fact(RC[-1])", "5,7"},
    {"=ARCSIN(Z(0)S(-1))", "=ASIN(R[0]C[-1])", "0,3"},
    {"=ARCCOS(Z(0)S(-1))", "=ACOS(R[0]C[-1])", "-0,7"},
    {"=ARCTAN(Z(0)S(-1))", "=ATAN(R[0]C[-1])", "4,2"},
    {"=ARCCOT(Z(0)S(-1))", "=ACOT(R[0]C[-1])", "0,8"},
    {"=LN(Z(0)S(-1))", "=LN(R[0]C[-1])", "123,456"},
    {"=LOG10(Z(0)S(-1))", "=LOG10(R[0]C[-1])", "0,00042"},
    {"=EXP(Z(0)S(-1))", "=EXP(R[0]C[-1])", "-3,3"},
    {"=SIN(Z(0)S(-1))", "=SIN(R[0]C[-1])", "1,1"},
    {"=COS(Z(0)S(-1))", "=COS(R[0]C[-1])", "2,2"},
    {"=TAN(Z(0)S(-1))", "=TAN(R[0]C[-1])", "0,7"},
    {"=COT(Z(0)S(-1))", "=COT(R[0]C[-1])", "0,4"},
    {"=ABS(Z(0)S(-1))", "=ABS(R[0]C[-1])", "-9,75"},
    {"=VORZEICHEN(Z(0)S(-1))", "=SIGN(R[0]C[-1])", "-0,1"},
    {"=GRAD(Z(0)S(-1))", "=DEGREES(R[0]C[-1])", "1,3"},
    {"=BOGENMASS(Z(0)S(-1))", "=RADIANS(R[0]C[-1])", "47,5"},
    {"=GANZZAHL(Z(0)S(-1))", "=INT(R[0]C[-1])", "-2,5"},
    {"=PI()*Z(0)S(-1)", "=PI()*R[0]C[-1]", "2"},
    {"=-Z(0)S(-1)^2", "=-R[0]C[-1]^2", "3"},
    {"=2^Z(0)S(-1)^2", "=2^R[0]C[-1]^2", "3"},
    {"=Z(0)S(-1)*50%+1,5e-3", "=R[0]C[-1]*50%+1.5E-3", "8"},
    {"=(Z(0)S(-1)+0,1)*(2-0,5)/3", "=(R[0]C[-1]+0.1)*(2-0.5)/3", "1,2"},
    {"=WURZEL(Z(0)S(-1))+Fakultät(3)-arccos(0,5)", "=SQRT(R[0]C[-1])+Fact(3)-acos(0.5)", "10"},
    {"=Z(0)S(-1)/0", "=R[0]C[-1]/0", "1"},
    {"=WURZEL(Z(0)S(-1))", "=SQRT(R[0]C[-1])", "-4"},
    {"=ARCSIN(Z(0)S(-1))", "=ASIN(R[0]C[-1])", "1,5"},
    {"=Sqr(Z(0)S(-1))", "=Sqr(R[0]C[-1])", "4"},
    {"=Z(0)S(-1)*t2", "=R[0]C[-1]*t2", "4"},
};

void writeFunctionTable(Conversation& link, Dialect dialect)
{
    const bool german = dialect == Dialect::excelXP;
    int row = 1;
    for (const FunctionCase& f : kFunctions) {
        std::string argument = f.argument;
        if (!german)
            std::replace(argument.begin(), argument.end(), ',', '.');
        link.putCell(row, 1, argument, dialect);
        link.putCell(row, 2, german ? f.german : f.english, dialect);
        ++row;
    }
    // Cells that depend on one another and a cycle.
    link.putCell(row + 1, 2, german ? "=Z(-1)S(1)*2" : "=R[-1]C[1]*2", dialect);
    link.putCell(row, 3, german ? "=ZS(-1)+1" : "=RC[-1]+1", dialect);
    link.putCell(row + 5, 1, german ? "=ZS(1)" : "=RC[1]", dialect);
    link.putCell(row + 5, 2, german ? "=ZS(-1)" : "=RC[-1]", dialect);
}

std::vector<std::vector<std::string>> readCsv(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    const std::string text = all.str();
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (ch == '"') {
                quoted = false;
            } else {
                field += ch;
            }
        } else if (ch == '"') {
            quoted = true;
        } else if (ch == ',') {
            rows.back().push_back(field);
            field.clear();
        } else if (ch == '\n') {
            rows.back().push_back(field);
            field.clear();
            rows.emplace_back();
        } else if (ch != '\r') {
            field += ch;
        }
    }
    if (!field.empty() || !rows.back().empty())
        rows.back().push_back(field);
    return rows;
}

bool sameTo12Digits(double ours, double theirs)
{
    if (ours == theirs)
        return true;
    const double scale = std::max(std::fabs(ours), std::fabs(theirs));
    return std::fabs(ours - theirs) <= scale * 1e-12;
}

void compareSheet(const Sheet& sheet, const std::filesystem::path& csv, int& compared)
{
    const auto rows = readCsv(csv);
    for (const CellAddress& at : sheet.usedCells()) {
        const CellValue ours = sheet.value(at);
        std::string theirs;
        if (at.row - 1 < static_cast<int>(rows.size()) && at.column - 1 < static_cast<int>(rows[at.row - 1].size()))
            theirs = rows[at.row - 1][at.column - 1];
        const std::string where = sheet.name() + "!" + formatZS(at) + " " + sheet.input(at);
        switch (ours.kind) {
        case CellValue::Kind::number: {
            char* end = nullptr;
            const double value = std::strtod(theirs.c_str(), &end);
            EXPECT_TRUE(!theirs.empty() && *end == '\0' && sameTo12Digits(ours.number, value))
                << where << ": Server " << ours.number << ", LibreOffice \"" << theirs << "\"";
            break;
        }
        case CellValue::Kind::text:
            EXPECT_EQ(ours.text, theirs) << where;
            break;
        case CellValue::Kind::error:
            // LibreOffice writes errors as #NAME?, #DIV/0! or Err:5xx.
            EXPECT_TRUE(theirs.rfind('#', 0) == 0 || theirs.rfind("Err:", 0) == 0)
                << where << ": Server " << displayText(ours) << ", LibreOffice \"" << theirs << "\"";
            if (ours.error == CellError::name || ours.error == CellError::divByZero) {
                EXPECT_EQ(fileErrorCode(ours.error), theirs) << where;
            }
            break;
        case CellValue::Kind::empty:
            break;
        }
        ++compared;
    }
}

TEST(ServerLibreOffice, EveryCellAgreesWithLibreOffice)
{
    const std::filesystem::path recalc = quillmar::testing::sourceDir() / "scripts" / "recalc-workbook";
    ASSERT_TRUE(std::filesystem::exists(recalc)) << recalc;
    const std::filesystem::path data = quillmar::testing::dataDir();

    LinkedServer s;
    testing::FakeClipboard clipboard;
    clipboard.image = ClipboardImage{testing::kRedSquarePng, 2, 2};
    s.server.setClipboard(&clipboard);
    s.link.execute("[New(1)]");
    writeGermanBlocks(s.link, std::filesystem::path(data) / "daten" / "makro.xls");
    s.link.execute("[WORKBOOK.INSERT(1)]");
    writeFunctionTable(s.link, Dialect::excelXP);
    s.link.execute("[WORKBOOK.INSERT(1)]");
    writeFunctionTable(s.link, Dialect::older);
    // The link reads back what the server computed.
    EXPECT_EQ(s.link.getCell(1, 2), "1,4142135623731\r\n");

    TempFolder folder("quillmar-libreoffice");
    const Workbook& book = *s.server.findWorkbook("Mappe2");
    ASSERT_EQ(saveXlsx(book, folder.path / "Mappe2.xlsx"), "");
    const std::string command = "bash \"" + recalc.string() + "\" \"" + (folder.path / "Mappe2.xlsx").string() + "\" \"" +
                                (folder.path / "csv").string() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    int compared = 0;
    for (const auto& sheet : book.sheets) {
        const auto csv = folder.path / "csv" / ("Mappe2-" + sheet->name() + ".csv");
        ASSERT_TRUE(std::filesystem::exists(csv)) << csv;
        compareSheet(*sheet, csv, compared);
    }
    // Guards against a vacuous pass: both function tables and the blocks were read.
    EXPECT_GE(compared, static_cast<int>(4 * std::size(kFunctions)));
}

} // namespace
} // namespace quillmar::spreadsheet::server
