// The main window's way into the calculation windows.
#include "app/calc_window_entry.h"
#include "app_fixture.h"
#include "calc/widgets/calc_environment.h"
#include "calc/widgets/calc_window.h"
#include "engine/definition_store.h"

#include <QAction>
#include <QMenu>

namespace quillmar::app::testing {

TEST_F(AppFixture, DateiRechnenfensterOpensCalculationWindowsOwnedByTheMainWindow)
{
    engine::DefinitionStore store(messages);
    calc::CalcEnvironment calcWindows(store, messages, folder);
    MainWindow& main = makeForm();
    calcWindows.setNumberFormat(&main.numberFormatDialog());
    addCalcWindowEntry(main, calcWindows);

    QAction* open = main.findChild<QAction*>(QStringLiteral("newCalcWindow"));
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(main.fileMenu()->actions().contains(open));
    EXPECT_EQ(open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    open->trigger();
    open->trigger();
    ASSERT_EQ(calcWindows.windows().size(), 2u);
    calc::CalcWindow* window = calcWindows.windows().front();
    EXPECT_EQ(window->parent(), &main);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->numberPattern(), main.numberFormatDialog().pattern());
    EXPECT_EQ(calcWindows.mainWindow(), &main);

    // The windows go with the main window.
    form.reset();
    EXPECT_TRUE(calcWindows.windows().empty());
}

} // namespace quillmar::app::testing
