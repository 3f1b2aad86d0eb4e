#pragma once
// One conversation with the built-in spreadsheet: the transport the link uses
// wherever no spreadsheet program is reached over DDE.
#include "spreadsheet/transport.h"
#include "spreadsheet/server/spreadsheet_server.h"

namespace quillmar::spreadsheet::server {

class ServerTransport final : public Transport {
public:
    explicit ServerTransport(SpreadsheetServer& server) : server_(server) {}
    ~ServerTransport() override;

    // Service "EXCEL" in any case ("Excel" alike); the topic "System" or a sheet.
    bool connect(const std::string& service, const std::string& topic) override;
    // The server runs inside the program, so there is always one to answer.
    bool launch(const std::string& program) override;
    void disconnect() override;
    bool isOpen() const override { return open_; }
    std::optional<std::string> request(const std::string& item, int timeoutMs) override;
    bool execute(const std::string& command, bool waitForCompletion) override;

    const std::string& topic() const { return topic_; }

private:
    SpreadsheetServer& server_;
    bool open_ = false;
    std::string topic_;
};

} // namespace quillmar::spreadsheet::server
