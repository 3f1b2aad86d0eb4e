// The formula window file (.fff), the copy of a window and the geometry kept on
// the screens.
#include "formula/formula_window_state.h"
#include "formula/ini_document.h"
#include "formula/window_file.h"
#include "formula_fixture.h"
#include "support/file_io.h"
#include "support/text.h"

#include <gtest/gtest.h>

namespace quillmar::formula {
namespace {

using testing::FormulaWindowCore;
using Lines = std::vector<std::string>;

Lines fileLines(const std::filesystem::path& path)
{
    const auto bytes = fileio::readAll(path);
    return bytes ? text::splitLines(text::decodeFileText(*bytes)) : Lines{};
}

TEST_F(FormulaWindowCore, WindowFileHoldsItsKeysInTheirOrder)
{
    const auto w = grundgesetz();
    w->chooseUnit(1, 1);
    w->setFieldText(2, "2");
    w->setFieldText(3, "3,5");
    w->setSearchText("Kraft");
    const auto path = folder_.prefix() / "fenster.fff";
    ASSERT_TRUE(w->saveWindowFile(path, WindowGeometry{0, 617, 364, 379, 304}));
    EXPECT_EQ(fileLines(path), (Lines{"[Formel]",
                                      "Version=Tarvik70",
                                      "Width=617",
                                      "Height=364",
                                      "Top=379",
                                      "Left=304",
                                      "WindowState=0",
                                      "Format=0.000",
                                      "Anzahl=3",
                                      "umformnr=0",
                                      "Seitea=0",
                                      "Seiteb=0",
                                      "tabbedWidth=300",
                                      "merkewidth=300",
                                      "Suche=Kraft",
                                      "thema=Dynamik",
                                      "inhalt=Grundgesetz",
                                      "gebiet=Mechanik",
                                      "Wert1=",
                                      "umrechfaktor1=1000",
                                      "umEinheit1=kN",
                                      "umNameeinheit1=Kilonewton",
                                      "Wert2=2",
                                      "umrechfaktor2=",
                                      "umEinheit2=",
                                      "umNameeinheit2=",
                                      "Wert3=3,5",
                                      "umrechfaktor3=",
                                      "umEinheit3=",
                                      "umNameeinheit3=",
                                      "",
                                      "[scrollbox4]",
                                      "visible=0",
                                      "",
                                      "[scrollbox5]",
                                      "visible=0",
                                      "",
                                      "[scrollbox6]",
                                      "visible=0",
                                      "",
                                      "[panel3]",
                                      "visible=1",
                                      "",
                                      "[pagecontrol1]",
                                      "visible=1"}));
    const auto bytes = fileio::readAll(path);
    ASSERT_TRUE(bytes);
    EXPECT_NE(bytes->find("\r\n"), std::string::npos);
}

TEST_F(FormulaWindowCore, WindowFileRoundTripRestoresFormulaRearrangementValuesAndUnits)
{
    const auto w = grundgesetz();
    w->chooseRearrangement(1); // m=F/a
    w->chooseUnit(1, 1);       // the result m in Gramm
    w->chooseUnit(2, 1);       // F in Kilonewton
    w->setFieldText(2, "0,006");
    w->setFieldText(3, "3");
    w->setNumberFormat("0.00");
    ASSERT_TRUE(w->calculate().computed);
    ASSERT_EQ(w->resultText(), "2000,00");
    w->setActivePage(Page::calculation);
    w->setContentsWidth(222);
    const auto path = folder_.prefix() / "Fenster.FFF";
    ASSERT_TRUE(w->saveWindowFile(path, WindowGeometry{}));

    const auto r = window();
    const WindowFileOutcome outcome = r->loadWindowFile(path);
    EXPECT_TRUE(outcome.ok);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(r->caption(), "Mechanik Dynamik");
    EXPECT_EQ(r->fileName(), path.string());
    EXPECT_EQ(r->rearrangementNumber(), 1);
    EXPECT_EQ(r->pages().highlightedRearrangement, 1);
    EXPECT_EQ(r->loadedFormula(), "m=\\f(F;a)");
    EXPECT_EQ(r->numberFormat(), "0.00");
    EXPECT_EQ(r->activePage(), Page::calculation);
    EXPECT_EQ(r->contents().width, 222);
    EXPECT_TRUE(r->contents().pagesVisible);
    EXPECT_EQ(r->contents().selectedNode, 2);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(r->slot(i).value, w->slot(i).value) << i;
        EXPECT_EQ(r->slot(i).chosenUnit, w->slot(i).chosenUnit) << i;
        EXPECT_EQ(r->slot(i).chosenUnitName, w->slot(i).chosenUnitName) << i;
        EXPECT_EQ(r->slot(i).factor, w->slot(i).factor) << i;
        EXPECT_EQ(r->pages().slotControl(i).valueText, w->pages().slotControl(i).valueText) << i;
    }
    EXPECT_EQ(r->pages().slotControls[0].unitLabel, "g");
    EXPECT_EQ(r->pages().slotControls[1].unitLabel, "kN");
    ASSERT_TRUE(r->calculate().computed);
    EXPECT_EQ(r->resultText(), w->resultText());
}

TEST_F(FormulaWindowCore, WindowShowingAListReopensOnThatList)
{
    const auto w = window();
    w->clickArea(0);
    w->clickTopic(1);
    ASSERT_TRUE(w->contents().formulaListVisible);
    const auto path = folder_.prefix() / "liste.fff";
    ASSERT_TRUE(w->saveWindowFile(path, WindowGeometry{}));
    EXPECT_EQ(IniDocument::parse(text::joinCrLf(fileLines(path))).text("pagecontrol1", "visible", ""), "0");

    const auto r = grundgesetz();
    ASSERT_TRUE(r->loadWindowFile(path).ok);
    EXPECT_TRUE(r->contents().formulaListVisible);
    EXPECT_FALSE(r->contents().pagesVisible);
    EXPECT_EQ(r->contents().heading, "Mechanik  Statik");
    EXPECT_EQ(r->contents().formulas.size(), 2u);
}

TEST_F(FormulaWindowCore, MissingOrForeignFileKeepsTheWindowButTakesItsName)
{
    const auto w = grundgesetz();
    w->setFieldText(2, "7");
    const auto foreign = folder_.prefix() / "fremd.fff";
    ASSERT_EQ(fileio::writeAtomically(foreign, "[Formel]\r\nVersion=Tarvik60\r\n"), "");
    for (const auto& path : {folder_.prefix() / "fehlt.fff", foreign}) {
        messages_.shown.clear();
        EXPECT_FALSE(w->loadWindowFile(path).ok);
        EXPECT_EQ(messages_.shown, (Lines{"Datei nicht gefunden oder fehlerhaft!"}));
        EXPECT_EQ(w->fileName(), path.string());
        EXPECT_EQ(w->caption(), path.filename().string());
        EXPECT_EQ(w->loadedName(), "Grundgesetz");
        EXPECT_EQ(w->pages().slotControls[1].valueText, "7");
    }
}

TEST_F(FormulaWindowCore, MissingKeysTakeTheirDefaults)
{
    const auto path = folder_.prefix() / "knapp.fff";
    ASSERT_EQ(fileio::writeAtomically(path, "[formel]\r\nversion=Tarvik70\r\nGEBIET=Mechanik\r\nthema=Dynamik\r\n"
                                            "inhalt=Grundgesetz\r\nscrollbox4\r\n[SCROLLBOX4]\r\nvisible=0\r\n"
                                            "[scrollbox5]\r\nvisible=0\r\n[scrollbox6]\r\nvisible=0\r\n"
                                            "[pagecontrol1]\r\nvisible=1\r\n"),
              "");
    const auto w = window();
    const WindowFileOutcome outcome = w->loadWindowFile(path);
    ASSERT_TRUE(outcome.ok);
    ASSERT_TRUE(outcome.geometry);
    EXPECT_EQ(outcome.geometry->width, 100);
    EXPECT_EQ(outcome.geometry->height, 100);
    EXPECT_FALSE(outcome.geometry->top); // the window stays where it is
    EXPECT_EQ(w->numberFormat(), "0.00E-0");
    EXPECT_EQ(w->contents().width, 400);
    EXPECT_EQ(w->loadedName(), "Grundgesetz");
    // Wert and umrechfaktor default to 0 and 1.
    EXPECT_EQ(w->slot(2).value, "0");
    EXPECT_EQ(w->slot(2).factor, "1");
}

TEST_F(FormulaWindowCore, ContentsWidthZeroReopensHidden)
{
    const auto w = grundgesetz();
    w->toggleContents();
    const auto path = folder_.prefix() / "versteckt.fff";
    ASSERT_TRUE(w->saveWindowFile(path, WindowGeometry{}));
    const auto r = window();
    ASSERT_TRUE(r->loadWindowFile(path).ok);
    EXPECT_EQ(r->contents().width, 0);
    EXPECT_FALSE(r->contents().shown);
    r->toggleContents();
    EXPECT_EQ(r->contents().width, 300);
}

TEST_F(FormulaWindowCore, FileNamingAFormulaThatIsGoneShowsTheAreas)
{
    const auto w = grundgesetz();
    const auto path = folder_.prefix() / "alt.fff";
    ASSERT_TRUE(w->saveWindowFile(path, WindowGeometry{}));
    formulas_.clearRecords();
    const auto r = window();
    ASSERT_TRUE(r->loadWindowFile(path).ok);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_NE(messages_.shown[0].find("Grundgesetz"), std::string::npos);
    EXPECT_TRUE(r->contents().areaListVisible);
    EXPECT_FALSE(r->contents().pagesVisible);
    EXPECT_EQ(r->loadedName(), "");
}

TEST_F(FormulaWindowCore, SavingWritesOnlyFffFiles)
{
    const auto w = grundgesetz();
    EXPECT_EQ(w->saveAction(), SaveAction::askName);
    w->setFileName(folder_.prefix() / "a" / "notiz.txt");
    EXPECT_EQ(w->caption(), "notiz.txt");
    EXPECT_EQ(w->saveAction(), SaveAction::nothing);
    w->setFileName(folder_.prefix() / "fenster.FfF");
    EXPECT_EQ(w->saveAction(), SaveAction::write);
}

TEST_F(FormulaWindowCore, FailedSaveReportsItsReason)
{
    const auto w = grundgesetz();
    EXPECT_FALSE(w->saveWindowFile(folder_.prefix() / "kein" / "ordner" / "x.fff", WindowGeometry{}));
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_NE(messages_.shown[0].find("x.fff"), std::string::npos);
}

TEST_F(FormulaWindowCore, DuplicateShowsTheSameAndIsIndependent)
{
    const auto w = grundgesetz();
    w->chooseRearrangement(1); // m=F/a
    w->chooseUnit(2, 1);       // F in Kilonewton
    w->setFieldText(2, "0,006");
    w->setFieldText(3, "3");
    w->setNumberFormat("0.0");
    w->setActivePage(Page::calculation);

    const auto copy = window();
    copy->duplicateFrom(*w);
    EXPECT_EQ(copy->rearrangementNumber(), 1);
    EXPECT_EQ(copy->loadedFormula(), "m=\\f(F;a)");
    EXPECT_EQ(copy->pages().slotControls[1].valueText, "0,006");
    EXPECT_EQ(copy->pages().slotControls[1].unitLabel, "kN");
    EXPECT_EQ(copy->slot(2).factor, "1000");
    EXPECT_EQ(copy->numberFormat(), "0.0");
    EXPECT_EQ(copy->activePage(), Page::calculation);
    EXPECT_EQ(copy->contents().selectedNode, 2);
    ASSERT_TRUE(copy->calculate().computed);
    EXPECT_EQ(copy->resultText(), "2,0");

    copy->setFieldText(3, "6");
    EXPECT_EQ(w->pages().slotControls[2].valueText, "3");
}

TEST_F(FormulaWindowCore, DuplicateOfAWindowShowingAListShowsThatList)
{
    const auto w = window();
    w->clickArea(1);
    w->goBack(); // the area list again, the area node still selected
    const auto copy = window();
    copy->duplicateFrom(*w);
    EXPECT_TRUE(copy->contents().areaListVisible);
    EXPECT_FALSE(copy->contents().topicListVisible);
    EXPECT_EQ(copy->contents().heading, "Inhalt");
    EXPECT_EQ(copy->position(), w->position());

    const auto fresh = window();
    const auto copyOfFresh = window();
    copyOfFresh->duplicateFrom(*fresh); // nothing selected: nothing to select
    EXPECT_EQ(copyOfFresh->contents().selectedNode, -1);
    EXPECT_TRUE(copyOfFresh->contents().areaListVisible);
}

TEST(WindowGeometry, KeptWithinTheScreens)
{
    const std::vector<ScreenArea> screens = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    struct Case {
        WindowGeometry in;
        WindowGeometry out;
    };
    const Case cases[] = {
        {{0, 617, 364, 379, 304}, {0, 617, 364, 379, 304}},    {{0, 32767, 32767, 10, 10}, {0, 1920, 1080, 0, 0}},
        {{0, 800, 600, 5000, 5000}, {0, 800, 600, 424, 2400}}, {{0, 800, 600, -300, -900}, {0, 800, 600, 0, 0}},
        {{0, 2, -5, {}, {}}, {0, 100, 100, {}, {}}},           {{7, 800, 600, 10, 2000}, {0, 800, 600, 10, 2000}},
    };
    for (const Case& c : cases) {
        const WindowGeometry g = keepOnScreens(c.in, screens);
        EXPECT_EQ(g.state, c.out.state);
        EXPECT_EQ(g.width, c.out.width);
        EXPECT_EQ(g.height, c.out.height);
        EXPECT_EQ(g.top, c.out.top);
        EXPECT_EQ(g.left, c.out.left);
    }
}

TEST(IniDocument, KeysMatchWithoutCaseAndTheFirstCounts)
{
    const IniDocument ini = IniDocument::parse("; Kommentar\nvorher=1\n[Formel]\n Wert1 = 2,5 \nWERT1=9\nohne\n"
                                               "Format=0.00;-0.00\n[leer]\n");
    EXPECT_EQ(ini.value("formel", "wert1"), "2,5");
    EXPECT_EQ(ini.value("Formel", "Format"), "0.00;-0.00");
    EXPECT_FALSE(ini.value("Formel", "vorher"));
    EXPECT_EQ(ini.integer("Formel", "Wert1", 7), 7); // not a whole number
    EXPECT_EQ(ini.integer("Formel", "fehlt", 4), 4);

    IniDocument out;
    out.set("A", "x", "1");
    out.set("B", "y", "zwei\nZeilen");
    out.set("a", "X", 3);
    EXPECT_EQ(out.lines(), (Lines{"[A]", "x=3", "", "[B]", "y=zwei Zeilen"}));
}

} // namespace
} // namespace quillmar::formula
