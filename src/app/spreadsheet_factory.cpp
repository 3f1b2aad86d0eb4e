#include "app/spreadsheet_factory.h"

#include "spreadsheet/widgets/builtin_spreadsheet.h"

#include <QCoreApplication>

namespace quillmar::app {

spreadsheet::Link::Factory programConversationFactory(spreadsheet::BuiltinSpreadsheet& spreadsheet)
{
    return [&spreadsheet] {
        spreadsheet::ConversationServices services;
        services.processEvents = [] { QCoreApplication::processEvents(); };
        return std::make_unique<spreadsheet::Conversation>(spreadsheet.makeTransport(), services);
    };
}

} // namespace quillmar::app
