// The formula window: its file (.fff) and the copy of a window.
#include "formula/formula_window_state.h"

#include "collection/texts.h"
#include "formula/ini_document.h"
#include "formula/texts.h"
#include "support/file_io.h"
#include "support/text.h"

#include <algorithm>

namespace quillmar::formula {

namespace fk = filekeys;

namespace {

std::string slotKey(std::string_view name, int number) { return std::string(name) + std::to_string(number); }

} // namespace

void FormulaWindowState::setFileName(const std::filesystem::path& path)
{
    fileName_ = path.string();
    caption_ = path.filename().string();
}

SaveAction FormulaWindowState::saveAction() const
{
    if (fileName_.empty())
        return SaveAction::askName;
    const std::string extension = std::filesystem::path(fileName_).extension().string();
    return text::upperAscii(extension) == ".FFF" ? SaveAction::write : SaveAction::nothing;
}

bool FormulaWindowState::saveWindowFile(const std::filesystem::path& path, const WindowGeometry& geometry)
{
    IniDocument ini;
    const std::string_view f = fk::kSection;
    ini.set(f, fk::kVersion, fk::kVersionText);
    ini.set(f, fk::kWidth, geometry.width);
    ini.set(f, fk::kHeight, geometry.height);
    ini.set(f, fk::kTop, geometry.top.value_or(0));
    ini.set(f, fk::kLeft, geometry.left.value_or(0));
    ini.set(f, fk::kWindowState, geometry.state);
    ini.set(f, fk::kFormat, numberFormat_);
    ini.set(f, fk::kCount, count_);
    ini.set(f, fk::kRearrangement, rearrangementNumber_);
    ini.set(f, fk::kPage, static_cast<int>(activePage_));
    ini.set(f, fk::kContentsPage, contents_.page);
    ini.set(f, fk::kContentsWidth, contents_.width);
    ini.set(f, fk::kWidthMemory, contents_.widthMemory);
    ini.set(f, fk::kSearch, contents_.searchText);
    ini.set(f, fk::kTopic, position_.topic);
    ini.set(f, fk::kName, position_.name);
    ini.set(f, fk::kArea, position_.area);
    takeValues();
    for (int i = 1; i <= count_; ++i) {
        const QuantitySlot& s = slot(i);
        ini.set(f, slotKey(fk::kValue, i), s.value);
        ini.set(f, slotKey(fk::kFactor, i), s.factor);
        ini.set(f, slotKey(fk::kChosenUnit, i), s.chosenUnit);
        ini.set(f, slotKey(fk::kChosenUnitName, i), s.chosenUnitName);
    }
    ini.set(fk::kFormulaList, fk::kVisible, contents_.formulaListVisible ? 1 : 0);
    ini.set(fk::kTopicList, fk::kVisible, contents_.topicListVisible ? 1 : 0);
    ini.set(fk::kAreaList, fk::kVisible, contents_.areaListVisible ? 1 : 0);
    ini.set(fk::kBand, fk::kVisible, contents_.bandVisible ? 1 : 0);
    ini.set(fk::kPages, fk::kVisible, contents_.pagesVisible ? 1 : 0);

    // The file is replaced as a whole: a failed save leaves the old one intact.
    const std::string error = fileio::writeAtomically(path, text::encodeFileText(text::joinCrLf(ini.lines())));
    if (!error.empty()) {
        ctx_.messages.show(error);
        return false;
    }
    return true;
}

WindowFileOutcome FormulaWindowState::loadWindowFile(const std::filesystem::path& path)
{
    WindowFileOutcome outcome;
    setFileName(path);
    const auto bytes = fileio::readAll(fileio::resolveNoCase(path));
    const IniDocument ini = IniDocument::parse(bytes ? text::decodeFileText(*bytes) : std::string());
    const std::string_view f = fk::kSection;
    if (ini.text(f, fk::kVersion, fk::kMissingVersion) != fk::kVersionText) {
        ctx_.messages.show(std::string(texts::kFileMissingOrFaulty));
        return outcome;
    }
    outcome.ok = true;

    WindowGeometry geometry;
    geometry.state = ini.integer(f, fk::kWindowState, 0);
    if (geometry.state < 0 || geometry.state > 2)
        geometry.state = 0;
    if (geometry.state == 0) {
        geometry.width = ini.integer(f, fk::kWidth, fk::kDefaultSize);
        geometry.height = ini.integer(f, fk::kHeight, fk::kDefaultSize);
        if (ini.value(f, fk::kTop))
            geometry.top = ini.integer(f, fk::kTop, 0);
        if (ini.value(f, fk::kLeft))
            geometry.left = ini.integer(f, fk::kLeft, 0);
    }
    outcome.geometry = geometry;

    numberFormat_ = ini.text(f, fk::kFormat, fk::kFormatDefault);
    count_ = std::clamp(ini.integer(f, fk::kCount, 0), 0, kSlotCount);
    const int rearrangement = ini.integer(f, fk::kRearrangement, 0);
    position_.topic = ini.text(f, fk::kTopic, "");
    position_.name = ini.text(f, fk::kName, "");
    position_.area = ini.text(f, fk::kArea, "");
    contents_.searchText = ini.text(f, fk::kSearch, "");

    const int page = ini.integer(f, fk::kPage, 0);
    activePage_ = page >= 0 && page <= 2 ? static_cast<Page>(page) : Page::description;
    setContentsPage(ini.integer(f, fk::kContentsPage, 0));
    contents_.widthMemory = std::max(ini.integer(f, fk::kWidthMemory, fk::kDefaultContentsWidth), 0);
    contents_.width = std::max(ini.integer(f, fk::kContentsWidth, fk::kDefaultContentsWidth), 0);
    contents_.shown = contents_.width != 0;

    if (!position_.name.empty() && !showFormula()) {
        showFormulaGone();
        return outcome;
    }

    const auto visible = [&ini](std::string_view section) { return ini.integer(section, fk::kVisible, 1) != 0; };
    contents_.formulaListVisible = visible(fk::kFormulaList);
    if (contents_.formulaListVisible) {
        position_.name.clear();
        selectPositionNode();
    }
    contents_.topicListVisible = visible(fk::kTopicList);
    if (contents_.topicListVisible) {
        position_.topic.clear();
        position_.name.clear();
        selectPositionNode();
    }
    contents_.areaListVisible = visible(fk::kAreaList);
    if (contents_.areaListVisible) {
        contents_.heading = std::string(texts::kContentsHeading);
        position_ = {};
        showAreas();
    }
    contents_.bandVisible = visible(fk::kBand);
    contents_.pagesVisible = visible(fk::kPages);

    if (contents_.pagesVisible && !position_.name.empty()) {
        selectPositionNode();
        contents_.bandVisible = visible(fk::kBand);
        contents_.pagesVisible = true;
        if (locateFormula()) {
            rearrangementNumber_ = rearrangement >= 0 && rearrangement < rearrangementCount_ ? rearrangement : 0;
            ctx_.formulas.moveBy(rearrangementNumber_);
            loadRearrangement();
            highlightRearrangement(rearrangementNumber_);
            for (int i = 1; i <= count_; ++i) {
                QuantitySlot& s = slot(i);
                s.value = bounded(ini.text(f, slotKey(fk::kValue, i), fk::kValueDefault), kValueBound);
                s.factor = bounded(ini.text(f, slotKey(fk::kFactor, i), fk::kFactorDefault), kFactorBound);
                s.chosenUnit = bounded(ini.text(f, slotKey(fk::kChosenUnit, i), ""), kUnitBound);
                s.chosenUnitName = bounded(ini.text(f, slotKey(fk::kChosenUnitName, i), ""), kUnitNameBound);
            }
            refreshPages();
        }
        activePage_ = page >= 0 && page <= 2 ? static_cast<Page>(page) : Page::description;
        keepActivePageVisible();
    }
    return outcome;
}

// A position that names a formula the collection no longer holds: say so and
// show the areas instead of some other formula.
void FormulaWindowState::showFormulaGone()
{
    ctx_.messages.show(text::fillIn(texts::kFormulaGone, {position_.name, position_.area, position_.topic}));
    position_ = {};
    contents_.formulaListVisible = false;
    contents_.topicListVisible = false;
    contents_.bandVisible = false;
    contents_.pagesVisible = false;
    contents_.areaListVisible = true;
    contents_.heading = std::string(texts::kContentsHeading);
    contents_.selectedNode = -1;
    showAreas();
}

void FormulaWindowState::duplicateFrom(FormulaWindowState& source)
{
    source.takeValues();
    numberFormat_ = source.numberFormat_;
    count_ = source.count_;
    // The node of the same position: the copy's tree may be newer than the source's.
    if (source.contents_.selectedNode >= 0) {
        const NavigationPosition selected = source.tree_.positionOf(source.contents_.selectedNode);
        selectNode(tree_.find(selected));
    }
    contents_.searchText = source.contents_.searchText;
    position_ = source.position_;
    const bool shown = !position_.name.empty() && showFormula();
    contents_.width = source.contents_.width;
    contents_.widthMemory = source.contents_.widthMemory;
    contents_.shown = source.contents_.shown;
    if (!shown) {
        if (!position_.name.empty()) {
            showFormulaGone();
        } else {
            // The source shows one of the lists: so does the copy.
            const ContentsDisplay& from = source.contents_;
            contents_.heading = from.heading;
            contents_.areaListVisible = from.areaListVisible;
            contents_.topicListVisible = from.topicListVisible;
            contents_.formulaListVisible = from.formulaListVisible;
            contents_.bandVisible = from.bandVisible;
            contents_.pagesVisible = from.pagesVisible;
            contents_.areas = from.areas;
            contents_.topics = from.topics;
            contents_.formulas = from.formulas;
        }
        contents_.page = source.contents_.page;
        return;
    }
    if (locateFormula() && source.rearrangementNumber_ < rearrangementCount_) {
        rearrangementNumber_ = source.rearrangementNumber_;
        ctx_.formulas.moveBy(rearrangementNumber_);
        loadRearrangement();
        highlightRearrangement(rearrangementNumber_);
    }
    for (int i = 1; i <= std::min(source.count_, count_); ++i) {
        QuantitySlot& s = slot(i);
        const QuantitySlot& from = source.slot(i);
        s.value = from.value;
        s.factor = from.factor;
        s.chosenUnit = from.chosenUnit;
        s.chosenUnitName = from.chosenUnitName;
    }
    refreshPages();
    activePage_ = source.activePage_;
    keepActivePageVisible();
    contents_.page = source.contents_.page;
}

} // namespace quillmar::formula
