#include "doubles/link_fakes.h"

#include <gtest/gtest.h>

#include <utility>

namespace quillmar::spreadsheet {
namespace {

using testing::errorOf;
using testing::LinkRig;
using Log = std::vector<std::string>;

// A connected link whose main-window handlers count what they hear.
struct CellReadRig : LinkRig {
    CellReadRig()
    {
        connectReady();
        fake->sheetTopics = {"[Mappe1]Tabelle1"};
        conversation->setOnOpen([this](Conversation&) { ++opened; });
        conversation->setOnClose([this](Conversation&) { ++closed; });
    }
    int opened = 0;
    int closed = 0;
};

TEST(ConversationCellRead, ReadsOnTheSheetTopicAndReturnsToSystem)
{
    CellReadRig rig;
    rig.fake->answer("Selection", "[Mappe1]Tabelle1!Z3S2");
    rig.fake->answer("Z4S3", "12,5\r\n", "[Mappe1]Tabelle1");
    rig.conversation->openMacroBook("C:\\Prog\\daten\\makro.xls", true);
    rig.fake->log.clear();

    EXPECT_EQ(rig.conversation->getCell(4, 3), "12,5\r\n");

    EXPECT_EQ(rig.fake->log, (Log{"request Selection @System", "connect Excel|[Mappe1]Tabelle1",
                                  "request Z4S3 @[Mappe1]Tabelle1", "connect Excel|System"}));
    EXPECT_EQ(rig.fake->topic(), "System");
    EXPECT_TRUE(rig.conversation->connected());
    EXPECT_EQ(rig.opened + rig.closed, 0);  // the switches stay inside the component

    // The handlers are back, and the macro workbook is no longer remembered.
    EXPECT_EQ(rig.conversation->macroBookName(), "");
    rig.fake->executed.clear();
    rig.conversation->openMacroBook("C:\\Prog\\daten\\makro.xls", true);
    EXPECT_EQ(rig.fake->executed.front(), "[OPEN(\"C:\\Prog\\daten\\makro.xls\")]");
    rig.fake->closeFromServer();
    EXPECT_EQ(rig.closed, 1);
}

TEST(ConversationCellRead, WithoutSheetFailsAndStillReturnsToSystem)
{
    CellReadRig rig;  // "Selection" is unanswered: "Excel antwortet nicht"

    EXPECT_EQ(errorOf([&] { rig.conversation->getCell(1, 1); }), "Tabelle ist nicht geöffnet");

    EXPECT_EQ(rig.fake->log.back(), "connect Excel|System");
    EXPECT_EQ(rig.fake->topic(), "System");
    EXPECT_TRUE(rig.conversation->connected());
    rig.fake->closeFromServer();
    EXPECT_EQ(rig.closed, 1);
}

TEST(ConversationCellRead, KeepsAHandlerSetWhileItRuns)
{
    CellReadRig rig;
    rig.fake->answer("Selection", "[Mappe1]Tabelle1!Z1S1");
    int armed = 0;
    bool done = false;
    rig.onEvents = [&] {  // e.g. the close watch arming meanwhile
        if (!std::exchange(done, true))
            rig.conversation->setOnClose([&](Conversation&) { ++armed; });
    };

    rig.conversation->getCell(1, 1);
    rig.onEvents = nullptr;
    rig.fake->closeFromServer();

    EXPECT_EQ(armed, 1);
    EXPECT_EQ(rig.closed, 0);
}

TEST(ConversationCellRead, UnknownSheetTopicGivesNoAnswerText)
{
    CellReadRig rig;
    rig.fake->answer("Selection", "[Mappe2]Tabelle9!Z1S1");

    EXPECT_EQ(rig.conversation->getCell(1, 1), "Excel antwortet nicht");

    EXPECT_EQ(rig.fake->log.back(), "connect Excel|System");
    EXPECT_TRUE(rig.conversation->connected());
}

} // namespace
} // namespace quillmar::spreadsheet
