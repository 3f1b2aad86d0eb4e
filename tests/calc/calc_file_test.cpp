// The calculation window file and plain text files: layout, round trips, broken files.
#include "calc/calc_file.h"
#include "calc/window_state_text.h"
#include "support/file_io.h"
#include "support/text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace quillmar::calc;
using quillmar::WindowPlacement;
using quillmar::WindowState;
using Lines = std::vector<std::string>;

class CalcFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path()
                 / ("quillmar_calc_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                    std::to_string(getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string bytesOf(const fs::path& path) { return quillmar::fileio::readAll(path).value_or("<fehlt>"); }
    void put(const fs::path& path, const std::string& bytes) { ASSERT_EQ(quillmar::fileio::writeAtomically(path, bytes), ""); }

    fs::path folder;
};

CalcWindowState sample()
{
    CalcWindowState w;
    w.pattern = "0.00";
    w.programMode = true;
    w.font = {"Courier New", true, true, false, false, 255, 12};
    w.placement = {WindowState::Normal, 617, 364, 379, -4};
    w.textLines = {"; Kreisfläche", "r = 2", "", "Ausgabe(3,14159*r^2)\t;Fläche", ""};
    return w;
}

TEST_F(CalcFile, WritesTheLineLayoutInWindows1252WithCrLf)
{
    const CalcWindowState w = sample();
    ASSERT_EQ(saveCalcWindow(w, folder / "kreis.ref"), "");
    EXPECT_EQ(bytesOf(folder / "kreis.ref"),
              "Rechnenfenster\r\n0.00\r\n1#Courier New#1#1#0#0#255#12#\r\n0#617#364#379#-4#\r\nDATEN_ANFANG\r\n"
              "; Kreisfl\xE4"
              "che\r\nr = 2\r\n\r\nAusgabe(3,14159*r^2)\t;Fl\xE4"
              "che\r\n\r\nDATEN_ENDE\r\n");
}

TEST_F(CalcFile, RoundTripsEveryStateIntoAnotherWindow)
{
    struct Case {
        const char* name;
        CalcWindowState window;
    };
    CalcWindowState maximised = sample();
    maximised.placement = {WindowState::Maximized, 800, 600, 10, 20};
    CalcWindowState empty;
    empty.textLines = {};
    CalcWindowState markers = sample();
    markers.textLines = {"a", "DATEN_ENDE", "\\DATEN_ENDE", "DATEN_ANFANG", "\\\\DATEN_ENDE", "x DATEN_ENDE", "b"};
    CalcWindowState unicode = sample();
    unicode.textLines = {"ω=2*π*f", "Ausgabe(ω)"};
    const Case cases[] = {{"program mode, bold italic", sample()},
                          {"maximised", maximised},
                          {"empty text", empty},
                          {"block markers in the text", markers},
                          {"characters beyond Windows-1252", unicode}};
    for (const Case& c : cases) {
        const CalcWindowState saved = c.window;
        const fs::path path = folder / "rechnung.Ref";
        ASSERT_EQ(saveCalcWindow(saved, path), "") << c.name;
        CalcWindowState opened; // another window with other state
        opened.pattern = "#";
        opened.font = {"Arial", false, false, true, true, 7, 8};
        opened.placement = {WindowState::Normal, 1, 2, 3, 4};
        opened.textLines = {"alt"};
        ASSERT_EQ(openCalcWindow(opened, path), "") << c.name;
        EXPECT_EQ(opened.textLines, saved.textLines) << c.name;
        EXPECT_EQ(opened.pattern, saved.pattern) << c.name;
        EXPECT_EQ(opened.programMode, saved.programMode) << c.name;
        EXPECT_EQ(opened.font.name, saved.font.name) << c.name;
        EXPECT_EQ(opened.font.bold, saved.font.bold) << c.name;
        EXPECT_EQ(opened.font.italic, saved.font.italic) << c.name;
        EXPECT_EQ(opened.font.underline, saved.font.underline) << c.name;
        EXPECT_EQ(opened.font.colour, saved.font.colour) << c.name;
        EXPECT_EQ(opened.font.size, saved.font.size) << c.name;
        EXPECT_EQ(opened.placement.state, saved.placement.state) << c.name;
        if (saved.placement.state == WindowState::Normal) {
            EXPECT_EQ(opened.placement.width, saved.placement.width) << c.name;
            EXPECT_EQ(opened.placement.height, saved.placement.height) << c.name;
            EXPECT_EQ(opened.placement.top, saved.placement.top) << c.name;
            EXPECT_EQ(opened.placement.left, saved.placement.left) << c.name;
        } else {
            // A maximised window keeps its own normal bounds.
            EXPECT_EQ(opened.placement.width, 1) << c.name;
        }
        if (saved.placement.state != WindowState::Normal)
            continue;
        // Saving again gives the same bytes.
        const std::string first = bytesOf(path);
        ASSERT_EQ(saveCalcWindow(opened, path), "");
        EXPECT_EQ(bytesOf(path), first) << c.name;
    }
}

