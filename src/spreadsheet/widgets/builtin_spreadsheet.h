#pragma once
// The built-in spreadsheet as the program runs it: the server, its window, the
// automatic saving after every command sequence and at the end, and the
// clipboard picture for the macro "grafikeinfuegen". The main window creates
// one and makes its link components talk to it.
#include "spreadsheet/server/server_transport.h"
#include "spreadsheet/server/spreadsheet_server.h"
#include "spreadsheet/server/workbook_saver.h"
#include "spreadsheet/conversation.h"
#include "support/messages.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace quillmar::spreadsheet {

class SheetWindow;

// Restarts a short single-shot timer on every request: the task runs once the
// burst of commands is over and the program is idle again.
class QtSaveScheduler final : public server::SaveScheduler {
public:
    QtSaveScheduler();
    void schedule(std::function<void()> task) override;
    void flush(); // runs a waiting task now

private:
    QTimer timer_;
    std::function<void()> task_;
};

// The system clipboard's image, as PNG.
class QtClipboardPicture final : public server::ClipboardPicture {
public:
    std::optional<server::ClipboardImage> picture() override;
};

class BuiltinSpreadsheet final : public QObject {
    Q_OBJECT
public:
    explicit BuiltinSpreadsheet(Messages& messages, QObject* parent = nullptr);
    // Saves what is unsaved.
    ~BuiltinSpreadsheet() override;

    server::SpreadsheetServer& server() { return server_; }
    server::WorkbookSaver& saver() { return saver_; }
    SheetWindow& window() { return *window_; }

    // A new conversation with this spreadsheet, for a link component.
    std::unique_ptr<Transport> makeTransport();

    // Saves every changed workbook now (the program is ending).
    void saveAll();

private:
    Messages& messages_;
    server::SpreadsheetServer server_;
    QtSaveScheduler scheduler_;
    QtClipboardPicture clipboard_;
    server::WorkbookSaver saver_;
    std::unique_ptr<SheetWindow> window_;
};

} // namespace quillmar::spreadsheet
