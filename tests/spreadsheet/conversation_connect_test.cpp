#include "doubles/link_fakes.h"

#include <gtest/gtest.h>

namespace quillmar::spreadsheet {
namespace {

using testing::errorOf;
using testing::LinkRig;
using Log = std::vector<std::string>;

TEST(ConversationConnect, RunningExcelAnswersAtFirstAttemptWithoutLaunch)
{
    LinkRig rig;
    rig.fake->serverRunning = true;
    int opened = 0;
    rig.conversation->setOnOpen([&](Conversation& sender) {
        EXPECT_EQ(&sender, rig.conversation.get());
        ++opened;
    });

    rig.conversation->connect();
    rig.conversation->connect();  // already connected: nothing more

    EXPECT_EQ(rig.fake->log, Log{"connect EXCEL|System"});
    EXPECT_TRUE(rig.conversation->connected());
    EXPECT_EQ(opened, 1);
}

TEST(ConversationConnect, LaunchesTheProgramWhenNobodyAnswers)
{
    LinkRig rig;
    rig.fake->launchable = {"Excel"};

    rig.conversation->connect();

    EXPECT_EQ(rig.fake->log, (Log{"connect EXCEL|System -> refused", "launch Excel", "connect EXCEL|System"}));
    EXPECT_TRUE(rig.conversation->connected());
}

TEST(ConversationConnect, FallsBackToTheRegistryThenToProcessingEvents)
{
    LinkRig rig;
    rig.registry->values = {{".XLS", "Excel.Sheet.8"},
                            {"Excel.Sheet.8\\Shell\\Open\\Command", "\"C:\\Office\\EXCEL.EXE\" /e"}};
    rig.existingFiles = {"C:\\OFFICE\\EXCEL.EXE"};
    rig.fake->launchable = {"C:\\OFFICE\\EXCEL"};

    rig.conversation->connect();

    EXPECT_EQ(rig.fake->log, (Log{"connect EXCEL|System -> refused", "launch Excel -> failed",
                                  "connect EXCEL|System -> refused", "launch C:\\OFFICE\\EXCEL",
                                  "connect EXCEL|System"}));
    EXPECT_EQ(rig.conversation->programName(), "C:\\OFFICE\\EXCEL");
    EXPECT_EQ(rig.eventRounds, 0);
}

TEST(ConversationConnect, LastAttemptFollowsOneRoundOfEvents)
{
    LinkRig rig;
    rig.onEvents = [&] { rig.fake->serverRunning = true; };  // e.g. Excel finished starting meanwhile

    rig.conversation->connect();

    EXPECT_EQ(rig.eventRounds, 1);
    EXPECT_EQ(rig.fake->log.size(), 5u);
    EXPECT_EQ(rig.fake->log.back(), "connect EXCEL|System");
    EXPECT_TRUE(rig.conversation->connected());
}

TEST(ConversationConnect, FailsWhenExcelCannotBeStarted)
{
    LinkRig rig;

    EXPECT_EQ(errorOf([&] { rig.conversation->connect(); }), "Excel kann nicht gestartet werden.");
    EXPECT_EQ(rig.fake->log.size(), 6u);  // three attempts, each a connect and a launch
    EXPECT_EQ(rig.eventRounds, 1);
    EXPECT_FALSE(rig.conversation->connected());
}

struct LocateCase {
    const char* name;
    std::map<std::string, std::string> registry;
    std::set<std::string> files;
    std::string programName;
};

TEST(ConversationRegistryLookup, TakesTheProgramFromTheRegistryOnlyWhenItIsThere)
{
    const std::string key = "Excel.Sheet.8\\Shell\\Open\\Command";
    const std::vector<LocateCase> cases = {
        {"quotes and switch", {{".XLS", "Excel.Sheet.8"}, {key, "\"C:\\Office\\EXCEL.EXE\" /e"}},
         {"C:\\OFFICE\\EXCEL.EXE"}, "C:\\OFFICE\\EXCEL"},
        {"lower case without quotes", {{".XLS", "Excel.Sheet.8"}, {key, "c:\\programme\\excel.exe /dde"}},
         {"C:\\PROGRAMME\\EXCEL.EXE"}, "C:\\PROGRAMME\\EXCEL"},
        {"class without capital E", {{".XLS", "xlsfile"}, {"xlsfile\\Shell\\Open\\Command", "C:\\EXCEL.EXE"}},
         {"C:\\EXCEL.EXE"}, "Excel"},
        {"no class", {}, {"C:\\OFFICE\\EXCEL.EXE"}, "Excel"},
        {"no command", {{".XLS", "Excel.Sheet.8"}}, {"C:\\OFFICE\\EXCEL.EXE"}, "Excel"},
        {"file missing", {{".XLS", "Excel.Sheet.8"}, {key, "\"C:\\Office\\EXCEL.EXE\" /e"}}, {}, "Excel"},
        {"another program", {{".XLS", "Excel.Sheet.8"}, {key, "C:\\calc\\scalc.exe -o \"%1\""}},
         {"C:\\CALC\\SCALC.EXE", "C:\\CALC\\"}, "Excel"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        rig.registry->values = c.registry;
        rig.existingFiles = c.files;
        rig.conversation->locateExcel();
        EXPECT_EQ(rig.conversation->programName(), c.programName);
    }
}

TEST(ConversationProperties, StartWithTheirDefaults)
{
    LinkRig rig;
    EXPECT_EQ(rig.conversation->programName(), "Excel");
    EXPECT_EQ(rig.conversation->waitAfter(), 500);
    EXPECT_FALSE(rig.conversation->connected());
    EXPECT_EQ(rig.conversation->macroBookPath(), "");
    EXPECT_EQ(rig.conversation->macroBookName(), "");
    EXPECT_EQ(rig.conversation->commandCount(), 0);
}

TEST(ConversationProperties, ProgramNameLosesItsExtensionAndClosesTheConversation)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Excel", "Excel"},
        {"C:\\OFFICE\\EXCEL.EXE", "C:\\OFFICE\\EXCEL"},
        {"C:\\Office.11\\excel", "C:\\Office.11\\excel"},
        {"/opt/tab.calc/run.sh", "/opt/tab.calc/run"},
    };
    for (const auto& [value, stored] : cases) {
        LinkRig rig;
        rig.connectReady();
        int closed = 0;
        rig.conversation->setOnClose([&](Conversation&) { ++closed; });

        rig.conversation->setProgramName(value);

        EXPECT_EQ(rig.conversation->programName(), stored);
        EXPECT_FALSE(rig.conversation->connected());
        EXPECT_EQ(closed, 1);
    }
}

TEST(ConversationNotifications, ClosingFromEitherSideClearsStateAndTellsTheCloseHandler)
{
    LinkRig rig;
    rig.connectReady();
    rig.conversation->openMacroBook("C:\\Prog\\daten\\makro.xls", true);
    std::vector<std::string> seen;
    rig.conversation->setOnClose([&](Conversation& sender) {
        seen.push_back(sender.connected() ? "verbunden" : "getrennt");
        seen.push_back(sender.macroBookName());
    });

    rig.fake->closeFromServer();
    EXPECT_EQ(seen, (std::vector<std::string>{"getrennt", ""}));
    EXPECT_EQ(rig.conversation->macroBookPath(), "");

    rig.conversation->connect();
    rig.conversation->disconnect();
    rig.conversation->connect();
    rig.conversation.reset();  // destroying the component closes its conversation too
    EXPECT_EQ(seen.size(), 6u);
}

} // namespace
} // namespace quillmar::spreadsheet
