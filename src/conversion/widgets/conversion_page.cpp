#include "conversion/widgets/conversion_page.h"

#include "support/widgets/qt_text.h"
#include "conversion/spreadsheet_insertion.h"

#include <QEvent>

namespace quillmar::conversion {

ConversionPage::ConversionPage(shell::MainWindowHost& host, Messages& messages)
    : ConversionWindow(host.dataPrefix(), messages, [dialogHost = &host] { return &dialogHost->numberFormatDialog(); }),
      host_(host),
      messages_(messages)
{
    setObjectName(QStringLiteral("ConversionPage"));
    connect(this, &ConversionWindow::closeRequested, this, [this] { host_.closeMainWindow(); });
    host.dockPage(shell::Page::conversions, this, this);
    if (QWidget* main = host.mainWidget())
        main->installEventFilter(this);
}

bool ConversionPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && watched == host_.mainWidget())
        offerToSaveChanges();
    return ConversionWindow::eventFilter(watched, event);
}

void ConversionPage::insertIntoSpreadsheet()
{
    if (!calculate())
        return;
    const std::string error = conversion::insertIntoSpreadsheet(host_.link(), state(), toStdString(valueText()),
                                                     host_.options(), host_.dialect(), host_.dataPrefix());
    if (!error.empty())
        messages_.show(error);
}

void ConversionPage::readValueFromSpreadsheet()
{
    const TakenValue taken = conversion::readValueFromSpreadsheet(host_.link(), host_.dialect());
    if (!taken.ok()) {
        messages_.show(taken.error);
        return;
    }
    setValueText(toQString(taken.text));
}

bool ConversionPage::offers(shell::PageCommand command) const
{
    switch (command) {
    case shell::PageCommand::insert:
    case shell::PageCommand::compute:
    case shell::PageCommand::valueFromExcel:
    case shell::PageCommand::numberFormat:
        return true;
    default:
        return false;
    }
}

void ConversionPage::run(shell::PageCommand command)
{
    switch (command) {
    case shell::PageCommand::insert:
        insertIntoSpreadsheet();
        break;
    case shell::PageCommand::compute:
        calculate();
        break;
    case shell::PageCommand::valueFromExcel:
        readValueFromSpreadsheet();
        break;
    case shell::PageCommand::numberFormat:
        chooseNumberFormat();
        break;
    default:
        break;
    }
}

} // namespace quillmar::conversion
