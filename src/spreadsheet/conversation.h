#pragma once
// Conversation: the link component. It keeps one DDE conversation with the
// spreadsheet program, sends macro commands and reads items. Every failure is
// raised as LinkError with the German text for the user.
#include "spreadsheet/dialect.h"
#include "spreadsheet/transport.h"
#include "spreadsheet/link_clock.h"
#include "spreadsheet/registry_reader.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace quillmar::spreadsheet {

// What the link component needs from its surroundings.
struct ConversationServices {
    // Processes pending user-interface events (nothing in core tests).
    std::function<void()> processEvents;
    // Where locateExcel() looks up EXCEL.EXE.
    std::shared_ptr<const RegistryReader> registry;
    // Whether a program file exists (locateExcel() takes only an existing one).
    std::function<bool(const std::string& path)> fileExists;
    std::shared_ptr<Clock> clock;
};

class Conversation final : private TransportListener {
public:
    using Notification = std::function<void(Conversation& sender)>;

    // Time-out of a request transaction.
    static constexpr int kRequestTimeoutMs = 10000;
    // waitReady() gives up when Excel has not reported "Ready" for this long.
    static constexpr std::chrono::milliseconds kReadyTimeLimit{30000};
    // Pause between two polls of waitReady().
    static constexpr std::chrono::milliseconds kPollInterval{20};

    // A service left empty is the real machine's: no event processing, the
    // system registry, the file system, the steady clock.
    explicit Conversation(std::unique_ptr<Transport> transport, ConversationServices services = {});
    // Closes the conversation (the close handler hears of it).
    ~Conversation() override;
    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;

    // The program launched when no server answers. Assigning closes the
    // conversation and stores the value without its file extension.
    const std::string& programName() const { return programName_; }
    void setProgramName(const std::string& value);

    // Number of commands after which execute() waits until Excel reports ready.
    int waitAfter() const { return waitAfter_; }
    void setWaitAfter(int value) { waitAfter_ = value; }

    const Notification& onOpen() const { return onOpen_; }
    void setOnOpen(Notification handler) { onOpen_ = std::move(handler); }
    const Notification& onClose() const { return onClose_; }
    void setOnClose(Notification handler) { onClose_ = std::move(handler); }

    bool connected() const { return connected_; }
    const std::string& macroBookPath() const { return macroBookPath_; }
    const std::string& macroBookName() const { return macroBookName_; }
    int commandCount() const { return commandCount_; }

    // Opens the conversation with EXCEL/System, starting Excel when needed.
    void connect();
    void disconnect();
    // Takes EXCEL.EXE from the registry as the program name when that file exists.
    void locateExcel();

    // The answer to an item on the current topic, or "Excel antwortet nicht".
    std::string request(const std::string& item);
    bool isReady();
    // Waits, processing events, until Excel reports ready; gives up with
    // "Excel antwortet nicht" after kReadyTimeLimit or when the conversation is gone.
    void waitReady();
    // Sends one macro command of at most 255 characters.
    void execute(const std::string& command);

    void runMacro(const std::string& name);
    // Writes text (value, label or formula) into the cell of the active sheet,
    // addressed in the dialect's letters.
    void putCell(int row, int column, const std::string& text, Dialect dialect);
    // The value text of a cell on the sheet that holds Excel's selection.
    std::string getCell(int row, int column);
    void openMacroBook(const std::string& path, bool hide);
    void closeMacroBook();
    // Brings Excel's window to the front.
    void raiseWindow();
    void restoreWindow();

private:
    void conversationOpened() override;
    void conversationClosed() override;

    // Connects to service and topic, launching the program once when nobody answers.
    bool openConversation(const std::string& service, const std::string& topic);
    void processEvents();

    std::unique_ptr<Transport> transport_;
    ConversationServices services_;

    std::string programName_ = "Excel";
    int waitAfter_ = 500;
    Notification onOpen_;
    Notification onClose_;

    bool connected_ = false;
    std::string macroBookPath_;
    std::string macroBookName_;
    int commandCount_ = 0;
    // While above zero, opening and closing call no handler (getCell()'s topic switches).
    int quietDepth_ = 0;
};

} // namespace quillmar::spreadsheet
