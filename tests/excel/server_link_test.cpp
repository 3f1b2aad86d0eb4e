// The link component driving the built-in spreadsheet through every command of
// its catalogue, as the insertions use them.
#include "excel/excel_error.h"
#include "excel/excel_link.h"
#include "excel/texcel.h"
#include "server_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quillmar::excel::server {
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
    const char* data = std::getenv("QUILLMAR_DATA_DIR");
    return (std::filesystem::path(data ? data : ".") / "daten" / "makro.xls").string();
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
    ExcelLink link([&] { return std::make_unique<TExcel>(std::make_unique<ServerTransport>(server)); }, closeWatch,
                   messages);

    link.PrepareExcel();
    TExcel& excel = link.excel();
    ASSERT_TRUE(excel.Connected());
    EXPECT_TRUE(excel.IsReady());
    excel.Exec("[New(1)]");
    excel.Exec("[WORKBOOK.INSERT(1)]");
    excel.RaiseWindow();
    excel.OpenMacroBook(macroBook(), true);
    excel.RunMacro("neueseite");
    excel.PutCell(2, 2, "Eingabe:");
    excel.PutCell(3, 2, "4");
    excel.PutCell(5, 2, "=Z(-2)S*0,500");
    excel.Exec("[SELECT(\"Z3S2:Z3S2\")]");
    excel.RunMacro("eingabe");
    excel.Exec("[SELECT(\"Z7S1\")]");
    excel.RunMacro("grafikeinfuegen");
    excel.RestoreWindow();
    EXPECT_EQ(window.log, "min restore restore ");

    link.ReadSelection();
    EXPECT_EQ(link.RowOffset(), 6);
    EXPECT_EQ(link.ColOffset(), 0);
    EXPECT_EQ(link.excel().GetCell(5, 2), "2\r\n");

    const Sheet& sheet = server.findWorkbook("Mappe2")->sheet();
    EXPECT_EQ(sheet.name(), "Tabelle2");
    EXPECT_TRUE(sheet.style({1, 1}).bold);
    EXPECT_TRUE(sheet.style({3, 2}).input);
    ASSERT_EQ(sheet.pictures().size(), 1u);

    // GetCell forgot the macro workbook (its topic switches close the
    // conversation); opening it again finds it still open in the server.
    link.excel().OpenMacroBook(macroBook(), true);
    link.excel().CloseMacroBook();
    EXPECT_EQ(server.findWorkbook("makro.xls"), nullptr);
    EXPECT_EQ(server.selectionText(), "[Mappe2]Tabelle2!Z7S1");

    // A command the spreadsheet refuses ends in the link's command error.
    EXPECT_THROW(link.excel().Exec("[SELECT(\"Z3S0\")]"), ExcelError);
    EXPECT_THROW(link.excel().RunMacro("neueseite"), ExcelError); // no macro workbook open
    link.closeDown();
    EXPECT_TRUE(messages.shown.empty());
    server.removeObserver(&window);
}

} // namespace
} // namespace quillmar::excel::server
