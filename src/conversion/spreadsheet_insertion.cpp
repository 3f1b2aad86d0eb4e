#include "conversion/spreadsheet_insertion.h"

#include "conversion/texts.h"
#include "engine/number_format.h"
#include "engine/number_parse.h"
#include "spreadsheet/commands.h"
#include "spreadsheet/dialect.h"
#include "support/text.h"

#include <algorithm>
#include <cmath>

namespace quillmar::conversion {

namespace {

namespace ctexts = conversion::texts;

constexpr const char* kInputLabel = "Eingabe:";
constexpr const char* kResultLabel = "Ergebnis:";
constexpr const char* kArrow = "->";
constexpr const char* kMacroNewPage = "neueseite";
constexpr const char* kMacroInput = "eingabe";

// Where the block goes (conversionTarget).
enum Target { NewWorkbook = 0, NewSheet = 1, CurrentSheet = 2, ReplaceValue = 3 };

// The spreadsheet computes with 15 significant digits; a factor text closer than
// this to the factor is exact for it.
constexpr Real kFactorTolerance = 5e-15L;

int unitPosition(int position)
{
    return position < 0 ? conversion::ConversionState::kDefaultUnit : position;
}

} // namespace

std::string cellNumberText(std::string_view text, spreadsheet::Dialect dialect)
{
    return spreadsheet::numberForCell(text::trimBlanks(text), dialect);
}

std::string factorText(Real k, std::string_view pattern, spreadsheet::Dialect dialect)
{
    // A separator that no pattern produces marks the thousands, which a formula
    // must not contain.
    constexpr char kMark = '\x01';
    std::string text = engine::formatNumber(pattern, k, engine::NumberSeparators{',', kMark});
    text.erase(std::remove(text.begin(), text.end(), kMark), text.end());
    // The spreadsheet must compute the value the window shows: a pattern that
    // drops digits of the factor (1/3,6 as 0,278) gives way to all of them.
    const auto back = engine::parseNumber(text, engine::NumberSeparators{',', kMark});
    if (!back || std::fabs(*back - k) > std::fabs(k) * kFactorTolerance)
        text = engine::formatGeneral(k);
    return cellNumberText(text, dialect);
}

std::string insertIntoSpreadsheet(spreadsheet::Link& link, const conversion::ConversionState& state, std::string_view valueText,
                            const settings::Options& options, spreadsheet::Dialect dialect,
                            const std::filesystem::path& prefix)
{
    // Everything that could make a wrong block is checked before Excel is addressed.
    Real k = 0;
    if (std::string error = state.factor(k); !error.empty())
        return error;
    const std::string_view value = text::trimBlanks(valueText);
    if (!engine::parseNumber(value))
        return text::fillIn(ctexts::kValueNotANumber, {value});

    const auto& units = state.units();
    const conversion::Unit& from = units[unitPosition(state.fromUnit())];
    const conversion::Unit& to = units[unitPosition(state.toUnit())];
    const bool formatted = options.conversionContent == 0;

    link.setOffsets(0, 0);
    link.prepare();
    switch (options.conversionTarget) {
    case NewSheet:
        link.conversation().execute(std::string(spreadsheet::commands::kInsertWorksheet));
        break;
    case CurrentSheet:
        link.readSelection();
        break;
    case ReplaceValue:
        link.readSelection();
        link.conversation().putCell(link.rowOffset() + 1, link.columnOffset() + 1, cellNumberText(state.resultText(), dialect), dialect);
        break;
    default:
        link.conversation().execute(std::string(spreadsheet::commands::kNewWorkbook));
        break;
    }
    const int r = link.rowOffset();
    const int c = link.columnOffset();
    spreadsheet::Conversation& excel = link.conversation();
    if (formatted) {
        excel.openMacroBook((prefix / "daten" / "makro.xls").string(), true);
        excel.runMacro(kMacroNewPage);
        excel.putCell(r + 2, c + 2, kInputLabel, dialect);
        excel.putCell(r + 1, c + 1, from.name + kArrow + to.name, dialect);
        excel.putCell(r + 3, c + 1, from.name, dialect);
        excel.putCell(r + 3, c + 3, from.symbol, dialect);
        excel.putCell(r + 5, c + 1, to.name, dialect);
        excel.putCell(r + 5, c + 3, to.symbol, dialect);
        excel.putCell(r + 4, c + 2, kResultLabel, dialect);
    }
    excel.putCell(r + 3, c + 2, cellNumberText(value, dialect), dialect);
    excel.putCell(r + 5, c + 2,
                  "=" + spreadsheet::relativeReference(-2, 0, dialect) + "*" + factorText(k, options.factorPattern, dialect),
                  dialect);
    if (formatted) {
        const std::string cell = spreadsheet::absoluteReference(r + 3, c + 2, dialect);
        excel.execute(spreadsheet::commands::select(cell + ":" + cell));
        excel.runMacro(kMacroInput);
    }
    excel.restoreWindow();
    return {};
}

TakenValue readValueFromSpreadsheet(spreadsheet::Link& link, spreadsheet::Dialect dialect)
{
    link.readSelection();
    std::string text = link.conversation().getCell(link.rowOffset() + 1, link.columnOffset() + 1);
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        text.resize(text.size() - 2);
    TakenValue taken;
    const std::string number = spreadsheet::numberFromCell(text::trimBlanks(text), dialect);
    if (number.empty())
        taken.error = std::string(ctexts::kCellEmpty);
    else if (!engine::parseNumber(number))
        taken.error = text::fillIn(ctexts::kCellNotANumber, {text});
    else
        taken.text = number;
    return taken;
}

} // namespace quillmar::conversion
