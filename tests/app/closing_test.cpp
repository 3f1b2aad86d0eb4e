// "&Excel starten", the close watch and closing the main window, with the link on a
// scripted spreadsheet server.
#include "app_fixture.h"

#include "app/spreadsheet_factory.h"
#include "spreadsheet/widgets/builtin_spreadsheet.h"

#include <QAction>
#include <QEventLoop>

#include <algorithm>

using namespace quillmar;
using namespace quillmar::app;
using namespace quillmar::app::testing;
using MainWindowClosing = AppFixture;

namespace {

// Lets the event loop run long enough for the close watch (1000 ms) to arm.
void waitForCloseWatch()
{
    QEventLoop loop;
    QTimer::singleShot(1150, &loop, &QEventLoop::quit);
    loop.exec();
}

bool executed(const spreadsheet::FakeTransport& t, const std::string& command)
{
    return std::find(t.executed.begin(), t.executed.end(), command) != t.executed.end();
}

const std::vector<std::string> kMacroBookClosed = {"[UNHIDE(\"makro.xls\")]", "[ACTIVATE(\"makro.xls\")]",
                                                   "[CLOSE(FALSE)]"};

} // namespace

TEST_F(MainWindowClosing, ClosingWithExcelReadyClosesTheMacroWorkbookQuietly)
{
    MainWindow& f = makeWindow();
    EXPECT_FALSE(f.link().conversation().connected()); // nothing is connected at start
    f.action(QStringLiteral("startExcel"))->trigger();
    ASSERT_TRUE(f.link().conversation().connected());
    f.link().conversation().openMacroBook((folder / "daten" / "makro.xls").string(), true);

    // Once armed, the watch reports Excel going away, once per closing.
    waitForCloseWatch();
    transports.back()->closeFromServer();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Excel ist geschlossen worden!"});

    // Connected again, macro workbook open, watch armed: now the user ends the program.
    messages.shown.clear();
    f.action(QStringLiteral("startExcel"))->trigger();
    f.link().conversation().openMacroBook((folder / "daten" / "makro.xls").string(), true);
    waitForCloseWatch();
    spreadsheet::FakeTransport& server = *transports.back();
    EXPECT_TRUE(f.close());
    const std::vector<std::string> tail(server.executed.end() - 3, server.executed.end());
    EXPECT_EQ(tail, kMacroBookClosed);
    window.reset(); // the conversation ends with the window
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowClosing, ClosingLeavesABusyExcelAlone)
{
    MainWindow& f = makeWindow();
    f.action(QStringLiteral("startExcel"))->trigger();
    f.link().conversation().openMacroBook((folder / "daten" / "makro.xls").string(), true);
    waitForCloseWatch();
    spreadsheet::FakeTransport& server = *transports.back();
    server.answer("Status", "Busy");
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(executed(server, "[CLOSE(FALSE)]"));
    window.reset();
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowClosing, StartingExcelThatCannotBeReachedIsReported)
{
    serverRunning = false;
    MainWindow& f = makeWindow();
    f.action(QStringLiteral("startExcel"))->trigger();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Excel kann nicht gestartet werden."});
    EXPECT_FALSE(f.link().conversation().connected());
    EXPECT_TRUE(f.close()); // closing is always allowed
}

TEST_F(MainWindowClosing, TheProgramsLinkTalksToTheBuiltInSpreadsheet)
{
    spreadsheet::BuiltinSpreadsheet spreadsheet(messages);
    tables = std::make_unique<collection::CollectionTables>();
    window = std::make_unique<MainWindow>(folder, messages, *tables, programConversationFactory(spreadsheet));
    window->action(QStringLiteral("startExcel"))->trigger();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(window->link().conversation().connected());
    EXPECT_EQ(window->link().conversation().request("Status"), "Ready");
    EXPECT_TRUE(window->close());
    window.reset();
    EXPECT_TRUE(messages.shown.empty());
}
