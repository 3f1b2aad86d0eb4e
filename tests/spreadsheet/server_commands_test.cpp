// The built-in spreadsheet answering the link's items and commands.
#include "server_fixture.h"
#include "doubles/test_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quillmar::spreadsheet::server {
namespace {

using testing::ServerSession;
using testing::FakeClipboard;
using testing::TempFolder;

class RecordingListener : public TransportListener {
public:
    void conversationOpened() override { events += "auf "; }
    void conversationClosed() override { events += "zu "; }
    std::string events;
};

// The macro workbook as the program ships it.
std::filesystem::path shippedMacroBook()
{
    return quillmar::testing::dataDir() / "daten" / "makro.xls";
}

TEST(ServerCommands, SystemTopicAnswersStatusAndSelection)
{
    ServerSession c;
    RecordingListener listener;
    c.link.setListener(&listener);
    EXPECT_TRUE(c.link.connect("EXCEL", "System"));
    EXPECT_TRUE(c.link.launch("Excel"));
    EXPECT_EQ(c.link.request("Status", 10000), "Ready");
    EXPECT_EQ(c.link.request("Selection", 10000), "[Mappe1]Tabelle1!Z1S1");
    EXPECT_EQ(c.link.request("SELECTION", 10000), "[Mappe1]Tabelle1!Z1S1");
    EXPECT_EQ(c.link.request("Unbekannt", 10000), std::nullopt);
    EXPECT_FALSE(c.link.connect("EXCEL", "[Mappe7]Tabelle1"));
    EXPECT_FALSE(c.link.isOpen());
    EXPECT_EQ(c.link.request("Status", 10000), std::nullopt);
    EXPECT_FALSE(c.link.execute("[New(1)]", false));
    EXPECT_EQ(listener.events, "zu auf zu ");
}

TEST(ServerCommands, NewWorkbooksSheetsCellsAndSelection)
{
    ServerSession c;
    ASSERT_TRUE(c.exec("[New(1)]"));
    EXPECT_EQ(c.selection(), "[Mappe2]Tabelle1!Z1S1");
    ASSERT_TRUE(c.exec("[WORKBOOK.INSERT(1)]"));
    EXPECT_EQ(c.selection(), "[Mappe2]Tabelle2!Z1S1");

    ASSERT_TRUE(c.exec("[FORMULA(\"Eingabe:\",\"Z2S2\")]"));
    ASSERT_TRUE(c.exec("[FORMULA(\"9,81\",\"Z3S2\")]"));
    ASSERT_TRUE(c.exec("[FORMULA(\"=Z(-2)S*0,500\",\"Z5S2\")]"));
    ASSERT_TRUE(c.exec("[FORMULA(\"=R[-2]C*2\",\"R5C3\")]"));
    ASSERT_TRUE(c.exec("[FORMULA(\"Er sagt \"\"ja\"\"\",\"Z1S1\")]")); // inner quotes doubled
    ASSERT_TRUE(c.exec("[FORMULA(\"=\"\"x\"\"\",\"Z1S2\")]"));
    ASSERT_TRUE(c.exec("[FORMULA(\"Sie sagt \"nein\"\",\"Z1S3\")]")); // or not doubled
    EXPECT_EQ(c.cell(3, 2), "9,81\r\n");
    EXPECT_EQ(c.cell(5, 2), "4,905\r\n");
    EXPECT_EQ(c.cell(5, 3), "0\r\n");
    EXPECT_EQ(c.cell(2, 2), "Eingabe:\r\n");
    EXPECT_EQ(c.cell(1, 1), "Er sagt \"ja\"\r\n");
    EXPECT_EQ(c.cell(1, 2), "x\r\n");
    EXPECT_EQ(c.cell(1, 3), "Sie sagt \"nein\"\r\n");
    EXPECT_EQ(c.cell(9, 9), "\r\n");

    ASSERT_TRUE(c.exec("[SELECT(\"Z12S3:Z14S5\")]"));
    EXPECT_EQ(c.selection(), "[Mappe2]Tabelle2!Z12S3:Z14S5");
    ASSERT_TRUE(c.exec("[SELECT(\"Z3S2:Z2S2\")]")); // written bottom first
    EXPECT_EQ(c.selection(), "[Mappe2]Tabelle2!Z2S2:Z3S2");
    ASSERT_TRUE(c.exec("[SELECT(\"R7C4\")]"));
    EXPECT_EQ(c.selection(), "[Mappe2]Tabelle2!Z7S4");
    // FORMULA without a reference writes the active cell.
    ASSERT_TRUE(c.exec("[FORMULA(\"=ZS(-2)+1\")]"));
    EXPECT_EQ(c.cell(7, 4), "1\r\n");

    // The first workbook is still there, with its own selection.
    ASSERT_TRUE(c.exec("[ACTIVATE(\"mappe1\")]"));
    EXPECT_EQ(c.selection(), "[Mappe1]Tabelle1!Z1S1");
    EXPECT_EQ(c.cell(3, 2), "\r\n");
}

TEST(ServerCommands, RefusesWhatItCannotCarryOutAndChangesNothing)
{
    ServerSession c;
    ASSERT_TRUE(c.exec("[FORMULA(\"7\",\"Z2S2\")]"));
    ASSERT_TRUE(c.exec("[SELECT(\"Z2S2\")]"));
    for (const char* command : {
             "[SELECT(\"Z3S0\")]",                    // left of column 1
             "[SELECT(\"Z0S1:Z2S2\")]",
             "[SELECT(\"Z1048577S1\")]",
             "[SELECT(\"A1\")]",
             "[RUN(\"makro.xls!neueseite\";FALSE)]",  // workbook not open
             "[RUN(\"Mappe1!unbekannt\";FALSE)]",     // unknown macro
             "[ACTIVATE(\"Mappe9\")]",
             "[UNHIDE(\"Mappe9\")]",
             "[OPEN(\"/gibt/es/nicht/makro.xls\")]",
             "[FORMULA(\"=1+\",\"Z2S2\")]",           // malformed formula
             "[FORMULA(\"8\",\"Z2S0\")]",
             "[New(2)]",
             "[WORKBOOK.INSERT(3)]",
             "[APP.MINIMIZE(1)]",
             "[DELETE()]",
             "[FORMULA(\"8\",\"Z2S2\")",              // no closing bracket
             "FORMULA(\"8\",\"Z2S2\")",
             "[SELECT(Z2S2]",
             "",
         }) {
        EXPECT_FALSE(c.exec(command)) << command;
        EXPECT_EQ(c.selection(), "[Mappe1]Tabelle1!Z2S2") << command;
        EXPECT_EQ(c.cell(2, 2), "7\r\n") << command;
        EXPECT_EQ(c.server.workbooks().size(), 1u) << command;
    }
}

TEST(ServerCommands, MacroWorkbookOpensHidesRunsMacrosAndCloses)
{
    ServerSession c;
    FakeClipboard clipboard;
    c.server.setClipboard(&clipboard);
    const std::filesystem::path book = shippedMacroBook();
    ASSERT_TRUE(std::filesystem::exists(book)) << book;

    ASSERT_TRUE(c.exec("[New(1)]"));
    ASSERT_TRUE(c.exec("[SELECT(\"Z3S2\")]"));
    std::string windowsStyle = book.string();
    std::replace(windowsStyle.begin(), windowsStyle.end(), '/', '\\');
    ASSERT_TRUE(c.exec("[OPEN(\"" + windowsStyle + "\")]"));
    EXPECT_EQ(c.selection(), "[makro.xls]Tabelle1!Z1S1");
    ASSERT_TRUE(c.exec("[HIDE()]"));
    EXPECT_EQ(c.selection(), "[Mappe2]Tabelle1!Z3S2"); // the workbook before it is active again

    ASSERT_TRUE(c.exec("[RUN(\"makro.xls!neueseite\";FALSE)]"));
    const Sheet& sheet = c.server.findWorkbook("Mappe2")->sheet();
    EXPECT_TRUE(sheet.style({3, 2}).bold);
    EXPECT_GT(sheet.columnWidth(2), sheet.columnWidth(1));
    EXPECT_GT(sheet.columnWidth(6), 10.0);

    ASSERT_TRUE(c.exec("[SELECT(\"Z5S3:Z6S3\")]"));
    ASSERT_TRUE(c.exec("[RUN(\"makro.xls!eingabe\";FALSE)]"));
    EXPECT_TRUE(sheet.style({5, 3}).input);
    EXPECT_TRUE(sheet.style({6, 3}).input);
    EXPECT_FALSE(sheet.style({7, 3}).input);

    ASSERT_TRUE(c.exec("[SELECT(\"Z8S1\")]"));
    EXPECT_FALSE(c.exec("[RUN(\"makro.xls!grafikeinfuegen\";FALSE)]")); // nothing on the clipboard
    clipboard.image = ClipboardImage{"\x89PNG-Bild", 40, 20};
    ASSERT_TRUE(c.exec("[RUN(\"makro.xls!grafikeinfuegen\";FALSE)]"));
    ASSERT_EQ(sheet.pictures().size(), 1u);
    EXPECT_EQ(sheet.pictures()[0].anchor, (CellAddress{8, 1}));

    ASSERT_TRUE(c.exec("[UNHIDE(\"makro.xls\")]"));
    ASSERT_TRUE(c.exec("[ACTIVATE(\"makro.xls\")]"));
    ASSERT_TRUE(c.exec("[CLOSE(FALSE)]"));
    EXPECT_EQ(c.server.findWorkbook("makro.xls"), nullptr);
    EXPECT_EQ(c.selection(), "[Mappe2]Tabelle1!Z8S1");
    EXPECT_FALSE(c.exec("[RUN(\"makro.xls!eingabe\";FALSE)]"));
}

TEST(ServerCommands, OpenTakesOnlyWorkbookFiles)
{
    ServerSession c;
    TempFolder folder("quillmar-open");
    testing::writeFile(folder.path / "notiz.xls", "nur Text");
    EXPECT_FALSE(c.exec("[OPEN(\"" + (folder.path / "notiz.xls").string() + "\")]"));
    testing::writeFile(folder.path / "Daten.XLS", std::string("\xD0\xCF\x11\xE0 rest", 9));
    // Names match without regard to case, as on the system the link was made for.
    EXPECT_TRUE(c.exec("[OPEN(\"" + (folder.path / "daten.xls").string() + "\")]"));
    EXPECT_EQ(c.selection(), "[Daten.XLS]Tabelle1!Z1S1");
    // Opening it again makes no second copy.
    EXPECT_TRUE(c.exec("[OPEN(\"" + (folder.path / "Daten.XLS").string() + "\")]"));
    EXPECT_EQ(c.server.workbooks().size(), 2u);
}

TEST(ServerCommands, WindowCommandsReachTheObservers)
{
    struct Window : ServerObserver {
        std::string log;
        void minimizeRequested() override { log += "min "; }
        void restoreRequested() override { log += "restore "; }
    } window;
    ServerSession c;
    c.server.addObserver(&window);
    ASSERT_TRUE(c.exec("[APP.MINIMIZE()]"));
    ASSERT_TRUE(c.exec("[APP.RESTORE()]"));
    EXPECT_EQ(window.log, "min restore ");
    c.server.removeObserver(&window);
}

TEST(ServerCommands, WithEveryWorkbookClosedNothingIsAddressed)
{
    ServerSession c;
    ASSERT_TRUE(c.exec("[CLOSE(FALSE)]"));
    EXPECT_EQ(c.selection(), "<keine Antwort>");
    EXPECT_FALSE(c.exec("[FORMULA(\"1\",\"Z1S1\")]"));
    EXPECT_FALSE(c.exec("[WORKBOOK.INSERT(1)]"));
    EXPECT_FALSE(c.exec("[CLOSE(FALSE)]"));
    ASSERT_TRUE(c.exec("[New(1)]"));
    EXPECT_EQ(c.selection(), "[Mappe2]Tabelle1!Z1S1");
}

} // namespace
} // namespace quillmar::spreadsheet::server