TEST_F(CalcFile, EmptyTextIsAnEmptyBlock)
{
    const Lines lines = calcWindowFileLines(CalcWindowState{});
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], "DATEN_ANFANG");
    EXPECT_EQ(lines[5], "DATEN_ENDE");
}

TEST_F(CalcFile, BlockEndLinesAreEscapedWhenWrittenAndOlderFilesStillRead)
{
    EXPECT_EQ(escapeBlockLine("DATEN_ENDE"), "\\DATEN_ENDE");
    EXPECT_EQ(escapeBlockLine("\\DATEN_ENDE"), "\\\\DATEN_ENDE");
    EXPECT_EQ(escapeBlockLine("DATEN_ENDE "), "DATEN_ENDE ");
    EXPECT_EQ(escapeBlockLine("a\\DATEN_ENDE"), "a\\DATEN_ENDE");
    // A file written without the escape: the text ends at the first DATEN_ENDE.
    put(folder / "alt.ref", "Rechnenfenster\r\n0\r\n0#Arial#0#0#0#0#0#10#\r\n0#1#2#3#4#\r\nDATEN_ANFANG\r\na\r\nDATEN_ENDE\r\nb\r\nDATEN_ENDE\r\n");
    CalcWindowState w;
    ASSERT_EQ(openCalcWindow(w, folder / "alt.ref"), "");
    EXPECT_EQ(w.textLines, Lines{"a"});
}

TEST_F(CalcFile, ChoosesTheFormByExtensionWithoutRegardToCase)
{
    for (const char* name : {"r.ref", "r.REF", "r.Ref"})
        EXPECT_TRUE(isCalcWindowFileName(name)) << name;
    for (const char* name : {"rechnung", "r.for", "r.txt", "r.ref.txt", "ref"})
        EXPECT_FALSE(isCalcWindowFileName(name)) << name;

    CalcWindowState w = sample();
    for (const char* name : {"rechnung", "r.for"}) {
        ASSERT_EQ(saveCalcWindow(w, folder / name), "");
        EXPECT_EQ(bytesOf(folder / name), "; Kreisfl\xE4" "che\r\nr = 2\r\n\r\nAusgabe(3,14159*r^2)\t;Fl\xE4" "che\r\n\r\n");
    }
    // Opening plain text replaces the text only.
    put(folder / "p.txt", "x=1\ny=2\r\rz");
    ASSERT_EQ(openCalcWindow(w, folder / "p.txt"), "");
    EXPECT_EQ(w.textLines, (Lines{"x=1", "y=2", "", "z"}));
    EXPECT_TRUE(w.programMode);
    EXPECT_EQ(w.pattern, "0.00");
    EXPECT_EQ(w.placement.left, -4);
}

