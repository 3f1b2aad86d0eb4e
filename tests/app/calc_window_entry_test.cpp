// The main window's way into the calculation windows.
#include "app/calc_window_entry.h"
#include "app_fixture.h"
#include "calc/widgets/calc_environment.h"
#include "calc/widgets/calc_window.h"
#include "engine/definition_store.h"

#include <QAction>
#include <QMenu>

namespace quillmar::app::testing {

using CalcWindowEntry = AppFixture;

TEST_F(CalcWindowEntry, MenuItemOpensCalculationWindowsOwnedByTheMainWindow)
{
    engine::DefinitionStore store(messages);
    calc::CalcEnvironment calcWindows(store, messages, folder);
    MainWindow& main = makeWindow();
    calcWindows.setNumberFormat(&main.numberFormatDialog());
    addCalcWindowEntry(main, calcWindows);

    QAction* open = main.findChild<QAction*>(QStringLiteral("newCalcWindow"));
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(main.fileMenu()->actions().contains(open));
    EXPECT_EQ(open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    open->trigger();
    open->trigger();
    ASSERT_EQ(calcWindows.windows().size(), 2u);
    calc::CalcWindow* calcWindow = calcWindows.windows().front();
    EXPECT_EQ(calcWindow->parent(), &main);
    EXPECT_TRUE(calcWindow->isVisible());
    EXPECT_EQ(calcWindow->numberPattern(), main.numberFormatDialog().pattern());
    EXPECT_EQ(calcWindows.mainWindow(), &main);

    // The windows go with the main window.
    window.reset();
    EXPECT_TRUE(calcWindows.windows().empty());
}

} // namespace quillmar::app::testing
