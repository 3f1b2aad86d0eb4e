#include "app/calc_window_entry.h"

#include "app/texts.h"
#include "app/main_window.h"
#include "support/widgets/qt_text.h"
#include "calc/widgets/calc_environment.h"
#include "calc/widgets/calc_window.h"

#include <QAction>
#include <QMenu>

namespace quillmar::app {

void addCalcWindowEntry(MainWindow& mainWindow, calc::CalcEnvironment& calcWindows)
{
    calcWindows.setMainWindow(&mainWindow);
    auto* open = new QAction(toQString(texts::kItemCalcWindow), &mainWindow);
    open->setObjectName(QStringLiteral("newCalcWindow"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    QObject::connect(open, &QAction::triggered, &mainWindow,
                     [&mainWindow, &calcWindows] { calcWindows.createWindow(&mainWindow)->show(); });
    mainWindow.fileMenu()->insertAction(mainWindow.action(QStringLiteral("print")), open);
}

} // namespace quillmar::app