TEST_F(CalcFile, BrokenFilesStopWithTheReadingMessage)
{
    const std::string head = "Rechnenfenster\r\n0.0\r\n";
    struct Case {
        const char* name;
        std::string bytes;
        std::string message;
        bool patternSet;
        Lines text;
    };
    const Case cases[] = {
        {"lower-case first line", "rechnenfenster\r\n0.0\r\n", "Datei kann nicht geladen werden.", false, {"alt"}},
        {"empty file", "", "Datei kann nicht geladen werden.", false, {"alt"}},
        {"colour not a number", head + "1#Arial#1#0#0#0#rot#10#\r\n", "'rot' ist kein gültiger Integerwert", true, {"alt"}},
        {"placement missing", head + "1#Arial#1#0#0#0#0#10#\r\n", "Listenindex überschreitet das Maximum (3)", true, {"alt"}},
        {"width not a number", head + "1#Arial#1#0#0#0#0#10#\r\n0#x#", "'x' ist kein gültiger Integerwert", true, {"alt"}},
        {"size missing", head + "1#Arial#1#0#0#0#0#", "'' ist kein gültiger Integerwert", true, {"alt"}},
        {"text block cut off", head + "1#Arial#1#0#0#0#0#10#\r\n0#1#2#3#4#\r\nDATEN_ANFANG\r\nr=2\r\n",
         "Listenindex überschreitet das Maximum (6)", true, {"r=2"}},
    };
    for (const Case& c : cases) {
        put(folder / "b.ref", c.bytes);
        CalcWindowState w;
        w.textLines = {"alt"};
        EXPECT_EQ(openCalcWindow(w, folder / "b.ref"), c.message) << c.name;
        EXPECT_EQ(w.pattern, c.patternSet ? "0.0" : "0.000") << c.name;
        EXPECT_EQ(w.textLines, c.text) << c.name;
    }
    // No block at all: the text stays, nothing is missing.
    put(folder / "n.ref", head + "0#Arial#0#0#0#0#0#10#\r\n2#\r\n");
    CalcWindowState w;
    w.textLines = {"alt"};
    EXPECT_EQ(openCalcWindow(w, folder / "n.ref"), "");
    EXPECT_EQ(w.textLines, Lines{"alt"});
    EXPECT_EQ(w.placement.state, WindowState::Maximized);

    EXPECT_EQ(openCalcWindow(w, folder / "fehlt.ref"), "Datei " + (folder / "fehlt.ref").string()
                                                           + " kann nicht geöffnet werden. Die Datei ist nicht vorhanden oder nicht lesbar.");
}

