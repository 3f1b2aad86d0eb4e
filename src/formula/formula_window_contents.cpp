// The formula window: the contents tree, the lists on the right, navigation and
// search. The tree is the master: every list click and every step back sets the
// navigation position and selects its node, and the reaction to the selection
// decides what the window shows.
#include "formula/formula_window_state.h"

#include "collection/field.h"
#include "formula/texts.h"

namespace quillmar::formula {

namespace {

std::string textOf(const collection::Record& record, std::optional<std::size_t> field)
{
    if (!field)
        return {};
    if (const auto* t = std::get_if<collection::Text>(&record[*field]))
        return t->str();
    return collection::valueText(record[*field]);
}

bool sameText(const collection::Record& record, std::optional<std::size_t> field, std::string_view text)
{
    if (!field)
        return text.empty();
    if (const auto* t = std::get_if<collection::Text>(&record[*field]))
        return t->view() == text;
    return collection::valueText(record[*field]) == text;
}

std::string joinHeading(std::initializer_list<std::string_view> parts)
{
    std::string out;
    for (std::string_view p : parts) {
        if (!out.empty())
            out += texts::kHeadingSeparator;
        out += p;
    }
    return out;
}

} // namespace

void FormulaWindowState::fillContents()
{
    tree_.fill(ctx_.formulas);
    contents_.selectedNode = -1;
    searchPosition_ = 0;
}

void FormulaWindowState::selectNode(int node)
{
    if (node < 0 || node >= tree_.size())
        return;
    onContentsSelection(node);
}

void FormulaWindowState::onContentsSelection(int node)
{
    if (node < 0 || node >= tree_.size())
        return;
    contents_.selectedNode = node;
    position_ = tree_.positionOf(node);
    switch (tree_.node(node).level) {
    case 0:
        contents_.formulaListVisible = false;
        contents_.areaListVisible = false;
        contents_.bandVisible = false;
        contents_.pagesVisible = false;
        contents_.topicListVisible = true;
        contents_.heading = position_.area;
        showTopics();
        disableFormulaCommands();
        break;
    case 1:
        contents_.formulaListVisible = true;
        contents_.topicListVisible = false;
        contents_.areaListVisible = false;
        contents_.bandVisible = false;
        contents_.pagesVisible = false;
        contents_.heading = joinHeading({position_.area, position_.topic});
        showFormulas();
        disableFormulaCommands();
        break;
    default:
        contents_.bandVisible = true;
        contents_.pagesVisible = true;
        enableFormulaCommands();
        contents_.formulaListVisible = false;
        contents_.topicListVisible = false;
        contents_.areaListVisible = false;
        contents_.heading = joinHeading({position_.area, position_.topic, position_.name});
        showFormula();
        break;
    }
}

void FormulaWindowState::selectPositionNode() { selectNode(tree_.find(position_)); }

void FormulaWindowState::showAreas()
{
    disableFormulaCommands();
    contents_.areas.clear();
    const collection::Table& formulas = ctx_.formulas;
    const auto areaField = formulas.fieldIndex("GEBIET");
    const collection::Record* previous = nullptr;
    for (const collection::Record& r : formulas.records()) {
        if (!previous || !sameText(*previous, areaField, textOf(r, areaField)))
            contents_.areas.push_back(textOf(r, areaField));
        previous = &r;
    }
}

void FormulaWindowState::showTopics()
{
    contents_.topics.clear();
    const collection::Table& formulas = ctx_.formulas;
    const auto areaField = formulas.fieldIndex("GEBIET");
    const auto topicField = formulas.fieldIndex("THEMA");
    bool inArea = false;
    const collection::Record* previous = nullptr;
    for (const collection::Record& r : formulas.records()) {
        const bool here = sameText(r, areaField, position_.area);
        if (inArea && !here)
            break;
        if (!here)
            continue;
        inArea = true;
        if (!previous || !sameText(*previous, topicField, textOf(r, topicField)))
            contents_.topics.push_back(textOf(r, topicField));
        previous = &r;
    }
}

void FormulaWindowState::showFormulas()
{
    contents_.formulas.clear();
    const collection::Table& formulas = ctx_.formulas;
    const auto areaField = formulas.fieldIndex("GEBIET");
    const auto topicField = formulas.fieldIndex("THEMA");
    const auto nameField = formulas.fieldIndex("INHALT");
    const auto formulaField = formulas.fieldIndex("FORMEL");
    bool inTopic = false;
    const collection::Record* previous = nullptr;
    for (const collection::Record& r : formulas.records()) {
        // The run of the topic ends where the area or the topic changes.
        const bool here = sameText(r, areaField, position_.area) && sameText(r, topicField, position_.topic);
        if (inTopic && !here)
            break;
        if (!here)
            continue;
        inTopic = true;
        if (!previous || !sameText(*previous, nameField, textOf(r, nameField)))
            contents_.formulas.push_back({textOf(r, nameField), textOf(r, formulaField)});
        previous = &r;
    }
}

void FormulaWindowState::clickArea(int index)
{
    if (index < 0 || index >= static_cast<int>(contents_.areas.size()))
        return;
    position_ = {contents_.areas[static_cast<std::size_t>(index)], {}, {}};
    selectPositionNode();
}

void FormulaWindowState::clickTopic(int index)
{
    if (index < 0 || index >= static_cast<int>(contents_.topics.size()))
        return;
    position_.topic = contents_.topics[static_cast<std::size_t>(index)];
    position_.name.clear();
    selectPositionNode();
}

void FormulaWindowState::clickFormula(int index)
{
    if (index < 0 || index >= static_cast<int>(contents_.formulas.size()))
        return;
    position_.name = contents_.formulas[static_cast<std::size_t>(index)].name;
    selectPositionNode();
}

void FormulaWindowState::goBack()
{
    const bool area = !position_.area.empty();
    const bool topic = !position_.topic.empty();
    const bool name = !position_.name.empty();
    if (area && topic && name) {
        position_.name.clear();
        selectPositionNode();
    } else if (area && topic) {
        position_.topic.clear();
        selectPositionNode();
    } else if (area) {
        contents_.formulaListVisible = false;
        contents_.topicListVisible = false;
        contents_.bandVisible = false;
        contents_.pagesVisible = false;
        contents_.areaListVisible = true;
        contents_.heading = std::string(texts::kContentsHeading);
        showAreas();
    }
}

void FormulaWindowState::nextEntry()
{
    if (tree_.empty())
        return;
    const int current = contents_.selectedNode < 0 ? 0 : contents_.selectedNode;
    selectNode(current + 1 < tree_.size() ? current + 1 : 0);
}

void FormulaWindowState::previousEntry()
{
    if (tree_.empty())
        return;
    const int current = contents_.selectedNode < 0 ? 0 : contents_.selectedNode;
    selectNode(current < 2 ? 0 : current - 1);
}

void FormulaWindowState::setSearchText(std::string text) { contents_.searchText = std::move(text); }

void FormulaWindowState::search()
{
    searchPosition_ = 0;
    searchNext();
}

void FormulaWindowState::searchNext()
{
    const int found = tree_.search(contents_.searchText, searchPosition_);
    if (found < 0) {
        searchPosition_ = 0;
        ctx_.messages.show(std::string(texts::kNotFound));
        return;
    }
    searchPosition_ = found + 1;
    if (searchPosition_ >= tree_.size())
        searchPosition_ = 0;
    selectNode(found);
}

void FormulaWindowState::toggleContents()
{
    contents_.shown = !contents_.shown;
    if (contents_.shown) {
        if (contents_.widthMemory < 5)
            contents_.widthMemory = kRestoredContentsWidth;
        contents_.width = contents_.widthMemory;
    } else {
        contents_.widthMemory = contents_.width;
        contents_.width = 0;
    }
}

void FormulaWindowState::setContentsWidth(int width) { contents_.width = std::max(width, 0); }

// The contents panel has one page; an index that names none counts as that one.
void FormulaWindowState::setContentsPage(int) { contents_.page = 0; }

} // namespace quillmar::formula
