#include "spreadsheet/server/spreadsheet_server.h"

#include "spreadsheet/commands.h"
#include "spreadsheet/server/macro_command.h"
#include "spreadsheet/server/server_texts.h"
#include "support/file_io.h"
#include "support/text.h"

#include <algorithm>
#include <fstream>

namespace quillmar::spreadsheet::server {

namespace {

// "[Mappe1]Tabelle1" -> book and sheet; "Mappe1" -> book only.
struct TopicName {
    std::string book;
    std::string sheet;
};
std::optional<TopicName> splitTopic(std::string_view topic)
{
    if (!topic.empty() && topic.front() == '[') {
        const std::size_t close = topic.find(']');
        if (close == std::string_view::npos || close + 1 >= topic.size())
            return std::nullopt;
        return TopicName{std::string(topic.substr(1, close - 1)), std::string(topic.substr(close + 1))};
    }
    if (topic.empty())
        return std::nullopt;
    return TopicName{std::string(topic), {}};
}

const Sheet* findSheet(const Workbook& book, std::string_view name)
{
    if (name.empty())
        return &book.sheet();
    for (const auto& s : book.sheets)
        if (text::equalsNoCase(s->name(), name))
            return s.get();
    return nullptr;
}

// A workbook file starts with the signature of a zip archive (.xlsx) or of a
// compound document (.xls).
bool looksLikeWorkbook(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    char head[4] = {};
    if (!in.read(head, 4))
        return false;
    const std::string_view h(head, 4);
    return h == std::string_view("PK\x03\x04", 4) || h == std::string_view("\xD0\xCF\x11\xE0", 4);
}

std::filesystem::path nativePath(std::string path)
{
#ifndef _WIN32
    std::replace(path.begin(), path.end(), '\\', '/');
#endif
    return fileio::resolveNoCase(std::filesystem::path(path));
}

} // namespace

SpreadsheetServer::SpreadsheetServer()
{
    newWorkbook();
}

Sheet& SpreadsheetServer::addSheet(Workbook& book, std::size_t position)
{
    auto sheet = std::make_unique<Sheet>(std::string(texts::kSheetPrefix) + std::to_string(book.nextSheetNumber++));
    Sheet& added = *sheet;
    book.sheets.insert(book.sheets.begin() + static_cast<std::ptrdiff_t>(position), std::move(sheet));
    book.activeSheet = static_cast<int>(position);
    return added;
}

bool SpreadsheetServer::execute(std::string_view command)
{
    const auto parsed = parseMacroCommand(command);
    if (!parsed)
        return false;
    const bool done = run(parsed->name, parsed->arguments);
    if (done)
        notifyChanged();
    return done;
}

bool SpreadsheetServer::run(const std::string& name, const std::vector<std::string>& args)
{
    const auto argCount = args.size();
    const auto onlyOne = [&] { return argCount == 0 || (argCount == 1 && args[0] == "1"); };
    if (name == "NEW")
        return onlyOne() && newWorkbook();
    if (name == "WORKBOOK.INSERT")
        return onlyOne() && insertSheet();
    if (name == "OPEN")
        return argCount == 1 && open(args[0]);
    if (name == "HIDE")
        return argCount == 0 && hide();
    if (name == "UNHIDE")
        return argCount == 1 && unhide(args[0]);
    if (name == "ACTIVATE")
        return argCount == 1 && activateByName(args[0]);
    if (name == "CLOSE")
        return argCount <= 1 && close();
    if (name == "RUN")
        return (argCount == 1 || argCount == 2) && runMacro(args[0]);
    if (name == "FORMULA")
        return formula(args);
    if (name == "SELECT")
        return argCount == 1 && selectRange(args[0]);
    if (name == "APP.MINIMIZE" || name == "APP.RESTORE") {
        if (argCount != 0)
            return false;
        for (ServerObserver* o : observers_) {
            if (name == "APP.MINIMIZE")
                o->minimizeRequested();
            else
                o->restoreRequested();
        }
        return true;
    }
    return false;
}

bool SpreadsheetServer::newWorkbook()
{
    auto book = std::make_unique<Workbook>();
    book->name = std::string(texts::kBookPrefix) + std::to_string(nextBookNumber_++);
    addSheet(*book, 0);
    Workbook* added = book.get();
    books_.push_back(std::move(book));
    makeActive(added);
    return true;
}

bool SpreadsheetServer::insertSheet()
{
    Workbook* book = visibleActiveWorkbook();
    if (!book)
        return false;
    // A new sheet goes in front of the active one and becomes active.
    addSheet(*book, static_cast<std::size_t>(book->activeSheet));
    markChanged(*book);
    return true;
}

bool SpreadsheetServer::open(const std::string& path)
{
    if (path.empty())
        return false;
    const std::filesystem::path file = nativePath(path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec) || !looksLikeWorkbook(file))
        return false;
    const std::string name = file.filename().string();
    if (Workbook* open = findWorkbook(name)) {
        open->hidden = false;
        makeActive(open);
        return true;
    }
    // The server keeps no copy of a file's cells: an opened workbook serves as
    // the home of the macros and starts with one empty sheet.
    auto book = std::make_unique<Workbook>();
    book->name = name;
    book->openedFrom = file;
    addSheet(*book, 0);
    Workbook* added = book.get();
    books_.push_back(std::move(book));
    makeActive(added);
    return true;
}

