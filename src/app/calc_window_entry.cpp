#include "app/calc_window_entry.h"

#include "app/texts.h"
#include "app/main_window.h"
#include "calc/widgets/calc_environment.h"
#include "calc/widgets/calc_window.h"

#include <QAction>
#include <QMenu>

namespace quillmar::app {

void addCalcWindowEntry(MainWindow& mainForm, calc::CalcEnvironment& calcWindows)
{
    calcWindows.setMainWindow(&mainForm);
    auto* open = new QAction(texts::q(texts::kItemCalcWindow), &mainForm);
    open->setObjectName(QStringLiteral("newCalcWindow"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    QObject::connect(open, &QAction::triggered, &mainForm,
                     [&mainForm, &calcWindows] { calcWindows.createWindow(&mainForm)->show(); });
    mainForm.fileMenu()->insertAction(mainForm.action(QStringLiteral("print")), open);
}

} // namespace quillmar::app
