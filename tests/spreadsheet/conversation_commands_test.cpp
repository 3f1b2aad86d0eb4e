#include "doubles/link_fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quillmar::spreadsheet {
namespace {

using testing::errorOf;
using testing::LinkRig;
using Log = std::vector<std::string>;

TEST(ConversationRequest, AnswersOrSaysThatExcelDoesNotAnswer)
{
    LinkRig rig;
    EXPECT_EQ(rig.conversation->request("Status"), "Excel antwortet nicht");  // no conversation

    rig.connectReady();
    rig.fake->answer("Selection", "[Mappe1]Tabelle1!Z1S1");
    const int roundsBefore = rig.eventRounds;
    EXPECT_EQ(rig.conversation->request("Selection"), "[Mappe1]Tabelle1!Z1S1");
    EXPECT_EQ(rig.eventRounds, roundsBefore + 1);
    EXPECT_EQ(rig.fake->lastRequestTimeoutMs, 10000);
    EXPECT_EQ(rig.conversation->request("Z9S9"), "Excel antwortet nicht");  // no data
}

TEST(ConversationRequest, IsReadyOnlyOnExactlyReady)
{
    const std::vector<std::pair<std::string, bool>> cases = {
        {"Ready", true}, {"ready", false}, {"Busy", false}, {"Ready\r\n", false}};
    for (const auto& [status, ready] : cases) {
        LinkRig rig;
        rig.connectReady();
        rig.fake->answer("Status", status);
        EXPECT_EQ(rig.conversation->isReady(), ready) << status;
    }
}

TEST(ConversationWaitForReady, PollsUntilReadyAndResetsTheCount)
{
    LinkRig rig;
    rig.connectReady();
    rig.conversation->execute("[HIDE()]");
    rig.fake->answerSequence("Status", {"Busy", "Busy", "Ready"});

    rig.conversation->waitReady();

    EXPECT_EQ(std::count(rig.fake->log.begin(), rig.fake->log.end(), "request Status @System"), 3);
    EXPECT_EQ(rig.conversation->commandCount(), 0);
}

TEST(ConversationWaitForReady, GivesUpAfterThirtySeconds)
{
    LinkRig rig;
    rig.connectReady();
    rig.fake->answer("Status", "Busy");
    const auto start = rig.clock->now();

    EXPECT_EQ(errorOf([&] { rig.conversation->waitReady(); }), "Excel antwortet nicht");

    const auto waited = rig.clock->now() - start;
    EXPECT_GE(waited, std::chrono::seconds(30));
    EXPECT_LT(waited, std::chrono::seconds(31));
}

TEST(ConversationWaitForReady, GivesUpAtOnceWithoutConversation)
{
    LinkRig rig;
    rig.connectReady();
    rig.fake->closeFromServer();
    const auto start = rig.clock->now();

    EXPECT_EQ(errorOf([&] { rig.conversation->waitReady(); }), "Excel antwortet nicht");
    EXPECT_EQ(rig.clock->now(), start);
}

TEST(ConversationExecute, WaitsForReadyOnlyAtEveryWaitAfterthCommand)
{
    LinkRig rig;
    rig.connectReady();
    for (int i = 1; i <= 499; ++i)
        rig.conversation->execute("[SELECT(\"Z" + std::to_string(i) + "S1\")]");
    EXPECT_EQ(std::count(rig.fake->log.begin(), rig.fake->log.end(), "request Status @System"), 0);
    EXPECT_EQ(rig.conversation->commandCount(), 499);

    rig.fake->log.clear();
    rig.conversation->execute("[SELECT(\"Z500S1\")]");
    EXPECT_EQ(rig.fake->log, (Log{"request Status @System", "execute [SELECT(\"Z500S1\")]"}));
    EXPECT_EQ(rig.conversation->commandCount(), 0);

    rig.conversation->setWaitAfter(2);
    rig.fake->log.clear();
    rig.conversation->execute("a");
    rig.conversation->execute("b");
    EXPECT_EQ(rig.fake->log, (Log{"execute a", "request Status @System", "execute b"}));
}

TEST(ConversationExecute, RetriesOnceWithWaitingThenFails)
{
    LinkRig rig;
    rig.connectReady();
    rig.fake->refuseExecutes = 1;
    rig.conversation->execute("[HIDE()]");
    EXPECT_EQ(rig.fake->log, (Log{"execute [HIDE()] -> refused", "request Status @System", "execute+wait [HIDE()]"}));
    EXPECT_EQ(rig.fake->executed, Log{"[HIDE()]"});

    rig.fake->refuseExecutes = 2;
    EXPECT_EQ(errorOf([&] { rig.conversation->execute("[HIDE()]"); }), "\"[HIDE()]\" Fehler ");
}

TEST(ConversationExecute, RefusesWithoutConversationOrWhenTooLong)
{
    LinkRig rig;
    EXPECT_EQ(errorOf([&] { rig.conversation->execute("[HIDE()]"); }), "Keine Verbindung zu Excel möglich");

    rig.connectReady();
    const std::string longest = "[FORMULA(\"" + std::string(235, 'x') + "\",\"Z1S1\")]";
    ASSERT_EQ(longest.size(), 255u);
    rig.conversation->execute(longest);
    std::string umlauts;  // 255 characters, more bytes
    for (int i = 0; i < 255; ++i)
        umlauts += "ä";
    rig.conversation->execute(umlauts);
    EXPECT_EQ(rig.fake->executed.size(), 2u);

    const int count = rig.conversation->commandCount();
    const std::string message = errorOf([&] { rig.conversation->execute(longest + " "); });
    EXPECT_EQ(message.rfind("Der Befehl an Excel ist länger als 255 Zeichen", 0), 0u) << message;
    EXPECT_EQ(rig.fake->executed.size(), 2u);
    EXPECT_EQ(rig.conversation->commandCount(), count);
}

TEST(ConversationCells, WrittenWithTheLettersOfTheDialect)
{
    const std::vector<std::pair<Dialect, std::string>> cases = {
        {Dialect::excelXP, "[FORMULA(\"Eingabe:\",\"Z3S2\")]"},
        {Dialect::older, "[FORMULA(\"Eingabe:\",\"R3C2\")]"},
    };
    for (const auto& [dialect, command] : cases) {
        LinkRig rig;
        rig.connectReady();
        rig.conversation->putCell(3, 2, "Eingabe:", dialect);
        EXPECT_EQ(rig.fake->executed, Log{command});
    }
}

TEST(ConversationCells, QuotesInATextAreDoubledSoItStaysOneArgument)
{
    LinkRig rig;
    rig.connectReady();
    rig.conversation->putCell(1, 1, "Länge \"l\"", Dialect::excelXP);
    rig.conversation->putCell(1, 2, "x\")][QUIT()][FORMULA(\"", Dialect::excelXP);
    EXPECT_EQ(rig.fake->executed, (Log{"[FORMULA(\"Länge \"\"l\"\"\",\"Z1S1\")]",
                                       "[FORMULA(\"x\"\")][QUIT()][FORMULA(\"\"\",\"Z1S2\")]"}));
}

TEST(ConversationMacroBook, RunMacroNeedsTheOpenedWorkbook)
{
    LinkRig rig;
    rig.connectReady();
    EXPECT_EQ(errorOf([&] { rig.conversation->runMacro("eingabe"); }), "Makro kann nicht geöffnet werden");
    EXPECT_TRUE(rig.fake->executed.empty());

    rig.conversation->openMacroBook("C:\\Prog\\daten\\makro.xls", true);
    rig.conversation->runMacro("eingabe");
    EXPECT_EQ(rig.fake->executed.back(), "[RUN(\"makro.xls!eingabe\";FALSE)]");
}

TEST(ConversationMacroBook, OpensOnceAndClosesTheOldOneFirst)
{
    LinkRig rig;
    rig.connectReady();
    rig.conversation->openMacroBook("C:\\Prog\\daten\\makro.xls", true);
    rig.conversation->openMacroBook("C:\\Prog\\daten\\makro.xls", true);
    EXPECT_EQ(rig.fake->executed, (Log{"[OPEN(\"C:\\Prog\\daten\\makro.xls\")]", "[HIDE()]"}));
    EXPECT_EQ(rig.conversation->macroBookPath(), "C:\\Prog\\daten\\makro.xls");
    EXPECT_EQ(rig.conversation->macroBookName(), "makro.xls");

    rig.fake->executed.clear();
    rig.conversation->openMacroBook("/home/anna/quillmar/daten/makro.xls", false);
    EXPECT_EQ(rig.fake->executed,
              (Log{"[UNHIDE(\"makro.xls\")]", "[ACTIVATE(\"makro.xls\")]", "[CLOSE(FALSE)]",
                   "[OPEN(\"/home/anna/quillmar/daten/makro.xls\")]"}));
    EXPECT_EQ(rig.conversation->macroBookName(), "makro.xls");
}

TEST(ConversationMacroBook, CloseForgetsTheWorkbookAlsoWhenACommandFails)
{
    LinkRig rig;
    rig.connectReady();
    rig.conversation->openMacroBook("C:\\Prog\\daten\\makro.xls", true);
    rig.fake->refuseExecutes = 2;  // UNHIDE refused twice

    EXPECT_EQ(errorOf([&] { rig.conversation->closeMacroBook(); }), "\"[UNHIDE(\"makro.xls\")]\" Fehler ");
    EXPECT_EQ(rig.conversation->macroBookName(), "");
    EXPECT_EQ(rig.conversation->macroBookPath(), "");

    rig.fake->executed.clear();
    rig.conversation->closeMacroBook();  // nothing left to close
    EXPECT_TRUE(rig.fake->executed.empty());
}

TEST(ConversationWindow, RaiseAndRestoreResetTheCount)
{
    LinkRig rig;
    rig.connectReady();
    rig.conversation->execute("[New(1)]");
    rig.conversation->raiseWindow();
    EXPECT_EQ(rig.conversation->commandCount(), 0);
    rig.conversation->execute("[New(1)]");
    rig.conversation->restoreWindow();
    EXPECT_EQ(rig.conversation->commandCount(), 0);
    EXPECT_EQ(rig.fake->executed,
              (Log{"[New(1)]", "[APP.MINIMIZE()]", "[APP.RESTORE()]", "[New(1)]", "[APP.RESTORE()]"}));
}

} // namespace
} // namespace quillmar::spreadsheet
