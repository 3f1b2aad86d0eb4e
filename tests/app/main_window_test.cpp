// The main window's pages, the rule that switches tool bars and menus with them, the
// docking of page windows and the commands forwarded to them, and help.
#include "app_fixture.h"

#include "engine/widgets/number_format_dialog.h"

#include <QAction>
#include <QPushButton>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>

#include <map>
#include <set>
#include <stdexcept>

using namespace quillmar;
using namespace quillmar::app;
using namespace quillmar::app::testing;
using MainWindowTest = AppFixture;
using Page = shell::Page;

namespace {

struct FakePage : QLabel, shell::PageCommands {
    std::set<shell::PageCommand> offered;
    std::vector<shell::PageCommand> ran;
    bool fail = false;
    bool offers(shell::PageCommand c) const override { return offered.count(c) > 0; }
    void run(shell::PageCommand c) override
    {
        ran.push_back(c);
        if (fail)
            throw std::runtime_error("Keine Verbindung zu Excel möglich");
    }
};

// Which tool bar shows and which of the two menus is enabled.
struct BarState {
    bool formulaBar, conversionBar, formulaMenu, conversionMenu;
    bool operator==(const BarState&) const = default;
};

BarState state(const MainWindow& f)
{
    return {!f.formulaToolBar()->isHidden(), !f.conversionToolBar()->isHidden(),
            f.formulaMenu()->menuAction()->isEnabled(), f.conversionMenu()->menuAction()->isEnabled()};
}

constexpr BarState kFormulaState{true, false, true, false};
constexpr BarState kConversionState{false, true, false, true};

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

} // namespace

