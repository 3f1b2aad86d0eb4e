#pragma once
// The main window's side of the spreadsheet link: its one link component, the
// steps every insertion begins with (prepare, readSelection) and the close
// watch that tells the user when Excel closes the conversation.
#include "spreadsheet/one_shot_timer.h"
#include "spreadsheet/conversation.h"
#include "support/messages.h"

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace quillmar::spreadsheet {

class Link {
public:
    // Makes a fresh link component with all defaults.
    using Factory = std::function<std::unique_ptr<Conversation>()>;

    // The close watch arms this long after a connection.
    static constexpr std::chrono::milliseconds kCloseWatchDelay{1000};

    // Creates the first component; nothing is connected yet.
    Link(Factory factory, OneShotTimer& closeWatch, Messages& messages);
    // Leaving the program is not Excel closing: no message then.
    ~Link();
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    // The current component; prepare() may replace it, so do not keep it.
    Conversation& conversation() { return *conversation_; }

    // Connects when needed; when Excel then does not report "Ready", replaces
    // the component by a fresh one and connects that.
    void prepare();

    // Sets the row and column offsets from the active cell of Excel's selection.
    void readSelection();
    int rowOffset() const { return rowOffset_; }
    int columnOffset() const { return colOffset_; }
    void setOffsets(int rowOffset, int colOffset)
    {
        rowOffset_ = rowOffset;
        colOffset_ = colOffset;
    }

    // Before the main window closes: when Excel is ready the macro workbook is
    // closed; the close watch is taken down either way.
    void closeDown();

private:
    void connectAndWatch();
    void armCloseWatch();

    Factory factory_;
    OneShotTimer& closeWatch_;
    Messages& messages_;
    // Replaced components, closed; kept until the link goes (see prepare()).
    std::vector<std::unique_ptr<Conversation>> retired_;
    std::unique_ptr<Conversation> conversation_;
    int rowOffset_ = 0;
    int colOffset_ = 0;
};

} // namespace quillmar::spreadsheet
