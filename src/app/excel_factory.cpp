#include "app/excel_factory.h"

#include "excel/widgets/builtin_spreadsheet.h"

#include <QCoreApplication>

namespace quillmar::app {

excel::ExcelLink::Factory programExcelFactory(excel::widgets::BuiltinSpreadsheet& spreadsheet)
{
    return [&spreadsheet] {
        excel::ExcelServices services;
        services.processEvents = [] { QCoreApplication::processEvents(); };
        return std::make_unique<excel::TExcel>(spreadsheet.makeTransport(), services);
    };
}

} // namespace quillmar::app
