// The formula window: creation, loading a record and filling the pages.
#include "formula/formula_window_state.h"

#include "collection/collection_tables.h"
#include "collection/picture_field.h"
#include "collection/table_layouts.h"
#include "collection/texts.h"
#include "conversion/unit_tables.h"
#include "engine/number_texts.h"
#include "formula/example_line.h"
#include "formula/quantity_lookup.h"
#include "formula/texts.h"
#include "support/text.h"

namespace quillmar::formula {

namespace {

// The part of a formula before its first "=": the quantity the record solves for.
std::string leftSide(const std::string& formel)
{
    const std::size_t eq = formel.find('=');
    return eq == std::string::npos ? formel : formel.substr(0, eq);
}

} // namespace

FormulaWindowState::FormulaWindowState(FormulaContext context, bool docked)
    : ctx_(std::move(context)), docked_(docked), numberFormat_(engine::texts::defaultPattern)
{
    if (!ctx_.pictureLoads)
        ctx_.pictureLoads = pictureFileExists;
    contents_.bandVisible = false;
    contents_.pagesVisible = false;
    fillContents();
    contents_.heading = std::string(texts::kContentsHeading);
    contents_.areaListVisible = true;
    showAreas();
}

void FormulaWindowState::setDocked(bool docked)
{
    if (docked_ == docked)
        return;
    docked_ = docked;
    refreshPages();
}

// --- loading ---

void FormulaWindowState::loadRecord()
{
    collection::Table& formulas = ctx_.formulas;
    area_ = formulas.asText("GEBIET");
    formel_ = formulas.asText("FORMEL");
    topic_ = formulas.asText("THEMA");
    name_ = formulas.asText("INHALT");
    rechnung_ = formulas.asText("RECHNUNG");
    const collection::PicturePlacement placement = collection::splitPictureField(formulas.asText("GRAFIK"));
    grafik_ = placement.fileName;
    pictureLeft_ = placement.left;
    pictureTop_ = placement.top;

    pages_.formulaMarkup = formel_;
    pages_.nameMarkup = name_;
    caption_ = area_ + " " + topic_;

    slots_.fill(QuantitySlot{});
    const std::vector<std::int64_t> numbers = collection::quantityNumbers(formulas);
    count_ = static_cast<int>(numbers.size());
    collection::Table& quantities = ctx_.quantities;
    for (int i = 0; i < count_; ++i) {
        QuantitySlot& s = slots_[static_cast<std::size_t>(i)];
        const std::int64_t nr = numbers[static_cast<std::size_t>(i)];
        if (!locateQuantity(quantities, nr)) {
            // Nothing of another record is taken: the slot says what is missing.
            s.known = false;
            s.name = text::fillIn(texts::kUnknownQuantity, {std::to_string(nr)});
            continue;
        }
        s.name = bounded(quantities.asText("GROESSE"), kNameBound);
        s.symbol = bounded(quantities.asText("SYMBOL"), kSymbolBound);
        s.unit = bounded(quantities.asText("EINHEIT"), kUnitBound);
        s.unitName = bounded(quantities.asText("NAMEEINHEI"), kUnitNameBound);
        s.derivation = bounded(quantities.asText("ABLEITUNG"), kDerivationBound);
        s.variable = bounded(quantities.asText("RECHENVARI"), kVariableBound);
        s.tableFile = bounded(text::trimBlanks(quantities.asText("DATEI")), kTableFileBound);
        s.value = bounded(quantities.asText("KONSTANTE"), kValueBound);
    }
    for (SlotDisplay& d : pages_.slotControls)
        d.unitChoices.clear();

    pages_.picture = PictureDisplay{};
    if (!grafik_.empty()) {
        const std::filesystem::path file = collection::picturePath(ctx_.prefix, grafik_);
        if (ctx_.pictureLoads(file))
            pages_.picture.file = file;
        else
            grafik_.clear(); // a picture that cannot be shown is dropped silently
    }

    for (int i = 1; i <= count_; ++i)
        loadUnitChoices(i);
    refreshPages();
}

void FormulaWindowState::loadUnitChoices(int number)
{
    QuantitySlot& s = slot(number);
    SlotDisplay& d = pages_.slotControls[static_cast<std::size_t>(number - 1)];
    d.unitChooserText = s.unitName;
    if (s.tableFile.empty())
        return;
    std::filesystem::path file{s.tableFile};
    file.replace_extension(".cds");
    s.tableFile = bounded(file.string(), kTableFileBound);
    std::vector<conversion::Unit> units;
    const std::filesystem::path path = collection::unitTableFile(ctx_.prefix, s.tableFile);
    if (std::string error = conversion::loadUnits(path, units); !error.empty()) {
        // The formula still shows; the quantity offers no other unit.
        ctx_.messages.show(error);
        s.tableFile.clear();
        return;
    }
    if (!units.empty())
        s.direction = bounded(units.front().factor, kDirectionBound);
    d.unitChoices.reserve(units.size());
    for (const conversion::Unit& u : units)
        d.unitChoices.push_back(u.name);
}

bool FormulaWindowState::computable() const
{
    if (rechnung_.empty())
        return false;
    for (int i = 1; i <= count_; ++i)
        if (!slot(i).known)
            return false;
    return true;
}

bool FormulaWindowState::recordComputable()
{
    if (ctx_.formulas.asText("RECHNUNG").empty())
        return false;
    for (std::int64_t nr : collection::quantityNumbers(ctx_.formulas))
        if (!quantityRecord(ctx_.quantities, nr))
            return false;
    return true;
}

bool FormulaWindowState::locateFormula()
{
    collection::Table& formulas = ctx_.formulas;
    if (!formulas.locate({{"INHALT", position_.name}, {"GEBIET", position_.area}, {"THEMA", position_.topic}}))
        return false;
    // The run of a formula: its records follow each other in the same area and
    // topic under the same name.
    const auto areaField = formulas.fieldIndex("GEBIET");
    const auto topicField = formulas.fieldIndex("THEMA");
    const auto nameField = formulas.fieldIndex("INHALT");
    const std::size_t first = formulas.recNo() - 1;
    const collection::Record& head = formulas.record(first);
    std::size_t end = first + 1;
    while (end < formulas.recordCount()) {
        const collection::Record& r = formulas.record(end);
        if (r[*nameField] != head[*nameField] || r[*areaField] != head[*areaField] ||
            r[*topicField] != head[*topicField])
            break;
        ++end;
    }
    rearrangementCount_ = static_cast<int>(end - first);
    return true;
}

bool FormulaWindowState::showFormula()
{
    if (!locateFormula())
        return false;
    collection::Table& formulas = ctx_.formulas;
    pages_.rearrangementCaptions.clear();
    message_ = recordComputable() ? std::string() : std::string(texts::kNoCalculation);
    for (int k = 0; k < rearrangementCount_; ++k) {
        if (!message_.empty() && recordComputable())
            message_ = std::string(texts::kCalculationAfterRearranging);
        if (k < kRearrangementButtons)
            pages_.rearrangementCaptions.push_back(leftSide(formulas.asText("FORMEL")));
        formulas.next();
    }
    pages_.messageLabel = message_;
    highlightRearrangement(0);
    rearrangementNumber_ = 0;
    locateFormula();
    loadRecord();
    return true;
}

void FormulaWindowState::highlightRearrangement(int number)
{
    pages_.highlightedRearrangement = number < kRearrangementButtons ? number : -1;
}

void FormulaWindowState::takeValues()
{
    for (int i = 2; i <= count_; ++i)
        slot(i).value = bounded(pages_.slotControls[static_cast<std::size_t>(i - 1)].valueText, kValueBound);
}

void FormulaWindowState::setFieldText(int number, std::string text)
{
    if (number < 1 || number > kSlotCount)
        return;
    pages_.slotControls[static_cast<std::size_t>(number - 1)].valueText = std::move(text);
}

// --- the pages ---

void FormulaWindowState::refreshPages()
{
    const bool canCompute = computable();
    pages_.calculationTabVisible = canCompute;
    pages_.exampleTabVisible = false;
    commands_.calculate = canCompute;
    commands_.calcWindow = canCompute;
    commands_.calculationPage = canCompute;
    commands_.examplePage = false;
    pages_.messageLabel = canCompute ? std::string() : message_;
    pages_.resultFieldVisible = true;

    for (int i = 1; i <= kSlotCount; ++i) {
        SlotDisplay& d = pages_.slotControls[static_cast<std::size_t>(i - 1)];
        const bool inUse = i <= count_;
        d.descriptionVisible = inUse;
        d.calculationVisible = inUse && canCompute;
        if (!inUse) {
            d.description.clear();
            d.symbolLabel.clear();
            d.unitLabel.clear();
            d.valueText.clear();
            d.unitChooserText.clear();
            d.unitChoiceIndex = -1;
            d.unitChooserVisible = false;
            continue;
        }
        const QuantitySlot& s = slot(i);
        d.description = s.symbol + " " + s.name + " " + s.unit;
        if (!s.derivation.empty())
            d.description += "=" + s.derivation;
        d.symbolLabel = s.symbol + "=";
        d.unitLabel = s.shownUnit();
        d.valueText = s.value;
        d.unitChooserText = s.shownUnitName();
        d.unitChoiceIndex = -1;
        for (std::size_t k = 0; k < d.unitChoices.size(); ++k) {
            if (d.unitChoices[k] == d.unitChooserText) {
                d.unitChoiceIndex = static_cast<int>(k);
                break;
            }
        }
        d.unitChooserVisible = d.calculationVisible && !s.tableFile.empty();
    }

    if (!grafik_.empty()) {
        pages_.picture.left = pictureLeft_;
        pages_.picture.top = pictureTop_ == -1 ? 0 : pictureTop_;
        pages_.picture.visible = true;
    } else {
        pages_.picture.visible = false;
    }
    buildExample();
    if (docked_)
        applyDockedRules();
    keepActivePageVisible();
}

void FormulaWindowState::buildExample()
{
    const std::string& resultText = pages_.slotControls[0].valueText;
    const bool hasResult = !resultText.empty() && computable();
    if (hasResult) {
        commands_.examplePage = true;
        pages_.exampleTabVisible = !docked_;
        std::vector<ExampleGiven> givens;
        for (int i = 2; i <= count_; ++i)
            givens.push_back(
                {slot(i).symbol, pages_.slotControls[static_cast<std::size_t>(i - 1)].valueText + slot(i).shownUnit()});
        pages_.exampleMarkup = buildExampleLine(formel_, givens, resultText, slot(1).shownUnit());
    } else {
        pages_.exampleMarkup = std::string(texts::kNoResult);
    }
    for (int i = 1; i <= kSlotCount; ++i) {
        SlotDisplay& d = pages_.slotControls[static_cast<std::size_t>(i - 1)];
        d.exampleListLineVisible = i <= count_ && hasResult;
        if (i > count_) {
            d.exampleListLine.clear();
            continue;
        }
        const QuantitySlot& s = slot(i);
        if (i == 1)
            d.exampleListLine = s.name + " " + s.symbol + " " + s.shownUnit();
        else
            d.exampleListLine = s.name + " " + s.symbol + " = " + d.valueText + s.shownUnit();
    }
}

// The docked window shows the formula for the spreadsheet: no result field, no
// example, the page "Rechnung" in front, and the main window's "Einfügen" only
// for a formula that can be computed.
void FormulaWindowState::applyDockedRules()
{
    pages_.resultFieldVisible = false;
    pages_.exampleTabVisible = false;
    pages_.insertEnabled = computable();
    pages_.calculationTabVisible = pages_.insertEnabled;
    // The values to insert are typed on the page "Rechnung": it comes to the front.
    if (pages_.insertEnabled)
        activePage_ = Page::calculation;
    if (pages_.messageLabel == texts::kNoCalculation)
        pages_.messageLabel = std::string(texts::kNoInsertion);
    else if (pages_.messageLabel == texts::kCalculationAfterRearranging)
        pages_.messageLabel = std::string(texts::kInsertionAfterRearranging);
}

void FormulaWindowState::keepActivePageVisible()
{
    if (activePage_ == Page::example && !pages_.exampleTabVisible)
        activePage_ = pages_.calculationTabVisible ? Page::calculation : Page::description;
    if (activePage_ == Page::calculation && !pages_.calculationTabVisible)
        activePage_ = Page::description;
}

void FormulaWindowState::setActivePage(Page page)
{
    activePage_ = page;
    if (page == Page::example)
        pages_.exampleTabVisible = true;
    if (page == Page::calculation)
        pages_.calculationTabVisible = true;
}

bool FormulaWindowState::calculateMenuEnabled() const
{
    return commands_.calculate && activePage_ == Page::calculation;
}

bool FormulaWindowState::calcWindowMenuEnabled() const
{
    return commands_.calcWindow && activePage_ == Page::calculation;
}

void FormulaWindowState::enableFormulaCommands()
{
    commands_.descriptionPage = true;
    commands_.rearrange = true;
    commands_.calcWindow = true;
    commands_.spreadsheet = true;
    commands_.html = true;
}

void FormulaWindowState::disableFormulaCommands()
{
    commands_.rearrange = false;
    commands_.descriptionPage = false;
    commands_.calculationPage = false;
    commands_.examplePage = false;
    commands_.calculate = false;
    commands_.calcWindow = false;
    commands_.spreadsheet = false;
}

int automaticPictureLeft(const std::vector<int>& descriptionWidths)
{
    int left = 0;
    for (int width : descriptionWidths)
        if (width > left)
            left = width + 65;
    return left;
}

std::filesystem::path helpPage(const std::filesystem::path& prefix) { return prefix / "hilfe" / "index.htm"; }

} // namespace quillmar::formula
