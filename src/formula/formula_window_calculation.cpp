// The formula window: computing the result, switching re-arrangements and
// choosing units.
#include "formula/formula_window_state.h"

#include "collection/collection_tables.h"
#include "collection/table_layouts.h"
#include "conversion/unit_tables.h"
#include "engine/evaluate_line.h"
#include "engine/number_format.h"
#include "formula/quantity_lookup.h"
#include "formula/texts.h"
#include "support/text.h"

namespace quillmar::formula {

CalculationOutcome FormulaWindowState::calculate() { return runCalculation(false); }

CalculationOutcome FormulaWindowState::calculateIntoCalcWindow() { return runCalculation(true); }

// Hands one line to the evaluator. On failure the window's message is shown.
bool FormulaWindowState::evaluate(std::string line, Real& value, bool& computed, CalculationOutcome& outcome)
{
    if (!engine::evaluateLine(ctx_.store, line, value)) {
        outcome.message = std::string(texts::kFaultyInput);
        ctx_.messages.show(outcome.message);
        return false;
    }
    computed = !line.empty();
    return true;
}

// The window hands the evaluator one line per step: the given values (and their
// conversion from a chosen unit into the base unit), the calculation text, the
// conversion of the result into its chosen unit and the query for it. The lines,
// with a comment naming quantity and unit before each, also make the program that
// "Rechnenfenster" writes into a new calculation window.
CalculationOutcome FormulaWindowState::runCalculation(bool intoCalcWindow)
{
    CalculationOutcome out;
    out.calcWindowRequested = intoCalcWindow;
    const auto write = [&](std::string line) {
        if (intoCalcWindow)
            out.calcWindowLines.push_back(std::move(line));
    };
    if (!computable()) {
        out.message = message_.empty() ? std::string(texts::kNoCalculation) : message_;
        ctx_.messages.show(out.message);
        return out;
    }

    pages_.slotControls[0].valueText.clear();
    slot(1).value.clear();
    Real value = 0;
    bool computed = false;
    for (int i = 2; i <= count_; ++i) {
        QuantitySlot& s = slot(i);
        const std::string& x = s.variable;
        s.value = bounded(pages_.slotControls[static_cast<std::size_t>(i - 1)].valueText, kValueBound);
        if (s.value.empty()) {
            out.message = std::string(texts::kEnterValues);
            ctx_.messages.show(out.message);
            return out;
        }
        if (s.hasChosenUnit()) {
            const std::string typed = x + "1=" + s.value;
            if (!evaluate(typed, value, computed, out))
                return out;
            write(";" + x + "1 = " + s.name + " - " + s.chosenUnitName);
            write(typed);
            const std::string base = x + "=" + x + "1" + (s.multipliesIntoBase() ? "*" : "/") + s.factor;
            if (!evaluate(base, value, computed, out))
                return out;
            write(";" + x + " = " + s.name + " - " + s.unitName);
            write(base);
        } else {
            const std::string typed = x + "=" + s.value;
            if (!evaluate(typed, value, computed, out))
                return out;
            write(";" + x + " = " + s.name + " - " + s.unitName);
            write(typed);
        }
    }
    if (!evaluate(rechnung_, value, computed, out))
        return out;

    QuantitySlot& result = slot(1);
    const std::string& x = result.variable;
    if (result.hasChosenUnit()) {
        const std::string converted = x + "1=" + x + (result.multipliesIntoBase() ? "/" : "*") + result.factor;
        if (!evaluate(converted, value, computed, out))
            return out;
        write(";" + x + " = " + result.name + " - " + result.unitName);
        write(rechnung_);
        write(converted);
        if (!evaluate(x + "1=", value, computed, out))
            return out;
        if (computed) {
            const std::string formatted = engine::formatNumber(numberFormat_, value);
            pages_.slotControls[0].valueText = formatted;
            result.value = bounded(formatted, kValueBound);
            write(";" + x + "1= " + result.name + " - " + result.chosenUnitName);
            write(x + "1=");
            write(formatted);
            out.computed = true;
        }
    } else {
        if (!evaluate(x + "=", value, computed, out))
            return out;
        if (computed) {
            const std::string formatted = engine::formatNumber(numberFormat_, value);
            pages_.slotControls[0].valueText = formatted;
            result.value = bounded(formatted, kValueBound);
            write(";" + x + " = " + result.name + " - " + result.unitName);
            write(rechnung_);
            write(x + "=");
            write(formatted);
            out.computed = true;
        }
    }
    buildExample();
    if (docked_)
        applyDockedRules();
    return out;
}

// --- re-arrangements ---

void FormulaWindowState::nextRearrangement()
{
    if (rearrangementCount_ <= 0)
        return;
    goToRearrangement(rearrangementNumber_ < rearrangementCount_ - 1 ? rearrangementNumber_ + 1 : 0);
}

void FormulaWindowState::chooseRearrangement(int button)
{
    if (button < 0 || button >= kRearrangementButtons)
        return;
    goToRearrangement(button);
}

void FormulaWindowState::goToRearrangement(int number)
{
    if (number < 0 || !locateFormula() || number >= rearrangementCount_)
        return;
    rearrangementNumber_ = number;
    ctx_.formulas.moveBy(number);
    highlightRearrangement(number);
    loadRearrangement();
}

std::vector<RearrangementInfo> FormulaWindowState::rearrangements()
{
    std::vector<RearrangementInfo> list;
    if (!locateFormula())
        return list;
    collection::Table& formulas = ctx_.formulas;
    for (int k = 0; k < rearrangementCount_; ++k) {
        RearrangementInfo info;
        const std::string formel = formulas.asText("FORMEL");
        info.leftSide = formel.substr(0, formel.find('='));
        const auto numbers = collection::quantityNumbers(formulas);
        if (!numbers.empty() && locateQuantity(ctx_.quantities, numbers.front())) {
            info.resultVariable = ctx_.quantities.asText("RECHENVARI");
            info.resultName = ctx_.quantities.asText("GROESSE");
        }
        list.push_back(std::move(info));
        formulas.next();
    }
    locateFormula();
    return list;
}

void FormulaWindowState::loadRearrangement()
{
    takeValues();
    savedCount_ = count_;
    for (int i = 1; i <= count_; ++i) {
        const QuantitySlot& s = slot(i);
        saved_[static_cast<std::size_t>(i - 1)] =
            SavedSlot{s.symbol, s.unitName, s.value, s.chosenUnitName, s.chosenUnit, s.factor};
    }
    loadRecord();
    // A quantity keeps its value and unit whatever part it plays in the new form.
    for (int i = 1; i <= count_; ++i) {
        QuantitySlot& s = slot(i);
        if (s.symbol.empty())
            continue;
        for (int j = 0; j < savedCount_; ++j) {
            const SavedSlot& kept = saved_[static_cast<std::size_t>(j)];
            if (kept.symbol != s.symbol)
                continue;
            s.factor = kept.factor;
            s.unitName = kept.unitName;
            s.chosenUnit = kept.chosenUnit;
            s.chosenUnitName = kept.chosenUnitName;
            s.value = kept.value;
            break;
        }
    }
    refreshPages();
}

// --- units ---

void FormulaWindowState::chooseUnit(int number, int listIndex)
{
    if (number < 1 || number > count_)
        return;
    QuantitySlot& s = slot(number);
    const SlotDisplay& d = pages_.slotControls[static_cast<std::size_t>(number - 1)];
    if (s.tableFile.empty() || listIndex < 0 || listIndex >= static_cast<int>(d.unitChoices.size()))
        return;
    const std::string chosen = d.unitChoices[static_cast<std::size_t>(listIndex)];
    // The table is read anew: the collection editor may have changed it.
    std::vector<conversion::Unit> units;
    const std::filesystem::path path = collection::unitTableFile(ctx_.prefix, s.tableFile);
    if (std::string error = conversion::loadUnits(path, units); !error.empty()) {
        ctx_.messages.show(error);
        return;
    }
    const conversion::Unit* unit = nullptr;
    if (listIndex < static_cast<int>(units.size()) && units[static_cast<std::size_t>(listIndex)].name == chosen)
        unit = &units[static_cast<std::size_t>(listIndex)];
    for (std::size_t k = 0; !unit && k < units.size(); ++k)
        if (units[k].name == chosen)
            unit = &units[k];
    if (!unit)
        return;
    // Values typed so far stay; they are read in the new unit from now on.
    takeValues();
    s.chosenUnitName = bounded(unit->name, kUnitNameBound);
    s.chosenUnit = bounded(unit->symbol, kUnitBound);
    s.factor = text::trimBlanks(unit->factor) == "-1" ? std::string("1") : bounded(unit->factor, kFactorBound);
    refreshPages();
}

} // namespace quillmar::formula
