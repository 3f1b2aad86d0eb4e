#include "spreadsheet/link.h"
#include "doubles/link_fakes.h"

#include <gtest/gtest.h>

#include <utility>

namespace quillmar::spreadsheet {
namespace {

using testing::errorOf;
using testing::ManualTimer;
using Log = std::vector<std::string>;

// The main window's link over fake transports: every component the factory
// makes talks to a running Excel whose status the test sets.
struct MainLinkRig {
    MainLinkRig()
        : link([this] {
                   auto transport = std::make_unique<FakeTransport>();
                   transport->serverRunning = true;
                   transport->answer("Status", nextStatus);
                   transports.push_back(transport.get());
                   ConversationServices services;
                   services.processEvents = [this] {
                       if (onEvents)
                           std::exchange(onEvents, nullptr)();
                   };
                   services.registry = std::make_shared<NoRegistry>();
                   return std::make_unique<Conversation>(std::move(transport), services);
               },
               timer, messages)
    {
    }
    FakeTransport& fake() { return *transports.back(); }

    std::string nextStatus = "Ready";
    std::function<void()> onEvents;  // runs once, at the next event processing
    std::vector<FakeTransport*> transports;  // the last one is alive
    ManualTimer timer;
    RecordingMessages messages;
    Link link;
};

TEST(LinkPrepare, ConnectsAndStartsTheCloseWatch)
{
    MainLinkRig rig;
    EXPECT_FALSE(rig.link.conversation().connected());  // never connected at creation

    rig.link.prepare();
    rig.link.prepare();

    EXPECT_EQ(rig.transports.size(), 1u);
    EXPECT_EQ(rig.fake().log, (Log{"connect EXCEL|System", "request Status @System", "request Status @System"}));
    EXPECT_EQ(rig.timer.starts, 1);
    EXPECT_EQ(rig.timer.lastInterval, std::chrono::milliseconds(1000));
}

TEST(LinkPrepare, ReplacesTheComponentWhenExcelIsNotReady)
{
    MainLinkRig rig;
    rig.link.conversation().setProgramName("C:\\OFFICE\\EXCEL.EXE");
    rig.link.conversation().setWaitAfter(3);
    rig.link.prepare();
    rig.timer.fire();
    rig.link.conversation().openMacroBook("C:\\Prog\\daten\\makro.xls", true);

    rig.fake().answer("Status", "Busy");
    rig.link.prepare();

    ASSERT_EQ(rig.transports.size(), 2u);
    Conversation& fresh = rig.link.conversation();
    EXPECT_TRUE(fresh.connected());
    EXPECT_EQ(fresh.programName(), "Excel");
    EXPECT_EQ(fresh.waitAfter(), 500);
    EXPECT_EQ(fresh.macroBookName(), "");
    EXPECT_EQ(rig.timer.starts, 2);
    // Dropping the old conversation is our doing, not Excel being closed.
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(LinkPrepare, ReplacingDuringARunningCommandEndsThatCommandSafely)
{
    MainLinkRig rig;
    rig.link.prepare();
    Conversation& running = rig.link.conversation();
    // While the command processes events, the user starts Excel anew and Excel is busy.
    rig.onEvents = [&] {
        rig.fake().answer("Status", "Busy");
        rig.link.prepare();
    };

    EXPECT_EQ(errorOf([&] { running.putCell(1, 1, "Eingabe:", Dialect::excelXP); }), "Excel antwortet nicht");

    EXPECT_NE(&rig.link.conversation(), &running);
    EXPECT_TRUE(rig.link.conversation().connected());
    EXPECT_EQ(errorOf([&] { running.putCell(1, 1, "Eingabe:", Dialect::excelXP); }), "Keine Verbindung zu Excel möglich");
}

TEST(LinkPrepare, FailureToStartReachesTheCaller)
{
    MainLinkRig rig;
    rig.link.conversation();
    rig.fake().serverRunning = false;

    EXPECT_EQ(errorOf([&] { rig.link.prepare(); }), "Excel kann nicht gestartet werden.");
    EXPECT_EQ(rig.timer.starts, 0);
}

TEST(LinkCloseWatch, ReportsEachClosingByExcelOnceAfterItIsArmed)
{
    MainLinkRig rig;
    rig.link.prepare();
    rig.fake().closeFromServer();  // within the first second: not armed yet
    EXPECT_TRUE(rig.messages.shown.empty());

    rig.link.prepare();
    rig.timer.fire();
    EXPECT_FALSE(rig.timer.running());
    rig.fake().closeFromServer();
    rig.fake().closeFromServer();  // already closed: no second closing
    EXPECT_EQ(rig.messages.shown, Log{"Excel ist geschlossen worden!"});

    rig.link.prepare();
    rig.timer.fire();
    rig.fake().closeFromServer();
    EXPECT_EQ(rig.messages.shown.size(), 2u);
}

TEST(LinkSelection, SetsTheOffsetsFromTheFirstSelectedCell)
{
    MainLinkRig rig;
    rig.link.prepare();
    rig.fake().answer("SELECTION", "[Mappe1]Tabelle1!Z12S3:Z14S5");

    rig.link.readSelection();

    EXPECT_EQ(rig.link.rowOffset(), 11);
    EXPECT_EQ(rig.link.columnOffset(), 2);
}

TEST(LinkSelection, AnswerWithoutCellIsAClearErrorAndZeroesTheOffsets)
{
    MainLinkRig rig;  // not connected: the answer is "Excel antwortet nicht"
    rig.link.setOffsets(5, 6);

    EXPECT_EQ(errorOf([&] { rig.link.readSelection(); }),
              "Excel hat keine Zelle als Auswahl gemeldet, sondern: Excel antwortet nicht");
    EXPECT_EQ(rig.link.rowOffset(), 0);
    EXPECT_EQ(rig.link.columnOffset(), 0);
}

TEST(LinkClosing, ClosesTheMacroWorkbookWhenReadyAndStaysQuiet)
{
    auto rig = std::make_unique<MainLinkRig>();
    rig->link.prepare();
    rig->timer.fire();
    rig->link.conversation().openMacroBook("C:\\Prog\\daten\\makro.xls", true);
    rig->fake().executed.clear();

    rig->link.closeDown();

    EXPECT_EQ(rig->fake().executed,
              (Log{"[UNHIDE(\"makro.xls\")]", "[ACTIVATE(\"makro.xls\")]", "[CLOSE(FALSE)]"}));
    rig->fake().closeFromServer();
    EXPECT_TRUE(rig->messages.shown.empty());
}

TEST(LinkClosing, LeavesABusyExcelAlone)
{
    MainLinkRig rig;
    rig.link.prepare();
    rig.timer.fire();
    rig.link.conversation().openMacroBook("C:\\Prog\\daten\\makro.xls", true);
    rig.fake().executed.clear();
    rig.fake().answer("Status", "Busy");

    rig.link.closeDown();

    EXPECT_TRUE(rig.fake().executed.empty());
    EXPECT_TRUE(rig.messages.shown.empty());
}

} // namespace
} // namespace quillmar::spreadsheet