TEST(CalcWindowFile, PlacementStatesReadAsTheWindowTakesThem)
{
    struct Case {
        const char* record;
        const char* message;
        WindowPlacement placement; // as read over {Minimized, 1, 2, 3, 4}
    };
    const Case cases[] = {
        {"0#5#6#7#8#", "", {WindowState::Normal, 5, 6, 7, 8}},
        {"1#", "", {WindowState::Minimized, 1, 2, 3, 4}},
        {"2#5#6#7#8#", "", {WindowState::Maximized, 1, 2, 3, 4}}, // bounds belong to the normal state only
        {"7#5#6#7#8#", "", {WindowState::Normal, 1, 2, 3, 4}},    // an unknown state is the normal one
        {"-1#", "", {WindowState::Normal, 1, 2, 3, 4}},
        {"0#5#x#7#8#", "'x' ist kein gültiger Integerwert", {WindowState::Normal, 5, 2, 3, 4}},
        {"x#5#6#7#8#", "'x' ist kein gültiger Integerwert", {WindowState::Minimized, 1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        CalcWindowState w;
        w.placement = {WindowState::Minimized, 1, 2, 3, 4};
        const Lines lines = {"Rechnenfenster", "0.0", "0#Arial#0#0#0#0#0#10#", c.record};
        EXPECT_EQ(readCalcWindowFileLines(lines, w), c.message) << c.record;
        EXPECT_EQ(w.placement, c.placement) << c.record;
    }
}

TEST_F(CalcFile, FailedWriteLeavesTheOldFile)
{
    EXPECT_NE(saveCalcWindow(sample(), folder / "kein_ordner" / "r.ref"), "");
    EXPECT_FALSE(fs::exists(folder / "kein_ordner"));
}

// A window with controls of several kinds: the numeric edit field writes its text
// twice, tags other than 0 are skipped, blocks are read only where they begin.
struct Control final : StoredControl {
    std::vector<ControlKind> kinds;
    int tagNumber = 0;
    std::string value;
    bool on = false;
    int index = -1;
    Lines content;
    Lines entries;
    int tag() const override { return tagNumber; }
    bool isKind(ControlKind k) const override { return std::find(kinds.begin(), kinds.end(), k) != kinds.end(); }
    std::string text() const override { return value; }
    void setText(const std::string& t) override { value = t; }
    bool checked() const override { return on; }
    void setChecked(bool c) override { on = c; }
    int itemIndex() const override { return index; }
    void setItemIndex(int i) override { index = i; }
    Lines lines() const override { return content; }
    void setLines(const Lines& l) override { content = l; }
    Lines items() const override { return entries; }
    void setItems(const Lines& i) override { entries = i; }
};

struct Window final : StoredWindow {
    std::vector<Control> controls;
    WindowPlacement place;
    bool storedPosition = false;
    WindowPlacement placement() const override { return place; }
    void useStoredPosition() override { storedPosition = true; }
    void setPlacement(const WindowPlacement& p) override { place = p; }
    std::vector<StoredControl*> storedControls() override
    {
        std::vector<StoredControl*> out;
        for (Control& c : controls)
            out.push_back(&c);
        return out;
    }
};

TEST(WindowStateText, WritesEachKindInOrderAndReadsItBack)
{
    Window w;
    w.place = {WindowState::Normal, 10, 20, 30, 40};
    w.controls.resize(7);
    w.controls[0].kinds = {ControlKind::numberEdit, ControlKind::lineEdit};
    w.controls[0].value = "1,5";
    w.controls[1].kinds = {ControlKind::checkBox};
    w.controls[1].on = true;
    w.controls[2].kinds = {ControlKind::radioGroup};
    w.controls[2].index = 2;
    w.controls[3].kinds = {ControlKind::lineEdit};
    w.controls[3].tagNumber = 1;
    w.controls[3].value = "übersprungen";
    w.controls[4].kinds = {ControlKind::comboBox};
    w.controls[4].value = "m";
    w.controls[4].entries = {"m", "DATEN_ENDE"};
    w.controls[5].kinds = {ControlKind::listBox};
    w.controls[5].entries = {};
    w.controls[6].kinds = {ControlKind::textField};
    w.controls[6].content = {"x=1"};

    WindowStateText saver;
    saver.save(w);
    EXPECT_EQ(saver.lines, (Lines{"0#10#20#30#40#", "1,5", "1,5", "1", "2", "DATEN_ANFANG", "m", "m", "\\DATEN_ENDE",
                                  "DATEN_ENDE", "DATEN_ANFANG", "DATEN_ENDE", "DATEN_ANFANG", "x=1", "DATEN_ENDE"}));

    Window back;
    back.controls.resize(7);
    for (std::size_t i = 0; i < 7; ++i) {
        back.controls[i].kinds = w.controls[i].kinds;
        back.controls[i].tagNumber = w.controls[i].tagNumber;
    }
    back.controls[5].entries = {"alt"};
    saver.lines.insert(saver.lines.begin(), "Kopf");
    saver.lines.push_back("danach");
    std::size_t position = 1;
    // The numeric field reads its text twice; the second line wins.
    saver.lines[2] = "9";
    ASSERT_EQ(saver.load(back, position), "");
    EXPECT_EQ(position, saver.lines.size() - 1);
    EXPECT_TRUE(back.storedPosition);
    EXPECT_EQ(back.place.height, 20);
    EXPECT_EQ(back.controls[0].value, "1,5");
    EXPECT_TRUE(back.controls[1].on);
    EXPECT_EQ(back.controls[2].index, 2);
    EXPECT_EQ(back.controls[3].value, "");
    EXPECT_EQ(back.controls[4].value, "m");
    EXPECT_EQ(back.controls[4].entries, (Lines{"m", "DATEN_ENDE"}));
    EXPECT_TRUE(back.controls[5].entries.empty());
    EXPECT_EQ(back.controls[6].content, Lines{"x=1"});
}

TEST(RecordFields, SplitsAtEachHashAndThenGivesEmptyFields)
{
    RecordFields f("0#Arial#1");
    EXPECT_EQ(f.next(), "0");
    EXPECT_EQ(f.next(), "Arial");
    EXPECT_EQ(f.next(), "");
    EXPECT_EQ(f.next(), "");
    int v = 7;
    for (const char* bad : {"", "-", "+1", "1 ", "0x1", "99999999999"})
        EXPECT_FALSE(parseStoredInt(bad, v)) << bad;
    EXPECT_TRUE(parseStoredInt("-2147483648", v));
    EXPECT_EQ(v, -2147483648);
}

} // namespace
