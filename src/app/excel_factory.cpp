#include "app/excel_factory.h"

#include <QCoreApplication>

namespace quillmar::app {

namespace {

// No spreadsheet program answers on this machine: every connect fails, so the
// user learns "Excel kann nicht gestartet werden." when a command needs one.
class NoSpreadsheetTransport final : public excel::DdeTransport {
public:
    bool connect(const std::string&, const std::string&) override { return false; }
    bool launch(const std::string&) override { return false; }
    void disconnect() override {}
    bool isOpen() const override { return false; }
    std::optional<std::string> request(const std::string&, int) override { return std::nullopt; }
    bool execute(const std::string&, bool) override { return false; }
};

} // namespace

excel::ExcelLink::Factory programExcelFactory()
{
    return [] {
        excel::ExcelServices services;
        services.processEvents = [] { QCoreApplication::processEvents(); };
        return std::make_unique<excel::TExcel>(std::make_unique<NoSpreadsheetTransport>(), services);
    };
}

} // namespace quillmar::app
