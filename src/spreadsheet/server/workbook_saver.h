#pragma once
// Saves every workbook the user or the link changed, as .xlsx into one folder,
// whenever a command sequence has ended and when the program ends, so no block
// is ever lost. A workbook keeps the file it was first saved to; a name already
// taken in the folder (from an earlier session) gets a number: "Mappe1 (2).xlsx".
#include "spreadsheet/server/spreadsheet_server.h"
#include "support/messages.h"

#include <filesystem>
#include <functional>

namespace quillmar::spreadsheet::server {

// Runs a task once the current command sequence has ended. The program restarts
// a short single-shot timer on every call, so the task runs after the last
// command of a burst; tests run it by hand.
class SaveScheduler {
public:
    virtual ~SaveScheduler() = default;
    virtual void schedule(std::function<void()> task) = 0;
};

class WorkbookSaver final : public ServerObserver {
public:
    WorkbookSaver(SpreadsheetServer& server, SaveScheduler& scheduler, Messages& messages);
    ~WorkbookSaver() override;

    // A new folder takes every workbook: each is saved there at the next save.
    void setFolder(const std::filesystem::path& folder);
    const std::filesystem::path& folder() const { return folder_; }

    // Saves every changed workbook now; false when one could not be saved (the
    // reason has been shown). Called at program end.
    bool saveChanged();

    // "Speichern unter": writes the workbook to a file of the user's choice.
    std::string saveAs(Workbook& book, const std::filesystem::path& file);

    void contentChanged() override;
    void workbookClosing(Workbook& book) override;

private:
    bool save(Workbook& book);
    std::filesystem::path freeFileFor(const Workbook& book) const;

    SpreadsheetServer& server_;
    SaveScheduler& scheduler_;
    Messages& messages_;
    std::filesystem::path folder_;
    bool reportedFailure_ = false;
};

} // namespace quillmar::spreadsheet::server
