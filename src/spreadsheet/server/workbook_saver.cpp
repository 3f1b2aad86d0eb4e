#include "spreadsheet/server/workbook_saver.h"

#include "spreadsheet/server/server_texts.h"
#include "spreadsheet/server/xlsx_export.h"
#include "support/text.h"

namespace quillmar::spreadsheet::server {

WorkbookSaver::WorkbookSaver(SpreadsheetServer& server, SaveScheduler& scheduler, Messages& messages)
    : server_(server), scheduler_(scheduler), messages_(messages)
{
    server_.addObserver(this);
}

WorkbookSaver::~WorkbookSaver()
{
    server_.removeObserver(this);
}

void WorkbookSaver::setFolder(const std::filesystem::path& folder)
{
    if (folder == folder_)
        return;
    folder_ = folder;
    for (const auto& book : server_.workbooks()) {
        if (!book->savedAs.empty()) {
            book->savedAs.clear();
            book->changed = true;
        }
    }
}

void WorkbookSaver::contentChanged()
{
    scheduler_.schedule([this] { saveChanged(); });
}

void WorkbookSaver::workbookClosing(Workbook& book)
{
    if (book.changed)
        save(book);
}

bool WorkbookSaver::saveChanged()
{
    bool allSaved = true;
    for (const auto& book : server_.workbooks())
        if (book->changed && !save(*book))
            allSaved = false;
    if (allSaved)
        reportedFailure_ = false;
    return allSaved;
}

std::filesystem::path WorkbookSaver::freeFileFor(const Workbook& book) const
{
    const std::string stem = std::filesystem::path(book.name).stem().string();
    std::error_code ec;
    std::filesystem::path candidate = folder_ / (stem + ".xlsx");
    for (int n = 2; std::filesystem::exists(candidate, ec); ++n)
        candidate = folder_ / (stem + " (" + std::to_string(n) + ").xlsx");
    return candidate;
}

bool WorkbookSaver::save(Workbook& book)
{
    std::string error;
    if (folder_.empty()) {
        error = texts::kNoSaveFolder;
    } else {
        std::error_code ec;
        std::filesystem::create_directories(folder_, ec);
        if (ec) {
            error = text::fillIn(texts::kCannotCreateFolder, {folder_.string()});
        } else {
            if (book.savedAs.empty())
                book.savedAs = freeFileFor(book);
            error = saveXlsx(book, book.savedAs);
        }
    }
    if (error.empty()) {
        book.changed = false;
        return true;
    }
    // One message per run of failures, not one per command sequence.
    if (!reportedFailure_)
        messages_.show(text::fillIn(texts::kSaveFailed, {error}));
    reportedFailure_ = true;
    return false;
}

std::string WorkbookSaver::saveAs(Workbook& book, const std::filesystem::path& file)
{
    return saveXlsx(book, file);
}

} // namespace quillmar::spreadsheet::server
