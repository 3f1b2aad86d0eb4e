// The link component driving the built-in spreadsheet through every command of
// its catalogue, as the insertions use them.
#include "spreadsheet/link_error.h"
#include "spreadsheet/link.h"
#include "spreadsheet/conversation.h"
#include "server_fixture.h"
#include "doubles/test_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quillmar::spreadsheet::server {
namespace {

struct PictureOnClipboard : ClipboardPicture {
    std::optional<ClipboardImage> picture() override { return ClipboardImage{"\x89PNG", 10, 10}; }
};

struct NoTimer : OneShotTimer {
    void start(std::chrono::milliseconds, std::function<void()>) override {}
    void stop() override {}
};

std::string macroBook()
{
    return (quillmar::testing::dataDir() / "daten" / "makro.xls").string();
}

TEST(ServerLink, TheLinkDrivesEveryCommandOfTheCatalogue)
{
    SpreadsheetServer server;
    struct Window : ServerObserver {
        std::string log;
        void minimizeRequested() override { log += "min "; }
        void restoreRequested() override { log += "restore "; }
    } window;
    server.addObserver(&window);
    PictureOnClipboard clipboard;
    server.setClipboard(&clipboard);
    NoTimer closeWatch;
    RecordingMessages messages;
    Link link([&] { return std::make_unique<Conversation>(std::make_unique<ServerTransport>(server)); }, closeWatch,
                   messages);

    link.prepare();
    Conversation& excel = link.conversation();
    ASSERT_TRUE(excel.connected());
    EXPECT_TRUE(excel.isReady());
    excel.execute("[New(1)]");
    excel.execute("[WORKBOOK.INSERT(1)]");
    excel.raiseWindow();
    excel.openMacroBook(macroBook(), true);
    excel.runMacro("neueseite");
    excel.putCell(2, 2, "Eingabe:", Dialect::excelXP);
    excel.putCell(3, 2, "4", Dialect::excelXP);
    excel.putCell(5, 2, "=Z(-2)S*0,500", Dialect::excelXP);
    excel.execute("[SELECT(\"Z3S2:Z3S2\")]");
    excel.runMacro("eingabe");
    excel.execute("[SELECT(\"Z7S1\")]");
    excel.runMacro("grafikeinfuegen");
    excel.restoreWindow();
    EXPECT_EQ(window.log, "min restore restore ");

    link.readSelection();
    EXPECT_EQ(link.rowOffset(), 6);
    EXPECT_EQ(link.columnOffset(), 0);
    EXPECT_EQ(link.conversation().getCell(5, 2), "2\r\n");

    const Sheet& sheet = server.findWorkbook("Mappe2")->sheet();
    EXPECT_EQ(sheet.name(), "Tabelle2");
    EXPECT_TRUE(sheet.style({1, 1}).bold);
    EXPECT_TRUE(sheet.style({3, 2}).input);
    ASSERT_EQ(sheet.pictures().size(), 1u);

    // getCell() forgot the macro workbook (its topic switches close the
    // conversation); opening it again finds it still open in the server.
    link.conversation().openMacroBook(macroBook(), true);
    link.conversation().closeMacroBook();
    EXPECT_EQ(server.findWorkbook("makro.xls"), nullptr);
    EXPECT_EQ(server.selectionText(), "[Mappe2]Tabelle2!Z7S1");

    // A command the spreadsheet refuses ends in the link's command error.
    EXPECT_THROW(link.conversation().execute("[SELECT(\"Z3S0\")]"), LinkError);
    EXPECT_THROW(link.conversation().runMacro("neueseite"), LinkError); // no macro workbook open
    link.closeDown();
    EXPECT_TRUE(messages.shown.empty());
    server.removeObserver(&window);
}

} // namespace
} // namespace quillmar::spreadsheet::server
