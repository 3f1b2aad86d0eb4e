#include "conversion/conversion_state.h"

#include "collection/table_file.h"
#include "collection/table_layouts.h"
#include "conversion/direction_rule.h"
#include "conversion/texts.h"
#include "engine/number_format.h"
#include "engine/number_parse.h"
#include "support/file_io.h"
#include "support/text.h"

#include <cmath>
#include <system_error>

namespace quillmar::conversion {

namespace fs = std::filesystem;
using text::fillIn;

ConversionState::ConversionState() : list_(collection::makeQuantityList()), unitTable_(collection::makeUnitTable({}))
{
}

std::string ConversionState::loadQuantityList(const fs::path& prefix)
{
    prefix_ = prefix;
    quantities_.clear();
    clearUnits();
    resultText_.clear();
    markup_.clear();
    const fs::path file = quantityListFile(prefix);
    collection::Table loaded;
    std::string error = collection::loadTable(file, loaded);
    if (error.empty()) {
        std::vector<QuantityEntry> entries;
        error = quantityEntries(loaded, file, entries);
        if (error.empty()) {
            list_ = std::move(loaded);
            quantities_ = std::move(entries);
        }
    }
    if (!error.empty())
        list_.clearRecords();
    list_.first();
    followListCursor();
    return error;
}

void ConversionState::clearUnits()
{
    chosen_ = -1;
    units_.clear();
    from_ = kDefaultUnit;
    to_ = kDefaultUnit;
}

std::string ConversionState::chooseQuantity(int index)
{
    clearUnits();
    resultText_.clear();
    markup_.clear();
    if (index < 0 || index >= static_cast<int>(quantities_.size()))
        return std::string(texts::kNoQuantityChosen);
    const fs::path file = collection::unitTableFile(prefix_, quantities_[index].datei);
    if (std::string error = loadUnits(file, units_); !error.empty())
        return error;
    chosen_ = index;
    return {};
}

std::string ConversionState::factor(Real& k) const
{
    if (chosen_ < 0)
        return std::string(texts::kNoQuantityChosen);
    if (units_.size() < 2)
        return fillIn(texts::kTooFewUnits, {quantities_[chosen_].name});
    const int count = static_cast<int>(units_.size());
    const int from = from_ < 0 ? kDefaultUnit : from_;
    const int to = to_ < 0 ? kDefaultUnit : to_;
    if (from >= count || to >= count)
        return std::string(texts::kNoSuchUnit);
    const FactorResult result = conversionFactor(units_[0].factor, units_[from].factor, units_[to].factor);
    if (!result.ok())
        return result.error;
    if (!std::isfinite(result.value) || result.value == 0)
        return std::string(texts::kResultTooLarge);
    k = result.value;
    return {};
}

Conversion ConversionState::convert(std::string_view valueText, std::string_view pattern)
{
    Conversion c;
    const std::string_view text = text::trimBlanks(valueText);
    const auto x = engine::parseNumber(text);
    if (!x) {
        c.error = fillIn(texts::kValueNotANumber, {text});
        return c;
    }
    Real k = 0;
    if (c.error = factor(k); !c.error.empty())
        return c;
    c.value = *x * k;
    if (!std::isfinite(c.value)) {
        c.error = std::string(texts::kResultTooLarge);
        return c;
    }
    c.resultText = engine::formatNumber(pattern, c.value);
    const int from = from_ < 0 ? kDefaultUnit : from_;
    const int to = to_ < 0 ? kDefaultUnit : to_;
    c.markup = std::string(text) + " " + units_[from].symbol + " = " + c.resultText + " " + units_[to].symbol;
    resultText_ = c.resultText;
    markup_ = c.markup;
    return c;
}

void ConversionState::followListCursor()
{
    unitTableOpen_ = false;
    unitTablePath_.clear();
    collection::Table loaded;
    if (!list_.isEmpty() && list_.recNo() > 0 && list_.fieldCount() >= 3) {
        const std::string datei = list_.asText(std::size_t{1});
        if (!text::trimBlanks(datei).empty()) {
            const fs::path file = collection::unitTableFile(prefix_, datei);
            if (collection::loadTable(file, loaded).empty() && loaded.fieldCount() >= 3) {
                unitTable_ = std::move(loaded);
                unitTable_.first();
                unitTablePath_ = file;
                unitTableOpen_ = true;
                return;
            }
        }
    }
    // Closed: no fields, no records.
    unitTable_ = collection::Table();
}

std::string ConversionState::createUnitTable(std::string_view quantityName, std::string_view fileName,
                                             std::string_view variable)
{
    const std::string_view name = text::trimBlanks(quantityName);
    const std::string_view file = text::trimBlanks(fileName);
    if (name.empty())
        return std::string(texts::kNoQuantityName);
    if (file.empty())
        return std::string(texts::kNoFileName);
    if (file.find_first_of("/\\:") != std::string_view::npos || file == "." || file == "..")
        return fillIn(texts::kFileNameWithFolder, {file});
    const fs::path target = collection::unitTableFile(prefix_, file);
    std::error_code ec;
    if (fs::exists(fileio::resolveNoCase(target), ec))
        return std::string(texts::kFileExists);

    collection::Table table = collection::makeUnitTable(target.stem().string());
    if (std::string error = collection::saveTable(target, table); !error.empty())
        return error;

    // The list gets its entry only together with the table; when the list cannot
    // be written, the new file goes again, so nothing is left half made.
    collection::Table before = list_;
    list_.append();
    std::string error = list_.setText("DATEI", target.filename().string());
    if (error.empty())
        error = list_.setText("Groesse", name);
    if (error.empty())
        error = list_.setText("Variable", text::trimBlanks(variable));
    if (error.empty())
        error = collection::saveTable(quantityListFile(prefix_), list_);
    if (!error.empty()) {
        list_ = std::move(before);
        fs::remove(target, ec);
        return error;
    }
    refreshQuantities();
    followListCursor();
    return {};
}

std::string ConversionState::saveQuantityList()
{
    if (std::string error = collection::saveTable(quantityListFile(prefix_), list_); !error.empty())
        return error;
    refreshQuantities();
    return {};
}

std::string ConversionState::saveUnitTable()
{
    if (!unitTableOpen_)
        return std::string(texts::kNoUnitTableOpen);
    if (std::string error = collection::saveTable(unitTablePath_, unitTable_); !error.empty())
        return error;
    refreshQuantities();
    return {};
}

void ConversionState::refreshQuantities()
{
    const std::string chosenFile = chosen_ >= 0 ? quantities_[chosen_].datei : std::string();
    std::vector<QuantityEntry> entries;
    quantityEntries(list_, quantityListFile(prefix_), entries);
    quantities_ = std::move(entries);
    const int from = from_;
    const int to = to_;
    clearUnits();
    resultText_.clear();
    markup_.clear();
    if (chosenFile.empty())
        return;
    for (std::size_t i = 0; i < quantities_.size(); ++i) {
        if (quantities_[i].datei == chosenFile) {
            if (chooseQuantity(static_cast<int>(i)).empty()) {
                // The same table again: keep the user's pair while it still exists.
                if (from < static_cast<int>(units_.size()))
                    from_ = from;
                if (to < static_cast<int>(units_.size()))
                    to_ = to;
            }
            return;
        }
    }
}

} // namespace quillmar::conversion
