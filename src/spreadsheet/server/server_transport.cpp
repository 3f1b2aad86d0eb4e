#include "spreadsheet/server/server_transport.h"

#include "spreadsheet/commands.h"
#include "support/text.h"

namespace quillmar::spreadsheet::server {

ServerTransport::~ServerTransport()
{
    open_ = false;
}

bool ServerTransport::connect(const std::string& service, const std::string& topic)
{
    disconnect();
    if (!text::equalsNoCase(service, commands::kService) || !server_.hasTopic(topic))
        return false;
    open_ = true;
    topic_ = topic;
    notifyOpened();
    return true;
}

bool ServerTransport::launch(const std::string&)
{
    return true;
}

void ServerTransport::disconnect()
{
    if (!open_)
        return;
    open_ = false;
    notifyClosed();
}

std::optional<std::string> ServerTransport::request(const std::string& item, int)
{
    if (!open_)
        return std::nullopt;
    return server_.request(topic_, item);
}

bool ServerTransport::execute(const std::string& command, bool)
{
    if (!open_)
        return false;
    return server_.execute(command);
}

} // namespace quillmar::spreadsheet::server
