// The keys of the main window's menus, pressed on the window as a user would.
#include "app_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

#include <set>

using namespace quillmar;
using namespace quillmar::app;
using namespace quillmar::app::testing;
using MainWindowKeys = AppFixture;
using Page = shell::Page;

namespace {

struct CountingPage : QWidget, shell::PageCommands {
    std::set<shell::PageCommand> offered;
    std::vector<shell::PageCommand> ran;
    bool offers(shell::PageCommand c) const override { return offered.count(c) > 0; }
    void run(shell::PageCommand c) override { ran.push_back(c); }
};

} // namespace

TEST_F(MainWindowKeys, MenuKeysWorkOnlyWhereTheirMenuIsActive)
{
    MainWindow& f = makeWindow();
    auto* formulas = new CountingPage;
    formulas->offered = {shell::PageCommand::rearrange, shell::PageCommand::insert, shell::PageCommand::nextFormula};
    f.dockPage(Page::formulas, formulas, formulas);
    auto* conversions = new CountingPage;
    conversions->offered = {shell::PageCommand::insert, shell::PageCommand::compute};
    f.dockPage(Page::conversions, conversions, conversions);
    f.show();
    QApplication::setActiveWindow(&f);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));

    QTest::keyClick(&f, Qt::Key_U, Qt::ControlModifier);
    QTest::keyClick(&f, Qt::Key_F3);
    QTest::keyClick(&f, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(&f, Qt::Key_F4); // the conversion menu is off on the formula page
    QTest::keyClick(&f, Qt::Key_F5);
    EXPECT_EQ(formulas->ran,
              (std::vector<shell::PageCommand>{shell::PageCommand::rearrange, shell::PageCommand::insert, shell::PageCommand::nextFormula}));
    EXPECT_TRUE(conversions->ran.empty());

    QTest::keyClick(&f, Qt::Key_F10);
    EXPECT_EQ(f.pages()->currentIndex(), static_cast<int>(Page::conversions));
    QTest::keyClick(&f, Qt::Key_F5);
    QTest::keyClick(&f, Qt::Key_F4);
    QTest::keyClick(&f, Qt::Key_U, Qt::ControlModifier); // now the formula menu is off
    EXPECT_EQ(conversions->ran, (std::vector<shell::PageCommand>{shell::PageCommand::compute, shell::PageCommand::insert}));
    EXPECT_EQ(formulas->ran.size(), 3u);

    QTest::keyClick(&f, Qt::Key_F9);
    EXPECT_EQ(f.pages()->currentIndex(), static_cast<int>(Page::formulas));
    EXPECT_TRUE(f.formulaMenu()->menuAction()->isEnabled());

    // F2 opens the menu "&Datei".
    QTest::keyClick(&f, Qt::Key_F2);
    ASSERT_NE(f.menuBar()->activeAction(), nullptr);
    EXPECT_EQ(f.menuBar()->activeAction()->text(), QStringLiteral("&Datei"));
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}
