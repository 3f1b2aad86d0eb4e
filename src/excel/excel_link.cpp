#include "excel/excel_link.h"

#include "excel/commands.h"
#include "excel/excel_error.h"
#include "excel/selection.h"
#include "excel/texts.h"

namespace quillmar::excel {

ExcelLink::ExcelLink(Factory factory, OneShotTimer& closeWatch, Messages& messages)
    : factory_(std::move(factory)), closeWatch_(closeWatch), messages_(messages), excel_(factory_())
{
}

ExcelLink::~ExcelLink()
{
    closeWatch_.stop();
    excel_->setOnClose(nullptr);
}

void ExcelLink::connectAndWatch()
{
    excel_->Connect();
    closeWatch_.start(kCloseWatchDelay, [this] { armCloseWatch(); });
}

void ExcelLink::armCloseWatch()
{
    closeWatch_.stop();
    excel_->setOnClose([this](TExcel&) { messages_.show(std::string(texts::kExcelClosed)); });
}

void ExcelLink::PrepareExcel()
{
    if (!excel_->Connected())
        connectAndWatch();
    if (excel_->IsReady())
        return;
    // Dropping our own conversation is not Excel being closed.
    excel_->setOnClose(nullptr);
    closeWatch_.stop();
    // The old component may still be running a command further up the call
    // stack (this can be a user command started while it processed events), so
    // it is closed now but freed only with the link; its remaining commands fail.
    excel_->Disconnect();
    retired_.push_back(std::move(excel_));
    excel_ = factory_();
    connectAndWatch();
}

void ExcelLink::ReadSelection()
{
    rowOffset_ = 0;
    colOffset_ = 0;
    const std::string answer = excel_->Request(std::string(commands::kItemSelectionPosition));
    const auto position = parseSelection(answer);
    if (!position)
        throw ExcelError(std::string(texts::kSelectionWithoutCell) + answer);
    rowOffset_ = position->row - 1;
    colOffset_ = position->column - 1;
}

void ExcelLink::closeDown()
{
    closeWatch_.stop();
    if (excel_->IsReady()) {
        if (excel_->Connected()) {
            try {
                excel_->CloseMacroBook();
            } catch (const ExcelError& error) {
                // Closing the program is always allowed; the user still learns why
                // the macro workbook may have stayed open.
                messages_.show(error.what());
            }
        }
    }
    excel_->setOnClose(nullptr);
}

} // namespace quillmar::excel
