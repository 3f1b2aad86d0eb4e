// The contents tree, the lists on the right, navigation and search.
#include "formula/contents_tree.h"
#include "formula/formula_window_state.h"
#include "formula_fixture.h"

#include <gtest/gtest.h>

namespace quillmar::formula {
namespace {

using testing::FormulaWindowCore;

std::vector<std::string> flat(const ContentsTree& tree)
{
    std::vector<std::string> out;
    for (int i = 0; i < tree.size(); ++i)
        out.push_back(std::string(static_cast<std::size_t>(tree.node(i).level), '-') + tree.node(i).text);
    return out;
}

TEST_F(FormulaWindowCore, TreeHasOneNodePerRunOfAreaTopicAndFormula)
{
    const auto w = window();
    EXPECT_EQ(flat(w->tree()), (std::vector<std::string>{
                                   "Mechanik", "-Dynamik", "--Grundgesetz", "--Energie", "--Ohne Rechnung",
                                   "--Nach Umformung", "--Hebel", "-Statik", "--Hebel", "--Bewegung", "Trigonometrie",
                                   "-Dreieck", "--Kosinus", "--Unbekannt", "--Konstante", "-Viele", "--Zehn"}));
    const ContentsTree& t = w->tree();
    EXPECT_EQ(t.areas(), (std::vector<int>{0, 10}));
    EXPECT_EQ(t.node(1).children, (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(t.node(8).parent, 7);
    EXPECT_EQ(t.node(8).row, 0);
    EXPECT_EQ(t.positionOf(8), (NavigationPosition{"Mechanik", "Statik", "Hebel"}));
}

TEST_F(FormulaWindowCore, FormulaOfTheSameNameInTheNextTopicIsAFormulaOfItsOwn)
{
    const auto dynamik = showing("Mechanik", "Dynamik", "Hebel");
    EXPECT_EQ(dynamik->contents().selectedNode, 6);
    EXPECT_EQ(dynamik->rearrangementCount(), 1);
    EXPECT_EQ(dynamik->loadedFormula(), "F=m\\ma");
    const auto statik = showing("Mechanik", "Statik", "Hebel");
    EXPECT_EQ(statik->contents().selectedNode, 8);
    EXPECT_EQ(statik->rearrangementCount(), 1);
    EXPECT_EQ(statik->loadedFormula(), "m=\\f(F;a)");
}

TEST_F(FormulaWindowCore, SelectionShowsTheLevelOfItsNode)
{
    const auto w = window();
    w->onContentsSelection(0); // area
    const ContentsDisplay& c = w->contents();
    EXPECT_TRUE(c.topicListVisible);
    EXPECT_FALSE(c.areaListVisible || c.formulaListVisible || c.bandVisible || c.pagesVisible);
    EXPECT_EQ(c.heading, "Mechanik");
    EXPECT_EQ(c.topics, (std::vector<std::string>{"Dynamik", "Statik"}));
    EXPECT_EQ(w->position(), (NavigationPosition{"Mechanik", "", ""}));

    w->onContentsSelection(7); // topic
    EXPECT_TRUE(c.formulaListVisible);
    EXPECT_FALSE(c.areaListVisible || c.topicListVisible || c.bandVisible || c.pagesVisible);
    EXPECT_EQ(c.heading, "Mechanik  Statik");
    ASSERT_EQ(c.formulas.size(), 2u);
    EXPECT_EQ(c.formulas[0].name, "Hebel");
    EXPECT_EQ(c.formulas[0].formulaMarkup, "m=\\f(F;a)");
    EXPECT_FALSE(w->commands().rearrange);

    w->onContentsSelection(9); // formula
    EXPECT_TRUE(c.bandVisible && c.pagesVisible);
    EXPECT_FALSE(c.areaListVisible || c.topicListVisible || c.formulaListVisible);
    EXPECT_EQ(c.heading, "Mechanik  Statik  Bewegung");
    EXPECT_EQ(w->loadedName(), "Bewegung");
    EXPECT_TRUE(w->commands().rearrange);
}

TEST_F(FormulaWindowCore, ListClicksAndBackWalkTheLevels)
{
    const auto w = window();
    w->clickArea(1);
    EXPECT_EQ(w->contents().selectedNode, 10);
    EXPECT_EQ(w->contents().topics, (std::vector<std::string>{"Dreieck", "Viele"}));
    w->clickTopic(0);
    EXPECT_EQ(w->contents().selectedNode, 11);
    w->clickFormula(0);
    EXPECT_EQ(w->loadedName(), "Kosinus");
    EXPECT_TRUE(w->contents().pagesVisible);

    w->goBack(); // formula -> formula list of its topic
    EXPECT_TRUE(w->contents().formulaListVisible);
    EXPECT_EQ(w->contents().selectedNode, 11);
    w->goBack(); // -> topic list
    EXPECT_TRUE(w->contents().topicListVisible);
    EXPECT_EQ(w->contents().selectedNode, 10);
    w->goBack(); // -> area list, the area stays set
    EXPECT_TRUE(w->contents().areaListVisible);
    EXPECT_FALSE(w->contents().topicListVisible);
    EXPECT_EQ(w->contents().heading, "Inhalt");
    EXPECT_EQ(w->position().area, "Trigonometrie");
    // Clicking the same area again shows its topics again.
    w->clickArea(1);
    EXPECT_TRUE(w->contents().topicListVisible);
}

TEST_F(FormulaWindowCore, NextAndPreviousWalkTheFlatOrderAndWrap)
{
    const auto w = window();
    w->nextEntry(); // nothing selected: from the first node to the second
    EXPECT_EQ(w->contents().selectedNode, 1);
    w->previousEntry();
    EXPECT_EQ(w->contents().selectedNode, 0);
    w->previousEntry(); // stays on the first
    EXPECT_EQ(w->contents().selectedNode, 0);
    w->onContentsSelection(w->tree().size() - 1);
    w->nextEntry(); // from the last to the first
    EXPECT_EQ(w->contents().selectedNode, 0);
}

TEST_F(FormulaWindowCore, SearchFindsNodesInOrderAndReportsTheEnd)
{
    const auto w = window();
    w->setSearchText("hebel");
    w->search();
    EXPECT_EQ(w->contents().selectedNode, 6);
    w->searchNext();
    EXPECT_EQ(w->contents().selectedNode, 8);
    EXPECT_TRUE(messages_.shown.empty());
    w->searchNext(); // past the last match: the message, and the next search starts at the top
    EXPECT_EQ(messages_.shown, (std::vector<std::string>{"Ausdruck nicht gefunden"}));
    EXPECT_EQ(w->contents().selectedNode, 8);
    w->searchNext();
    EXPECT_EQ(w->contents().selectedNode, 6);

    // The only match is the last node: it is selected, the next search starts at
    // the top without a message.
    messages_.shown.clear();
    w->setSearchText("ZEHN");
    w->search();
    EXPECT_EQ(w->contents().selectedNode, w->tree().size() - 1);
    w->searchNext();
    EXPECT_EQ(w->contents().selectedNode, w->tree().size() - 1);
    EXPECT_TRUE(messages_.shown.empty());

    w->setSearchText("");
    w->search();
    EXPECT_EQ(messages_.shown.size(), 1u);
}

TEST(ContentsSearch, CapitalsOfAToZOnly)
{
    EXPECT_TRUE(containsIgnoringCase("Gleichförmige Bewegung", "BEWEGUNG"));
    EXPECT_TRUE(containsIgnoringCase("Übersetzung", "Über"));
    EXPECT_FALSE(containsIgnoringCase("Übersetzung", "über"));
    EXPECT_FALSE(containsIgnoringCase("abc", ""));
}

TEST_F(FormulaWindowCore, NodeOfAPositionNeedsItsWholePath)
{
    const auto w = window();
    const ContentsTree& t = w->tree();
    EXPECT_EQ(t.find({"Mechanik", "Statik", "Hebel"}), 8);
    EXPECT_EQ(t.find({"Mechanik", "Dynamik", ""}), 1);
    EXPECT_EQ(t.find({"Trigonometrie", "", ""}), 10);
    EXPECT_EQ(t.find({"Trigonometrie", "Statik", "Hebel"}), -1);
    EXPECT_EQ(t.find({"", "Statik", "Hebel"}), -1);
    EXPECT_EQ(t.find({"Dynamik", "", ""}), -1); // a topic is no area
    w->setPosition({"Nirgends", "", ""});
    w->selectPositionNode(); // no node: nothing changes
    EXPECT_EQ(w->contents().selectedNode, -1);
    EXPECT_TRUE(w->contents().areaListVisible);
}

TEST_F(FormulaWindowCore, HidingTheContentsRemembersItsWidth)
{
    const auto w = window();
    w->setContentsWidth(250);
    w->toggleContents();
    EXPECT_FALSE(w->contents().shown);
    EXPECT_EQ(w->contents().width, 0);
    EXPECT_EQ(w->contents().widthMemory, 250);
    w->toggleContents();
    EXPECT_TRUE(w->contents().shown);
    EXPECT_EQ(w->contents().width, 250);
    // Dragged to nothing while shown: showing again restores a usable width.
    w->setContentsWidth(2);
    w->toggleContents();
    w->toggleContents();
    EXPECT_EQ(w->contents().width, 160);
}

TEST_F(FormulaWindowCore, RefillingTheTreeKeepsThePosition)
{
    const auto w = grundgesetz();
    formulas_.append();
    formulas_.setText("GEBIET", "Zusatz");
    formulas_.setText("THEMA", "Neu");
    formulas_.setText("INHALT", "Neue Formel");
    formulas_.setInteger("myNr", 1000);
    formulas_.post();
    w->fillContents();
    EXPECT_EQ(w->tree().areas().size(), 3u);
    EXPECT_EQ(w->contents().selectedNode, -1);
    w->selectPositionNode();
    EXPECT_EQ(w->contents().selectedNode, 2);
}

} // namespace
} // namespace quillmar::formula
