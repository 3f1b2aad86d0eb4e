#include "excel/texcel.h"

#include "excel/commands.h"
#include "excel/excel_error.h"
#include "excel/reference_letters.h"
#include "excel/texts.h"
#include "support/text.h"

#include <filesystem>

namespace quillmar::excel {
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

TExcel::TExcel(std::unique_ptr<DdeTransport> transport, ExcelServices services)
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

TExcel::~TExcel()
{
    try {
        if (transport_->isOpen())
            transport_->disconnect();
    } catch (...) {
        // Nothing may escape a destructor; the conversation is given up anyway.
    }
    transport_->setListener(nullptr);
}

void TExcel::setExeName(const std::string& value)
{
    if (transport_->isOpen())
        transport_->disconnect();
    exeName_ = withoutExtension(value);
}

void TExcel::conversationOpened()
{
    connected_ = true;
    if (onOpen_ && quietDepth_ == 0)
        onOpen_(*this);
}

void TExcel::conversationClosed()
{
    // State first: the handler may show a message box and so run other user commands.
    connected_ = false;
    macroBookName_.clear();
    macroBookPath_.clear();
    if (onClose_ && quietDepth_ == 0)
        onClose_(*this);
}

void TExcel::processEvents()
{
    services_.processEvents();
}

bool TExcel::openConversation(const std::string& service, const std::string& topic)
{
    if (transport_->connect(service, topic))
        return true;
    if (exeName_.empty() || !transport_->launch(exeName_))
        return false;
    return transport_->connect(service, topic);
}

void TExcel::Connect()
{
    if (connected_)
        return;
    const std::string service(commands::kService);
    const std::string topic(commands::kSystemTopic);
    if (openConversation(service, topic))
        return;
    LocateExcel();
    if (openConversation(service, topic))
        return;
    processEvents();
    if (openConversation(service, topic))
        return;
    throw ExcelError(std::string(texts::kCannotStart));
}

void TExcel::Disconnect()
{
    if (connected_)
        transport_->disconnect();
}

void TExcel::LocateExcel()
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
        setExeName(program);
}

std::string TExcel::Request(const std::string& item)
{
    processEvents();
    if (!transport_->isOpen())
        return std::string(texts::kNoAnswer);
    auto answer = transport_->request(item, kRequestTimeoutMs);
    if (!answer)
        return std::string(texts::kNoAnswer);
    return std::move(*answer);
}

bool TExcel::IsReady()
{
    return Request(std::string(commands::kItemStatus)) == commands::kStatusReady;
}

void TExcel::WaitReady()
{
    processEvents();
    commandCount_ = 0;
    const auto start = services_.clock->now();
    while (!IsReady()) {
        // Without a conversation Excel can never report ready again.
        if (!transport_->isOpen() || services_.clock->now() - start >= kReadyTimeLimit)
            throw ExcelError(std::string(texts::kNoAnswer));
        services_.clock->pause(kPollInterval);
    }
}

void TExcel::Exec(const std::string& command)
{
    if (!connected_)
        throw ExcelError(std::string(texts::kNoConnection));
    if (text::length(command) > commands::kMaxCommandLength)
        throw ExcelError(std::string(texts::kCommandTooLong) + text::left(command, 60) + " …");

    ++commandCount_;
    if (commandCount_ < waitAfter_)
        processEvents();
    else
        WaitReady();

    if (transport_->execute(command, false))
        return;
    WaitReady();
    if (transport_->execute(command, true))
        return;
    throw ExcelError("\"" + command + "\"" + std::string(texts::kCommandFailedSuffix));
}

void TExcel::RunMacro(const std::string& name)
{
    if (macroBookName_.empty())
        throw ExcelError(std::string(texts::kMacroBookNotOpen));
    Exec(commands::run(macroBookName_, name));
}

void TExcel::PutCell(int row, int column, const std::string& text)
{
    Exec(commands::formula(text, referenceLetters().absolute(row, column)));
}

std::string TExcel::GetCell(int row, int column)
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
        const std::string selection = Request(std::string(commands::kItemSelection));
        const auto bang = selection.find('!');
        if (bang == std::string::npos)
            throw ExcelError(std::string(texts::kSheetNotOpen));
        if (transport_->connect(std::string(commands::kServiceCellRead), selection.substr(0, bang)))
            answer = Request(commands::cellItem(row, column));
        else
            answer = texts::kNoAnswer;
    } catch (...) {
        backToSystem();
        throw;
    }
    backToSystem();
    return answer;
}

void TExcel::OpenMacroBook(const std::string& path, bool hide)
{
    if (path == macroBookPath_)
        return;
    CloseMacroBook();
    Exec(commands::open(path));
    if (hide)
        Exec(std::string(commands::kHide));
    macroBookPath_ = path;
    macroBookName_ = fileNamePart(path);
}

void TExcel::CloseMacroBook()
{
    if (macroBookName_.empty())
        return;
    try {
        Exec(commands::unhide(macroBookName_));
        Exec(commands::activate(macroBookName_));
        Exec(std::string(commands::kCloseWithoutSaving));
    } catch (...) {
        macroBookName_.clear();
        macroBookPath_.clear();
        throw;
    }
    macroBookName_.clear();
    macroBookPath_.clear();
}

void TExcel::RaiseWindow()
{
    Exec(std::string(commands::kMinimizeApp));
    Exec(std::string(commands::kRestoreApp));
    commandCount_ = 0;
}

void TExcel::RestoreWindow()
{
    Exec(std::string(commands::kRestoreApp));
    commandCount_ = 0;
}

} // namespace quillmar::excel
