#include "spreadsheet/link.h"

#include "spreadsheet/commands.h"
#include "spreadsheet/link_error.h"
#include "spreadsheet/selection.h"
#include "spreadsheet/texts.h"

namespace quillmar::spreadsheet {

Link::Link(Factory factory, OneShotTimer& closeWatch, Messages& messages)
    : factory_(std::move(factory)), closeWatch_(closeWatch), messages_(messages), conversation_(factory_())
{
}

Link::~Link()
{
    closeWatch_.stop();
    conversation_->setOnClose(nullptr);
}

void Link::connectAndWatch()
{
    conversation_->connect();
    closeWatch_.start(kCloseWatchDelay, [this] { armCloseWatch(); });
}

void Link::armCloseWatch()
{
    closeWatch_.stop();
    conversation_->setOnClose([this](Conversation&) { messages_.show(std::string(texts::kExcelClosed)); });
}

void Link::prepare()
{
    if (!conversation_->connected())
        connectAndWatch();
    if (conversation_->isReady())
        return;
    // Dropping our own conversation is not Excel being closed.
    conversation_->setOnClose(nullptr);
    closeWatch_.stop();
    // The old component may still be running a command further up the call
    // stack (this can be a user command started while it processed events), so
    // it is closed now but freed only with the link; its remaining commands fail.
    conversation_->disconnect();
    retired_.push_back(std::move(conversation_));
    conversation_ = factory_();
    connectAndWatch();
}

void Link::readSelection()
{
    rowOffset_ = 0;
    colOffset_ = 0;
    const std::string answer = conversation_->request(std::string(commands::kItemSelectionPosition));
    const auto position = parseSelection(answer);
    if (!position)
        throw LinkError(std::string(texts::kSelectionWithoutCell) + answer);
    rowOffset_ = position->row - 1;
    colOffset_ = position->column - 1;
}

void Link::closeDown()
{
    closeWatch_.stop();
    if (conversation_->isReady()) {
        if (conversation_->connected()) {
            try {
                conversation_->closeMacroBook();
            } catch (const LinkError& error) {
                // Closing the program is always allowed; the user still learns why
                // the macro workbook may have stayed open.
                messages_.show(error.what());
            }
        }
    }
    conversation_->setOnClose(nullptr);
}

} // namespace quillmar::spreadsheet