bool SpreadsheetServer::hide()
{
    Workbook* book = visibleActiveWorkbook();
    if (!book)
        return false;
    book->hidden = true;
    makeActive(nullptr);
    return true;
}

bool SpreadsheetServer::unhide(const std::string& name)
{
    Workbook* book = findWorkbook(name);
    if (!book)
        return false;
    book->hidden = false;
    makeActive(book);
    return true;
}

bool SpreadsheetServer::activateByName(const std::string& name)
{
    Workbook* book = findWorkbook(name);
    if (!book || book->hidden)
        return false;
    makeActive(book);
    return true;
}

bool SpreadsheetServer::close()
{
    Workbook* book = visibleActiveWorkbook();
    if (!book)
        return false;
    // Listeners save what the user made before the workbook goes.
    for (ServerObserver* o : observers_)
        o->workbookClosing(*book);
    std::erase(recent_, book);
    std::erase_if(books_, [book](const auto& b) { return b.get() == book; });
    makeActive(nullptr);
    return true;
}

bool SpreadsheetServer::runMacro(const std::string& target)
{
    const std::size_t bang = target.rfind('!');
    if (bang == std::string::npos || !findWorkbook(target.substr(0, bang)))
        return false;
    const std::string macro = text::lowerAscii(target.substr(bang + 1));
    if (macro == commands::kMacroNewPage)
        return macroNewPage();
    if (macro == commands::kMacroInput)
        return macroInput();
    if (macro == commands::kMacroInsertPicture)
        return macroInsertPicture();
    return false;
}

bool SpreadsheetServer::formula(const std::vector<std::string>& args)
{
    Workbook* book = visibleActiveWorkbook();
    if (!book || args.empty() || args.size() > 2)
        return false;
    Sheet& sheet = book->sheet();
    CellAddress at = sheet.selection().active;
    if (args.size() == 2) {
        const auto target = parseCommandReference(args[1], at);
        if (!target)
            return false;
        at = *target;
    }
    if (!sheet.setInput(at, args[0]))
        return false;
    markChanged(*book);
    return true;
}

bool SpreadsheetServer::selectRange(const std::string& text)
{
    Workbook* book = visibleActiveWorkbook();
    if (!book)
        return false;
    Sheet& sheet = book->sheet();
    const CellAddress active = sheet.selection().active;
    const std::size_t colon = text.find(':');
    const auto from = parseCommandReference(std::string_view(text).substr(0, colon), active);
    if (!from)
        return false;
    CellAddress to = *from;
    if (colon != std::string::npos) {
        const auto end = parseCommandReference(std::string_view(text).substr(colon + 1), active);
        if (!end)
            return false;
        to = *end;
    }
    sheet.select(*from, to);
    return true;
}

bool SpreadsheetServer::hasTopic(std::string_view topic) const
{
    if (text::equalsNoCase(topic, commands::kSystemTopic))
        return true;
    const auto name = splitTopic(topic);
    if (!name)
        return false;
    const Workbook* book = findWorkbook(name->book);
    return book && findSheet(*book, name->sheet);
}

