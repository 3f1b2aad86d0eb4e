#include "conversion/widgets/tformumrech1dlg.h"

#include "support/widgets/qt_text.h"
#include "engine/widgets/number_edit.h"
#include "excel/conversion_insertion.h"

#include <QEvent>

namespace quillmar::conversion {

Tformumrech1dlg::Tformumrech1dlg(MainWindowHost& host, Messages& messages)
    : Tformumrech(host.dataPrefix(), messages, [dialogHost = &host] { return &dialogHost->numberFormatDialog(); }),
      host_(host),
      messages_(messages)
{
    setObjectName(QStringLiteral("Tformumrech1dlg"));
    connect(this, &Tformumrech::closeRequested, this, [this] { host_.closeMainWindow(); });
    host.dockPage(MainWindowHost::Page::Umrechnungen, this, this);
    if (QWidget* main = host.mainWidget())
        main->installEventFilter(this);
}

bool Tformumrech1dlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && watched == host_.mainWidget())
        offerToSaveChanges();
    return Tformumrech::eventFilter(watched, event);
}

void Tformumrech1dlg::einfuegen2Click()
{
    if (!Rechne1Click())
        return;
    const std::string error = excel::einfuegen2Click(host_.link(), state(), toStdString(Edit1->text()),
                                                     host_.options(), host_.dataPrefix());
    if (!error.empty())
        messages_.show(error);
}

void Tformumrech1dlg::ubernehmenClick()
{
    const excel::TakenValue taken = excel::ubernehmenClick(host_.link(), host_.options().ExcelXP);
    if (!taken.ok()) {
        messages_.show(taken.error);
        return;
    }
    Edit1->setText(toQString(taken.text));
}

bool Tformumrech1dlg::offers(PageCommand command) const
{
    switch (command) {
    case PageCommand::Insert:
    case PageCommand::Compute:
    case PageCommand::ValueFromExcel:
    case PageCommand::NumberFormat:
        return true;
    default:
        return false;
    }
}

void Tformumrech1dlg::run(PageCommand command)
{
    switch (command) {
    case PageCommand::Insert:
        einfuegen2Click();
        break;
    case PageCommand::Compute:
        Rechne1Click();
        break;
    case PageCommand::ValueFromExcel:
        ubernehmenClick();
        break;
    case PageCommand::NumberFormat:
        Zahlenformat1Click();
        break;
    default:
        break;
    }
}

} // namespace quillmar::conversion
