#include "spreadsheet/conversation.h"

#include "spreadsheet/commands.h"
#include "spreadsheet/link_error.h"
#include "spreadsheet/texts.h"
#include "support/text.h"

#include <filesystem>

namespace quillmar::spreadsheet {
namespace {

bool isPathDelimiter(char c)
{
    return c == '\\' || c == '/' || c == ':';
}

// The name without its last extension; a dot in a folder name does not count.
std::string withoutExtension(const std::string& path)
{
    for (std::size_t i = path.size(); i-- > 0;) {
        if (isPathDelimiter(path[i]))
            break;
        if (path[i] == '.')
            return path.substr(0, i);
    }
    return path;
}

std::string fileNamePart(const std::string& path)
{
    for (std::size_t i = path.size(); i-- > 0;)
        if (isPathDelimiter(path[i]))
            return path.substr(i + 1);
    return path;
}

} // namespace

Conversation::Conversation(std::unique_ptr<Transport> transport, ConversationServices services)
    : transport_(std::move(transport)), services_(std::move(services))
{
    if (!services_.processEvents)
        services_.processEvents = [] {};
    if (!services_.registry)
        services_.registry = systemRegistry();
    if (!services_.fileExists)
        services_.fileExists = [](const std::string& path) {
            std::error_code ec;
            return std::filesystem::is_regular_file(std::filesystem::u8path(path), ec);
        };
    if (!services_.clock)
        services_.clock = std::make_shared<SteadyClock>();
    transport_->setListener(this);
}

Conversation::~Conversation()
{
    try {
        if (transport_->isOpen())
            transport_->disconnect();
    } catch (...) {
        // Nothing may escape a destructor; the conversation is given up anyway.
    }
    transport_->setListener(nullptr);
}

void Conversation::setProgramName(const std::string& value)
{
    if (transport_->isOpen())
        transport_->disconnect();
    programName_ = withoutExtension(value);
}

void Conversation::conversationOpened()
{
    connected_ = true;
    if (onOpen_ && quietDepth_ == 0)
        onOpen_(*this);
}

void Conversation::conversationClosed()
{
    // State first: the handler may show a message box and so run other user commands.
    connected_ = false;
    macroBookName_.clear();
    macroBookPath_.clear();
    if (onClose_ && quietDepth_ == 0)
        onClose_(*this);
}

void Conversation::processEvents()
{
    services_.processEvents();
}

bool Conversation::openConversation(const std::string& service, const std::string& topic)
{
    if (transport_->connect(service, topic))
        return true;
    if (programName_.empty() || !transport_->launch(programName_))
        return false;
    return transport_->connect(service, topic);
}

void Conversation::connect()
{
    if (connected_)
        return;
    const std::string service(commands::kService);
    const std::string topic(commands::kSystemTopic);
    if (openConversation(service, topic))
        return;
    locateExcel();
    if (openConversation(service, topic))
        return;
    processEvents();
    if (openConversation(service, topic))
        return;
    throw LinkError(std::string(texts::kCannotStart));
}

void Conversation::disconnect()
{
    if (connected_)
        transport_->disconnect();
}

void Conversation::locateExcel()
{
    const auto fileClass = services_.registry->classesRootDefault(".XLS");
    if (!fileClass || fileClass->find('E') == std::string::npos)
        return;
    const auto commandLine = services_.registry->classesRootDefault(*fileClass + "\\Shell\\Open\\Command");
    if (!commandLine)
        return;
    std::string program = text::upperAscii(*commandLine);
    static constexpr std::string_view kProgramFile = "EXCEL.EXE";
    const auto at = program.find(kProgramFile);
    if (at == std::string::npos)
        return;
    program.erase(at + kProgramFile.size());
    if (!commandLine->empty() && commandLine->front() == '"')
        program.erase(0, 1);
    if (services_.fileExists(program))
        setProgramName(program);
}

std::string Conversation::request(const std::string& item)
{
    processEvents();
    if (!transport_->isOpen())
        return std::string(texts::kNoAnswer);
    auto answer = transport_->request(item, kRequestTimeoutMs);
    if (!answer)
        return std::string(texts::kNoAnswer);
    return std::move(*answer);
}

bool Conversation::isReady()
{
    return request(std::string(commands::kItemStatus)) == commands::kStatusReady;
}

void Conversation::waitReady()
{
    processEvents();
    commandCount_ = 0;
    const auto start = services_.clock->now();
    while (!isReady()) {
        // Without a conversation Excel can never report ready again.
        if (!transport_->isOpen() || services_.clock->now() - start >= kReadyTimeLimit)
            throw LinkError(std::string(texts::kNoAnswer));
        services_.clock->pause(kPollInterval);
    }
}

void Conversation::execute(const std::string& command)
{
    if (!connected_)
        throw LinkError(std::string(texts::kNoConnection));
    if (text::length(command) > commands::kMaxCommandLength)
        throw LinkError(std::string(texts::kCommandTooLong) + text::left(command, 60) + " …");

    ++commandCount_;
    if (commandCount_ < waitAfter_)
        processEvents();
    else
        waitReady();

    if (transport_->execute(command, false))
        return;
    waitReady();
    if (transport_->execute(command, true))
        return;
    throw LinkError("\"" + command + "\"" + std::string(texts::kCommandFailedSuffix));
}

void Conversation::runMacro(const std::string& name)
{
    if (macroBookName_.empty())
        throw LinkError(std::string(texts::kMacroBookNotOpen));
    execute(commands::run(macroBookName_, name));
}

void Conversation::putCell(int row, int column, const std::string& text, Dialect dialect)
{
    execute(commands::formula(text, absoluteReference(row, column, dialect)));
}

std::string Conversation::getCell(int row, int column)
{
    // The topic switches below close and open the conversation; the handlers
    // (the main window's) hear nothing of them. A handler set meanwhile stays.
    ++quietDepth_;
    const auto backToSystem = [&] {
        transport_->connect(std::string(commands::kServiceCellRead), std::string(commands::kSystemTopic));
        --quietDepth_;
    };

    std::string answer;
    try {
        const std::string selection = request(std::string(commands::kItemSelection));
        const auto bang = selection.find('!');
        if (bang == std::string::npos)
            throw LinkError(std::string(texts::kSheetNotOpen));
        if (transport_->connect(std::string(commands::kServiceCellRead), selection.substr(0, bang)))
            answer = request(commands::cellItem(row, column));
        else
            answer = texts::kNoAnswer;
    } catch (...) {
        backToSystem();
        throw;
    }
    backToSystem();
    return answer;
}

void Conversation::openMacroBook(const std::string& path, bool hide)
{
    if (path == macroBookPath_)
        return;
    closeMacroBook();
    execute(commands::open(path));
    if (hide)
        execute(std::string(commands::kHide));
    macroBookPath_ = path;
    macroBookName_ = fileNamePart(path);
}

void Conversation::closeMacroBook()
{
    if (macroBookName_.empty())
        return;
    try {
        execute(commands::unhide(macroBookName_));
        execute(commands::activate(macroBookName_));
        execute(std::string(commands::kCloseWithoutSaving));
    } catch (...) {
        macroBookName_.clear();
        macroBookPath_.clear();
        throw;
    }
    macroBookName_.clear();
    macroBookPath_.clear();
}

void Conversation::raiseWindow()
{
    execute(std::string(commands::kMinimizeApp));
    execute(std::string(commands::kRestoreApp));
    commandCount_ = 0;
}

void Conversation::restoreWindow()
{
    execute(std::string(commands::kRestoreApp));
    commandCount_ = 0;
}

} // namespace quillmar::spreadsheet
