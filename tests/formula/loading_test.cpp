// Showing a formula: its record and quantities loaded into the slots, the pages
// and the enabled commands described for the widgets.
#include "formula/formula_window_state.h"
#include "formula/texts.h"
#include "formula_fixture.h"

#include <gtest/gtest.h>

namespace quillmar::formula {
namespace {

using testing::FormulaWindowCore;

TEST_F(FormulaWindowCore, NewWindowShowsTheAreaListWithFormulaCommandsDisabled)
{
    const auto w = window();
    const ContentsDisplay& c = w->contents();
    EXPECT_TRUE(c.areaListVisible);
    EXPECT_FALSE(c.topicListVisible || c.formulaListVisible || c.bandVisible || c.pagesVisible);
    EXPECT_EQ(c.heading, "Inhalt");
    EXPECT_EQ(c.areas, (std::vector<std::string>{"Mechanik", "Trigonometrie"}));
    EXPECT_EQ(c.width, 300);
    EXPECT_EQ(c.widthMemory, 300);
    EXPECT_TRUE(c.shown);
    EXPECT_EQ(w->numberFormat(), "0.000");
    const CommandStates& k = w->commands();
    EXPECT_FALSE(k.rearrange || k.calculate || k.calcWindow || k.descriptionPage || k.calculationPage ||
                 k.examplePage || k.html || k.spreadsheet);
}

TEST_F(FormulaWindowCore, ShowingAFormulaLoadsItsMainFormSlotsAndButtons)
{
    const auto w = grundgesetz();
    EXPECT_EQ(w->caption(), "Mechanik Dynamik");
    EXPECT_EQ(w->rearrangementCount(), 3);
    EXPECT_EQ(w->rearrangementNumber(), 0);
    const PagesDisplay& p = w->pages();
    EXPECT_EQ(p.nameMarkup, "Grundgesetz");
    EXPECT_EQ(p.formulaMarkup, "F=m\\ma");
    EXPECT_EQ(p.rearrangementCaptions, (std::vector<std::string>{"F", "m", "a"}));
    EXPECT_EQ(p.highlightedRearrangement, 0);
    EXPECT_EQ(p.messageLabel, "");
    EXPECT_TRUE(p.calculationTabVisible);
    EXPECT_FALSE(p.exampleTabVisible);

    ASSERT_EQ(w->quantityCount(), 3);
    EXPECT_EQ(w->slot(1).variable, "F");
    EXPECT_EQ(w->slot(2).tableFile, "masse.cds"); // the extension is always .cds
    EXPECT_EQ(w->slot(3).tableFile, "");
    EXPECT_EQ(p.slotControls[0].description, "F Kraft N");
    EXPECT_EQ(p.slotControls[2].description, "a Beschleunigung m/s\\u(2)=N/kg");
    EXPECT_EQ(p.slotControls[1].symbolLabel, "m=");
    EXPECT_EQ(p.slotControls[1].unitLabel, "kg");
    EXPECT_EQ(p.slotControls[1].unitChooserText, "Kilogramm");
    EXPECT_EQ(p.slotControls[1].unitChoices, (std::vector<std::string>{"Kilogramm", "Gramm", "Tonne"}));
    EXPECT_EQ(p.slotControls[1].unitChoiceIndex, 0);
    for (std::size_t i = 0; i < p.slotControls.size(); ++i) {
        EXPECT_EQ(p.slotControls[i].descriptionVisible, i < 3) << i;
        EXPECT_EQ(p.slotControls[i].calculationVisible, i < 3) << i;
        EXPECT_EQ(p.slotControls[i].unitChooserVisible, i < 2) << i; // slot 3 has no unit table
    }

    const CommandStates& k = w->commands();
    EXPECT_TRUE(k.rearrange && k.calculate && k.calcWindow && k.descriptionPage && k.calculationPage && k.html &&
                k.spreadsheet);
    EXPECT_FALSE(k.examplePage);
    // The menu items of the calculation need the page "Rechnung" in front.
    EXPECT_FALSE(w->calculateMenuEnabled());
    w->setActivePage(Page::calculation);
    EXPECT_TRUE(w->calculateMenuEnabled());
    EXPECT_TRUE(w->calcWindowMenuEnabled());
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(FormulaWindowCore, PresetOfAQuantityStandsInItsValueField)
{
    const auto w = showing("Mechanik", "Dynamik", "Energie");
    EXPECT_EQ(w->pages().slotControls[2].valueText, "299792458");
    EXPECT_EQ(w->slot(3).value, "299792458");
}

TEST_F(FormulaWindowCore, MessageTellsWhetherAnyFormOfTheFormulaComputes)
{
    struct Case {
        const char* name;
        const char* message;
        const char* dockedLabel;
        bool insert;
    };
    const Case cases[] = {
        {"Grundgesetz", "", "", true},
        {"Ohne Rechnung", "Keine Rechung möglich!", "Einfügen in Excel nicht möglich", false},
        {"Nach Umformung", "Rechnung nach Umformung möglich!", "Einfügen in Excel nach Umformung möglich!", false},
    };
    for (const Case& c : cases) {
        const auto free = showing("Mechanik", "Dynamik", c.name);
        EXPECT_EQ(free->pages().messageLabel, c.message) << c.name;
        EXPECT_EQ(free->pages().calculationTabVisible, c.insert) << c.name;
        EXPECT_EQ(free->commands().calculate, c.insert) << c.name;
        EXPECT_TRUE(free->pages().resultFieldVisible);

        const auto docked = showing("Mechanik", "Dynamik", c.name, true);
        EXPECT_EQ(docked->pages().messageLabel, c.dockedLabel) << c.name;
        EXPECT_EQ(docked->pages().insertEnabled, c.insert) << c.name;
        EXPECT_EQ(docked->pages().calculationTabVisible, c.insert) << c.name;
        EXPECT_FALSE(docked->pages().resultFieldVisible);
        EXPECT_FALSE(docked->pages().exampleTabVisible);
        EXPECT_EQ(docked->activePage(), c.insert ? Page::calculation : Page::description);
    }
}

TEST_F(FormulaWindowCore, FormulaWithTenRearrangementsShowsEightButtons)
{
    const auto w = showing("Trigonometrie", "Viele", "Zehn");
    EXPECT_EQ(w->rearrangementCount(), 10);
    ASSERT_EQ(w->pages().rearrangementCaptions.size(), 8u);
    EXPECT_EQ(w->pages().rearrangementCaptions[7], "x7");
    for (int k = 1; k < 10; ++k)
        w->nextRearrangement();
    EXPECT_EQ(w->rearrangementNumber(), 9);
    EXPECT_EQ(w->loadedFormula(), "x9=F");
    EXPECT_EQ(w->pages().highlightedRearrangement, -1); // no button for it
    w->nextRearrangement();
    EXPECT_EQ(w->rearrangementNumber(), 0);
    EXPECT_EQ(w->pages().highlightedRearrangement, 0);
}

TEST_F(FormulaWindowCore, QuantityNumberWithoutRecordIsShownAsUnknownAndCannotCompute)
{
    const auto w = showing("Trigonometrie", "Dreieck", "Unbekannt");
    ASSERT_EQ(w->quantityCount(), 3);
    EXPECT_EQ(w->slot(3).name, "unbekannte Größe 99");
    EXPECT_EQ(w->slot(3).symbol, ""); // nothing of another record
    EXPECT_EQ(w->slot(3).variable, "");
    EXPECT_FALSE(w->slot(3).known);
    EXPECT_FALSE(w->computable());
    EXPECT_EQ(w->pages().messageLabel, "Keine Rechung möglich!");
    EXPECT_FALSE(w->pages().calculationTabVisible);
    EXPECT_FALSE(w->pages().slotControls[0].calculationVisible);
    EXPECT_TRUE(w->pages().slotControls[2].descriptionVisible);

    const CalculationOutcome outcome = w->calculate();
    EXPECT_FALSE(outcome.computed);
    EXPECT_EQ(messages_.shown, (std::vector<std::string>{"Keine Rechung möglich!"}));
}

TEST_F(FormulaWindowCore, PictureIsPlacedByItsPositionsOrRightOfTheDescription)
{
    folder_.picture("Kurve.png");
    struct Case {
        const char* grafik;
        bool visible;
        int left;
        int top;
    };
    const Case cases[] = {
        {"bild", true, -1, 0},             // .bmp added, automatic place
        {"Kurve.png#10#20", true, 10, 20}, // placed
        {"Kurve.png#10", true, -1, 0},     // a single position places nothing
        {"Kurve.png#x#20", true, -1, 0},   // a bad left position leaves both automatic
        {"Kurve.png#10#y", true, 10, 0},   // a bad top position only the top
        {"fehlt.bmp", false, -1, 0},       // a picture that cannot be loaded is dropped
    };
    for (const Case& c : cases) {
        formulas_.first();
        formulas_.setText("GRAFIK", c.grafik);
        formulas_.post();
        const auto w = grundgesetz();
        const PictureDisplay& p = w->pages().picture;
        EXPECT_EQ(p.visible, c.visible) << c.grafik;
        if (c.visible) {
            EXPECT_EQ(p.left, c.left) << c.grafik;
            EXPECT_EQ(p.top, c.top) << c.grafik;
            EXPECT_TRUE(std::filesystem::exists(p.file)) << c.grafik;
        } else {
            EXPECT_EQ(w->loadedPicture(), "") << c.grafik;
        }
    }
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(automaticPictureLeft({}), 0);
    EXPECT_EQ(automaticPictureLeft({100, 50, 300, 330}), 365);
}

TEST_F(FormulaWindowCore, UnitTableThatCannotBeOpenedGivesItsMessageAndTheFormulaStillShows)
{
    const auto w = showing("Mechanik", "Statik", "Bewegung");
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_NE(messages_.shown[0].find("fehlt.cds"), std::string::npos) << messages_.shown[0];
    EXPECT_EQ(w->quantityCount(), 2);
    EXPECT_EQ(w->loadedName(), "Bewegung");
    EXPECT_TRUE(w->pages().slotControls[1].calculationVisible);
    EXPECT_FALSE(w->pages().slotControls[1].unitChooserVisible);
}

TEST_F(FormulaWindowCore, FormulaWithoutQuantitiesShowsOnlyTheFormula)
{
    formulas_.first();
    for (int i = 1; i <= 9; ++i)
        formulas_.setEmpty(*formulas_.fieldIndex("M" + std::to_string(i)));
    formulas_.setInteger("M2", 2); // behind the gap: never read
    formulas_.post();
    const auto w = grundgesetz();
    EXPECT_EQ(w->quantityCount(), 0);
    for (const SlotDisplay& s : w->pages().slotControls)
        EXPECT_FALSE(s.descriptionVisible || s.calculationVisible);
}

TEST_F(FormulaWindowCore, DraggingTheDockedWindowOutMakesItComputeLikeAFreeOne)
{
    const auto w = grundgesetz(true);
    EXPECT_FALSE(w->pages().resultFieldVisible);
    w->setDocked(false);
    EXPECT_TRUE(w->pages().resultFieldVisible);
    w->setDocked(true);
    EXPECT_FALSE(w->pages().resultFieldVisible);
    EXPECT_TRUE(w->pages().insertEnabled);
}

} // namespace
} // namespace quillmar::formula