std::optional<std::string> SpreadsheetServer::request(std::string_view topic, std::string_view item) const
{
    if (text::equalsNoCase(topic, commands::kSystemTopic)) {
        if (text::equalsNoCase(item, commands::kItemStatus))
            return std::string(commands::kStatusReady);
        if (text::equalsNoCase(item, commands::kItemSelection))
            return selectionText();
        return std::nullopt;
    }
    const auto name = splitTopic(topic);
    if (!name)
        return std::nullopt;
    const Workbook* book = findWorkbook(name->book);
    const Sheet* sheet = book ? findSheet(*book, name->sheet) : nullptr;
    if (!sheet)
        return std::nullopt;
    const auto ref = readReference(item);
    if (!ref || ref->length != item.size() || ref->ref.row.relative || ref->ref.column.relative)
        return std::nullopt;
    const auto at = ref->ref.resolve({1, 1});
    if (!at)
        return std::nullopt;
    return displayText(sheet->value(*at)) + "\r\n";
}

std::optional<std::string> SpreadsheetServer::selectionText() const
{
    const Workbook* book = visibleActiveWorkbook();
    if (!book)
        return std::nullopt;
    const Selection& s = book->sheet().selection();
    std::string answer = "[" + book->name + "]" + book->sheet().name() + "!" + formatZS(s.first);
    if (s.first != s.last)
        answer += ":" + formatZS(s.last);
    return answer;
}

Workbook* SpreadsheetServer::activeWorkbook() const
{
    return visibleActiveWorkbook();
}

Workbook* SpreadsheetServer::visibleActiveWorkbook() const
{
    for (auto it = recent_.rbegin(); it != recent_.rend(); ++it)
        if (!(*it)->hidden)
            return *it;
    return nullptr;
}

Sheet* SpreadsheetServer::activeSheet() const
{
    Workbook* book = visibleActiveWorkbook();
    return book ? &book->sheet() : nullptr;
}

Workbook* SpreadsheetServer::findWorkbook(std::string_view name) const
{
    for (const auto& b : books_)
        if (text::equalsNoCase(b->name, name))
            return b.get();
    return nullptr;
}

void SpreadsheetServer::makeActive(Workbook* book)
{
    if (!book)
        return;
    std::erase(recent_, book);
    recent_.push_back(book);
}

void SpreadsheetServer::activate(Workbook& book)
{
    if (book.hidden)
        return;
    makeActive(&book);
    notifyChanged();
}

void SpreadsheetServer::activateSheet(Workbook& book, int sheetIndex)
{
    if (sheetIndex < 0 || sheetIndex >= static_cast<int>(book.sheets.size()))
        return;
    book.activeSheet = sheetIndex;
    makeActive(&book);
    notifyChanged();
}

void SpreadsheetServer::select(Workbook& book, CellAddress from, CellAddress to)
{
    if (!insideSheet(from.row, from.column) || !insideSheet(to.row, to.column))
        return;
    book.sheet().select(from, to);
    notifyChanged();
}

std::string SpreadsheetServer::editByUser(Workbook& book, int sheetIndex, CellAddress at, std::string_view text)
{
    if (sheetIndex < 0 || sheetIndex >= static_cast<int>(book.sheets.size()))
        return {};
    Sheet& sheet = *book.sheets[static_cast<std::size_t>(sheetIndex)];
    if (sheet.formula(at))
        return std::string(texts::kFormulaCellReadOnly);
    if (!text.empty() && text.front() == '=')
        return std::string(texts::kNoFormulaInput);
    if (sheet.input(at) == text)
        return {};
    sheet.setInput(at, text);
    markChanged(book);
    notifyChanged();
    return {};
}

std::string SpreadsheetServer::clearByUser(Workbook& book, int sheetIndex, CellAddress first, CellAddress last)
{
    if (sheetIndex < 0 || sheetIndex >= static_cast<int>(book.sheets.size()))
        return {};
    Sheet& sheet = *book.sheets[static_cast<std::size_t>(sheetIndex)];
    bool formulaKept = false;
    bool cleared = false;
    for (const CellAddress& at : sheet.cellsIn(first, last)) {
        if (sheet.formula(at)) {
            formulaKept = true;
            continue;
        }
        sheet.setInput(at, "");
        cleared = true;
    }
    if (cleared) {
        markChanged(book);
        notifyChanged();
    }
    return formulaKept ? std::string(texts::kFormulaCellReadOnly) : std::string();
}

void SpreadsheetServer::markChanged(Workbook& book)
{
    book.changed = true;
}

void SpreadsheetServer::notifyChanged()
{
    for (ServerObserver* o : observers_)
        o->contentChanged();
}

void SpreadsheetServer::addObserver(ServerObserver* observer)
{
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void SpreadsheetServer::removeObserver(ServerObserver* observer)
{
    std::erase(observers_, observer);
}

} // namespace quillmar::spreadsheet::server