TEST_F(MainWindowTest, StartsWithThreePagesAndTheFormulaToolBar)
{
    MainWindow& f = makeWindow();
    // The window opened the collection tables of its data folder while it was made.
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_GT(tables->quantities.recordCount(), 0u);
    EXPECT_GT(tables->formulas.recordCount(), 0u);
    EXPECT_EQ(&f.collectionTables(), tables.get());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Quillmar Formelsammlung für Excel"));
    ASSERT_EQ(f.pages()->count(), 3);
    EXPECT_EQ(f.pages()->tabText(0), QStringLiteral("Formelsammlung"));
    EXPECT_EQ(f.pages()->tabText(1), QStringLiteral("Umrechnungen"));
    EXPECT_EQ(f.pages()->tabText(2), QStringLiteral("Formelsammlung bearbeiten"));
    EXPECT_EQ(f.pages()->currentIndex(), 0);
    EXPECT_EQ(state(f), kFormulaState);

    // Captions, hints and keys of the tool bars and menus.
    const struct {
        const char* name;
        const char* text;
        const char* tool;
        const char* hint;
        QKeySequence key;
    } items[] = {
        {"showFormulaPage", "&Formeln", nullptr, nullptr, Qt::Key_F9},
        {"showConversionPage", "&Umrechnungen", nullptr, nullptr, Qt::Key_F10},
        {"insertFormula", "Einfügen in Excel", "Einfügen", "Formel in Excel einfügen", Qt::Key_F3},
        {"contents", "&Inhalt", nullptr, nullptr, QKeySequence(Qt::CTRL | Qt::Key_I)},
        {"nextFormula", "Nä&chste Formel", nullptr, nullptr, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"previousFormula", "&Vorhergehende Formel", nullptr, nullptr, QKeySequence(Qt::CTRL | Qt::Key_H)},
        {"rearrange", "&Umformen", "Umformen", "Umformen", QKeySequence(Qt::CTRL | Qt::Key_U)},
        {"newDisplayWindow", "&Neues Formelfenster", nullptr, "Neues Formelfenster ", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"insertConversion", "&Einfügen in Excel", "Einfügen", "Formel in Excel einfügen", Qt::Key_F4},
        {"compute", "&Berechnen", "Berechnen", "Berechnen", Qt::Key_F5},
        {"valueFromExcel", "&Wert aus Excel", "Wert aus Excel", "Wert aus Excel", QKeySequence(Qt::CTRL | Qt::Key_W)},
        {"help", "&Inhalt", "Hilfe", "Hilfe", Qt::Key_F1},
        {"quit", "&Beenden", "Beenden", "Beenden", QKeySequence()},
    };
    for (const auto& item : items) {
        QAction* a = f.action(QString::fromLatin1(item.name));
        ASSERT_NE(a, nullptr) << item.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(item.text)) << item.name;
        if (item.tool) {
            EXPECT_EQ(a->iconText(), QString::fromUtf8(item.tool)) << item.name;
        }
        if (item.hint) {
            EXPECT_EQ(a->toolTip(), QString::fromUtf8(item.hint)) << item.name;
        }
        EXPECT_EQ(a->shortcut(), item.key) << item.name;
    }
    // Nothing is docked yet: the commands of the pages wait for their windows.
    for (const char* name : {"insertFormula", "rearrange", "contents", "nextFormula", "insertConversion", "compute"})
        EXPECT_FALSE(f.action(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_TRUE(f.action(QStringLiteral("formulaProperties"))->isEnabled());
}

TEST_F(MainWindowTest, ToolBarsAndMenusFollowThePageThatIsLeft)
{
    MainWindow& f = makeWindow();
    QTabWidget* pages = f.pages();

    // Formelsammlung -> bearbeiten: conversion bar; back to Formelsammlung: it stays.
    pages->setCurrentIndex(2);
    EXPECT_EQ(state(f), kConversionState);
    pages->setCurrentIndex(0);
    EXPECT_EQ(state(f), kConversionState);

    // Formelsammlung -> Umrechnungen -> Formelsammlung: the formula bar again.
    pages->setCurrentIndex(1);
    EXPECT_EQ(state(f), kConversionState);
    pages->setCurrentIndex(0);
    EXPECT_EQ(state(f), kFormulaState);

    // Umrechnungen -> bearbeiten: leaving the conversions gives the formula bar.
    pages->setCurrentIndex(1);
    pages->setCurrentIndex(2);
    EXPECT_EQ(state(f), kFormulaState);

    // The page keys of the menu "&Datei" switch pages the same way.
    f.action(QStringLiteral("showConversionPage"))->trigger();
    EXPECT_EQ(pages->currentIndex(), 1);
    f.action(QStringLiteral("showFormulaPage"))->trigger();
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(state(f), kFormulaState);
}

TEST_F(MainWindowTest, DockedWindowsReceiveTheirPageCommands)
{
    MainWindow& f = makeWindow();
    auto* formulas = new FakePage;
    formulas->offered = {shell::PageCommand::rearrange, shell::PageCommand::nextFormula, shell::PageCommand::refill};
    f.dockPage(Page::formulas, formulas, formulas);
    EXPECT_EQ(f.dockedWindow(Page::formulas), formulas);
    EXPECT_EQ(formulas->parentWidget(), f.pages()->widget(0));

    QAction* rearrange = f.action(QStringLiteral("rearrange"));
    QAction* insert = f.action(QStringLiteral("insertFormula"));
    EXPECT_TRUE(rearrange->isEnabled());
    EXPECT_FALSE(insert->isEnabled());
    rearrange->trigger();
    f.action(QStringLiteral("nextFormula"))->trigger();
    f.refreshFormulaPage();
    EXPECT_EQ(formulas->ran,
              (std::vector<shell::PageCommand>{shell::PageCommand::rearrange, shell::PageCommand::nextFormula, shell::PageCommand::refill}));

    // The formula window makes "Einfügen" available when its formula can be computed.
    formulas->offered.insert(shell::PageCommand::insert);
    f.commandsChanged();
    EXPECT_TRUE(insert->isEnabled());

    // A failing command shows its error and the program goes on.
    formulas->fail = true;
    insert->trigger();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Keine Verbindung zu Excel möglich"});

    // The conversion page's commands are off while the formula menu is active, even
    // when the conversion window offers them.
    auto* conversions = new FakePage;
    conversions->offered = {shell::PageCommand::compute, shell::PageCommand::help};
    f.dockPage(Page::conversions, conversions, conversions);
    EXPECT_FALSE(f.action(QStringLiteral("compute"))->isEnabled());
    f.pages()->setCurrentIndex(1);
    EXPECT_TRUE(f.action(QStringLiteral("compute"))->isEnabled());
    EXPECT_FALSE(insert->isEnabled());
    f.action(QStringLiteral("conversionHelp"))->trigger();
    EXPECT_EQ(conversions->ran.back(), shell::PageCommand::help);

    // A window that goes away takes its commands with it.
    delete conversions;
    EXPECT_EQ(f.dockedWindow(Page::conversions), nullptr);
    EXPECT_FALSE(f.action(QStringLiteral("compute"))->isEnabled());

    // Undocking hands the window back as a free window.
    f.pages()->setCurrentIndex(0);
    f.undockPage(Page::formulas);
    EXPECT_EQ(formulas->parentWidget(), nullptr);
    EXPECT_FALSE(rearrange->isEnabled());
    delete formulas;
}

TEST_F(MainWindowTest, HelpAndHomepageOpenTheLocalPages)
{
    MainWindow& f = makeWindow();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");

    f.action(QStringLiteral("help"))->trigger();
    EXPECT_TRUE(catcher.opened.empty());
    EXPECT_EQ(messages.shown.size(), 1u); // the page is missing in this folder

    std::filesystem::create_directories(folder / "hilfequillmar");
    std::ofstream(folder / "hilfequillmar" / "index.html") << "<html></html>";
    std::ofstream(folder / "hilfequillmar" / "homepage.html") << "<html></html>";
    f.action(QStringLiteral("help"))->trigger();
    f.action(QStringLiteral("homepage"))->trigger();
    f.pages()->setCurrentIndex(1);
    f.action(QStringLiteral("conversionHelp"))->trigger(); // no conversion window: the program help
    std::filesystem::create_directories(folder / "hilfe");
    std::ofstream(folder / "hilfe" / "index.htm") << "<html></html>";
    f.numberFormatDialog().controls().helpButton->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    ASSERT_EQ(catcher.opened.size(), 4u);
    EXPECT_TRUE(catcher.opened[3].toLocalFile().endsWith(QStringLiteral("hilfe/index.htm")));
    EXPECT_EQ(catcher.opened[3].fragment(), QStringLiteral("zahlenformat"));
    EXPECT_EQ(catcher.opened[0].toLocalFile().toStdString(), (folder / "hilfequillmar" / "index.html").string());
    EXPECT_TRUE(catcher.opened[1].toLocalFile().endsWith(QStringLiteral("hilfequillmar/homepage.html")));
    EXPECT_EQ(catcher.opened[2], catcher.opened[0]);
}

namespace {
// A docked window that still talks to its host while it goes.
struct TalkingPage : QWidget, shell::PageCommands {
    explicit TalkingPage(shell::MainWindowHost& host, bool& saw) : host_(host), saw_(saw) {}
    ~TalkingPage() override
    {
        host_.undockPage(shell::Page::collectionEditor);
        saw_ = host_.options().factorPattern == "0.000";
    }
    bool offers(shell::PageCommand) const override { return false; }
    void run(shell::PageCommand) override {}
    shell::MainWindowHost& host_;
    bool& saw_;
};
} // namespace

TEST_F(MainWindowTest, DockedWindowsGoBeforeTheMainWindow)
{
    bool saw = false;
    MainWindow& f = makeWindow();
    auto* editor = new TalkingPage(f, saw);
    f.dockPage(Page::collectionEditor, editor, editor);
    window.reset();
    EXPECT_TRUE(saw);
}

#include "main_window_test.moc"
