// "&Excel starten", the close watch and closing the main window, with the link on a
// scripted spreadsheet server.
#include "app_fixture.h"

#include "app/excel_factory.h"
#include "excel/widgets/builtin_spreadsheet.h"

#include <QAction>
#include <QEventLoop>

#include <algorithm>

using namespace quillmar;
using namespace quillmar::app;
using namespace quillmar::app::testing;

namespace {

// Lets the event loop run long enough for the close watch (1000 ms) to arm.
void waitForCloseWatch()
{
    QEventLoop loop;
    QTimer::singleShot(1150, &loop, &QEventLoop::quit);
    loop.exec();
}

bool executed(const excel::FakeTransport& t, const std::string& command)
{
    return std::find(t.executed.begin(), t.executed.end(), command) != t.executed.end();
}

const std::vector<std::string> kMacroBookClosed = {"[UNHIDE(\"makro.xls\")]", "[ACTIVATE(\"makro.xls\")]",
                                                   "[CLOSE(FALSE)]"};

} // namespace

TEST_F(AppFixture, ClosingWithExcelReadyClosesTheMacroWorkbookQuietly)
{
    Tmainform& f = makeForm();
    EXPECT_FALSE(f.link().excel().Connected()); // nothing is connected at start
    f.action(QStringLiteral("startExcel"))->trigger();
    ASSERT_TRUE(f.link().excel().Connected());
    f.link().excel().OpenMacroBook((folder / "daten" / "makro.xls").string(), true);

    // Once armed, the watch reports Excel going away, once per closing.
    waitForCloseWatch();
    transports.back()->closeFromServer();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Excel ist geschlossen worden!"});

    // Connected again, macro workbook open, watch armed: now the user ends the program.
    messages.shown.clear();
    f.action(QStringLiteral("startExcel"))->trigger();
    f.link().excel().OpenMacroBook((folder / "daten" / "makro.xls").string(), true);
    waitForCloseWatch();
    excel::FakeTransport& server = *transports.back();
    EXPECT_TRUE(f.close());
    const std::vector<std::string> tail(server.executed.end() - 3, server.executed.end());
    EXPECT_EQ(tail, kMacroBookClosed);
    form.reset(); // the conversation ends with the window
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AppFixture, ClosingLeavesABusyExcelAlone)
{
    Tmainform& f = makeForm();
    f.action(QStringLiteral("startExcel"))->trigger();
    f.link().excel().OpenMacroBook((folder / "daten" / "makro.xls").string(), true);
    waitForCloseWatch();
    excel::FakeTransport& server = *transports.back();
    server.answer("Status", "Busy");
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(executed(server, "[CLOSE(FALSE)]"));
    form.reset();
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AppFixture, StartingExcelThatCannotBeReachedIsReported)
{
    serverRunning = false;
    Tmainform& f = makeForm();
    f.action(QStringLiteral("startExcel"))->trigger();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Excel kann nicht gestartet werden."});
    EXPECT_FALSE(f.link().excel().Connected());
    EXPECT_TRUE(f.close()); // closing is always allowed
}

TEST_F(AppFixture, TheProgramsLinkTalksToTheBuiltInSpreadsheet)
{
    excel::widgets::BuiltinSpreadsheet spreadsheet(messages);
    data = std::make_unique<collection::TDatadlg>();
    form = std::make_unique<Tmainform>(folder, messages, *data, programExcelFactory(spreadsheet));
    form->action(QStringLiteral("startExcel"))->trigger();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(form->link().excel().Connected());
    EXPECT_EQ(form->link().excel().Request("Status"), "Ready");
    EXPECT_TRUE(form->close());
    form.reset();
    EXPECT_TRUE(messages.shown.empty());
}
