// Automatic saving of the built-in spreadsheet's workbooks as .xlsx.
#include "spreadsheet/server/workbook_saver.h"
#include "server_fixture.h"

#include <gtest/gtest.h>

namespace quillmar::spreadsheet::server {
namespace {

using testing::ServerSession;
using testing::TempFolder;

// Keeps the task; the test decides when the command sequence has ended.
struct ManualScheduler : SaveScheduler {
    std::function<void()> pending;
    int requests = 0;
    void schedule(std::function<void()> task) override
    {
        pending = std::move(task);
        ++requests;
    }
    void runPending()
    {
        auto task = std::move(pending);
        pending = nullptr;
        if (task)
            task();
    }
};

std::vector<std::string> filesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool isXlsx(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    char head[2] = {};
    return in.read(head, 2) && head[0] == 'P' && head[1] == 'K';
}

TEST(ServerSaving, SavesChangedWorkbooksWhenTheSequenceEnds)
{
    TempFolder folder("quillmar-save");
    ServerSession c;
    ManualScheduler scheduler;
    RecordingMessages messages;
    WorkbookSaver saver(c.server, scheduler, messages);
    saver.setFolder(folder.path / "Quillmar-Mappen");

    // A workbook left by an earlier session is not overwritten.
    std::filesystem::create_directories(saver.folder());
    testing::writeFile(saver.folder() / "Mappe2.xlsx", "alt");

    ASSERT_TRUE(c.exec("[New(1)]"));
    ASSERT_TRUE(c.exec("[FORMULA(\"12,5\",\"Z3S2\")]"));
    ASSERT_TRUE(c.exec("[FORMULA(\"=Z(-1)S*2\",\"Z4S2\")]"));
    EXPECT_GE(scheduler.requests, 3);
    scheduler.runPending();

    // The untouched Mappe1 is not written; Mappe2 gets a free name.
    EXPECT_EQ(filesIn(saver.folder()), (std::vector<std::string>{"Mappe2 (2).xlsx", "Mappe2.xlsx"}));
    EXPECT_TRUE(isXlsx(saver.folder() / "Mappe2 (2).xlsx"));
    EXPECT_EQ(std::filesystem::file_size(saver.folder() / "Mappe2.xlsx"), 3u);
    EXPECT_FALSE(c.server.findWorkbook("Mappe2")->changed);

    // Later sequences go to the same file; nothing unchanged is rewritten.
    ASSERT_TRUE(c.exec("[FORMULA(\"7\",\"Z3S2\")]"));
    scheduler.runPending();
    EXPECT_EQ(filesIn(saver.folder()).size(), 2u);
    EXPECT_TRUE(saver.saveChanged());
    EXPECT_TRUE(messages.shown.empty());
}

TEST(ServerSaving, ClosingAChangedWorkbookSavesItFirst)
{
    TempFolder folder("quillmar-close");
    ServerSession c;
    ManualScheduler scheduler;
    RecordingMessages messages;
    WorkbookSaver saver(c.server, scheduler, messages);
    saver.setFolder(folder.path);
    ASSERT_TRUE(c.exec("[FORMULA(\"Titel\",\"Z1S1\")]"));
    ASSERT_TRUE(c.exec("[CLOSE(FALSE)]"));
    EXPECT_EQ(filesIn(folder.path), (std::vector<std::string>{"Mappe1.xlsx"}));
}

TEST(ServerSaving, AFailedSaveIsReportedOnceAndKeepsTheChanges)
{
    TempFolder folder("quillmar-fail");
    testing::writeFile(folder.path / "Datei", "kein Ordner");
    ServerSession c;
    ManualScheduler scheduler;
    RecordingMessages messages;
    WorkbookSaver saver(c.server, scheduler, messages);
    saver.setFolder(folder.path / "Datei" / "Mappen");

    ASSERT_TRUE(c.exec("[FORMULA(\"1\",\"Z1S1\")]"));
    scheduler.runPending();
    ASSERT_TRUE(c.exec("[FORMULA(\"2\",\"Z1S1\")]"));
    scheduler.runPending();
    EXPECT_FALSE(saver.saveChanged());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].rfind("Die Mappe kann nicht gespeichert werden: ", 0), 0u) << messages.shown[0];
    EXPECT_TRUE(c.server.findWorkbook("Mappe1")->changed);

    // Once the folder can be made, the next save succeeds.
    saver.setFolder(folder.path / "Mappen");
    EXPECT_TRUE(saver.saveChanged());
    EXPECT_EQ(filesIn(folder.path / "Mappen"), (std::vector<std::string>{"Mappe1.xlsx"}));
}

TEST(ServerSaving, PicturesAreEmbeddedAndAnUnreadableOneDoesNotCostTheSave)
{
    TempFolder folder("quillmar-pictures");
    ServerSession c;
    testing::FakeClipboard clipboard;
    c.server.setClipboard(&clipboard);
    ManualScheduler scheduler;
    RecordingMessages messages;
    WorkbookSaver saver(c.server, scheduler, messages);
    saver.setFolder(folder.path);
    testing::writeFile(folder.path / "m.xls", "PK\x03\x04");
    ASSERT_TRUE(c.exec("[OPEN(\"" + (folder.path / "m.xls").string() + "\")]"));
    ASSERT_TRUE(c.exec("[HIDE()]"));
    ASSERT_TRUE(c.exec("[FORMULA(\"Bild\",\"Z1S1\")]"));
    clipboard.image = ClipboardImage{testing::kRedSquarePng, 2, 2};
    ASSERT_TRUE(c.exec("[SELECT(\"Z3S1\")]"));
    ASSERT_TRUE(c.exec("[RUN(\"m.xls!grafikeinfuegen\";FALSE)]"));
    clipboard.image = ClipboardImage{"kein Bild", 2, 2};
    ASSERT_TRUE(c.exec("[SELECT(\"Z9S1\")]"));
    ASSERT_TRUE(c.exec("[RUN(\"m.xls!grafikeinfuegen\";FALSE)]"));

    ASSERT_TRUE(saver.saveChanged());
    std::ifstream in(folder.path / "Mappe1.xlsx", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(bytes.find("xl/media/image1.png"), std::string::npos);
    EXPECT_EQ(bytes.find("xl/media/image2"), std::string::npos);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(ServerSaving, SaveAsReplacesAnExistingFileWholeAndLeavesNoTemporaryFile)
{
    TempFolder folder("quillmar-saveas");
    ServerSession c;
    ManualScheduler scheduler;
    RecordingMessages messages;
    WorkbookSaver saver(c.server, scheduler, messages);
    ASSERT_TRUE(c.exec("[FORMULA(\"=WURZEL(2)\",\"Z1S1\")]"));
    testing::writeFile(folder.path / "Ergebnis.xlsx", "alt");
    EXPECT_EQ(saver.saveAs(*c.server.findWorkbook("Mappe1"), folder.path / "Ergebnis.xlsx"), "");
    EXPECT_TRUE(isXlsx(folder.path / "Ergebnis.xlsx"));
    EXPECT_EQ(filesIn(folder.path), (std::vector<std::string>{"Ergebnis.xlsx"}));
    EXPECT_NE(saver.saveAs(*c.server.findWorkbook("Mappe1"), folder.path / "fehlt" / "x.xlsx"), "");
    EXPECT_EQ(filesIn(folder.path), (std::vector<std::string>{"Ergebnis.xlsx"}));
}

} // namespace
} // namespace quillmar::spreadsheet::server
