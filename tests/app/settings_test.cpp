// Reading and writing quillmar.ini through the main window, and the dialogs that
// change what it holds.
#include "app_fixture.h"

#include "spreadsheet/dialect.h"
#include "settings/settings_file.h"
#include "support/file_io.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

using namespace quillmar;
using namespace quillmar::app;
using namespace quillmar::app::testing;
using MainWindowSettings = AppFixture;

namespace {

QRadioButton* radio(QWidget* dialog, const QString& text)
{
    for (auto* r : dialog->findChildren<QRadioButton*>())
        if (r->text() == text)
            return r;
    ADD_FAILURE() << "no option " << text.toStdString();
    return nullptr;
}

void press(QWidget* dialog, const QString& text)
{
    for (auto* b : dialog->findChildren<QPushButton*>())
        if (b->text() == text)
            return b->click();
    ADD_FAILURE() << "no button " << text.toStdString();
}

// Answers the version dialog: records what it preselected and what had been shown
// before it, picks an entry (or leaves it) and closes it with its close box.
struct VersionAnswer {
    bool shown = false;
    bool xpPreselected = false;
    std::size_t messagesBefore = 0;
};

void answerVersion(VersionAnswer& answer, const RecordingMessages& messages, const char* pick)
{
    whenModal([&answer, &messages, pick](QWidget* dialog) {
        answer.shown = true;
        answer.xpPreselected = radio(dialog, QStringLiteral("Excel XP"))->isChecked();
        answer.messagesBefore = messages.shown.size();
        if (pick)
            radio(dialog, QString::fromUtf8(pick))->setChecked(true);
        dialog->close();
    });
}

} // namespace

TEST_F(MainWindowSettings, FirstStartAsksForTheVersionThenReportsTheFaultyFile)
{
    MainWindow& f = makeWindow();
    VersionAnswer answer;
    answerVersion(answer, messages, nullptr);
    f.readSettingsFile();

    EXPECT_TRUE(answer.shown);
    EXPECT_FALSE(answer.xpPreselected);
    EXPECT_EQ(answer.messagesBefore, 0u);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"INI-Datei fehlerhaft."});
    EXPECT_FALSE(f.options().excelXP); // the first entry was shown and taken
    EXPECT_EQ(f.options().factorPattern, "0.000");
    EXPECT_EQ(f.options().formulaTarget + f.options().formulaContent + f.options().conversionTarget +
                  f.options().conversionContent,
              0);
    EXPECT_FALSE(std::filesystem::exists(folder / "quillmar.ini"));

    // Once the window is up, the answer is stored: the next start reads a complete file
    // and asks nothing.
    f.showAsRead();
    const auto written = settings::readSettings(fileio::readAll(folder / "quillmar.ini"));
    EXPECT_EQ(written.outcome, settings::ReadOutcome::complete);
    messages.shown.clear();
    MainWindow& again = makeWindow();
    again.readSettingsFile();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(again.options().excelXP);
}

TEST_F(MainWindowSettings, MaximizedRecordIgnoresTheNumbers)
{
    writeIni({"quillmar30", "2#800#600#10#10#", "0.000", "0", "0", "0", "0", "1"});
    MainWindow& f = makeWindow();
    const QSize before = f.size();
    f.readSettingsFile();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(f.size(), before);
    EXPECT_NE(f.pos(), QPoint(10, 10));
}

TEST_F(MainWindowSettings, RecordWithoutClosingHashKeepsWhatWasAppliedThenAsks)
{
    writeIni({"quillmar30", "0#599#399#103#334", "0.000", "0", "0", "0", "0", "1"});
    MainWindow& f = makeWindow();
    f.move(50, 60);
    VersionAnswer answer;
    answerVersion(answer, messages, "Excel XP");
    f.readSettingsFile();

    EXPECT_TRUE(answer.shown);
    EXPECT_EQ(answer.messagesBefore, 0u);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"INI-Datei fehlerhaft."});
    EXPECT_EQ(f.size(), QSize(599, 399));
    EXPECT_EQ(f.y(), 103);
    EXPECT_NE(f.x(), 334); // the left position was never read
    EXPECT_TRUE(f.options().excelXP);
}

TEST_F(MainWindowSettings, WindowPlacedOffEveryScreenComesBackOntoOne)
{
    writeIni({"quillmar30", "0#640#480#-9000#-9000#", "0.000", "0", "0", "0", "0", "1"});
    MainWindow& f = makeWindow();
    f.readSettingsFile();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(f.size(), QSize(640, 480));
    const QRect frame(f.pos(), f.size());
    EXPECT_TRUE(QApplication::primaryScreen()->availableGeometry().intersects(frame));
}

TEST_F(MainWindowSettings, ForeignFileIsReportedAndChangesNothing)
{
    writeIni({"quillmar20", "0#599#399#103#334#", "0.0", "1", "1", "1", "1", "0"});
    MainWindow& f = makeWindow();
    const QSize before = f.size();
    f.readSettingsFile();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"INI-Datei kann nicht geladen werden."});
    EXPECT_EQ(f.size(), before);
    EXPECT_EQ(f.options().factorPattern, "0.000");
    EXPECT_EQ(f.options().formulaTarget, 0);
    EXPECT_TRUE(f.options().excelXP);
}

TEST_F(MainWindowSettings, SavedSettingsSurviveARestart)
{
    writeIni({"quillmar30", "0#640#480#120#150#", "0.00", "2", "1", "3", "1", "0"});
    {
        MainWindow& f = makeWindow();
        f.readSettingsFile();
        ASSERT_TRUE(messages.shown.empty());
        EXPECT_FALSE(f.options().excelXP);
        EXPECT_EQ(f.dialect(), spreadsheet::Dialect::older);
        EXPECT_EQ(f.options().conversionTarget, 3);
        f.resize(700, 500);
        f.move(30, 40);
        f.mutableOptions().formulaTarget = 1;
        ASSERT_TRUE(f.writeSettingsFile());
    }
    EXPECT_EQ(*fileio::readAll(folder / "quillmar.ini"),
              "quillmar30\r\n0#700#500#40#30#\r\n0.00\r\n1\r\n1\r\n3\r\n1\r\n0\r\n");

    MainWindow& again = makeWindow();
    again.readSettingsFile();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(again.size(), QSize(700, 500));
    EXPECT_EQ(again.pos(), QPoint(30, 40));
    EXPECT_EQ(again.options().formulaTarget, 1);
    EXPECT_EQ(again.options().factorPattern, "0.00");
    EXPECT_FALSE(again.options().excelXP);
}

TEST_F(MainWindowSettings, SettingsThatCannotBeWrittenAreReported)
{
    // A folder in the file's place cannot be replaced, not even by root.
    std::filesystem::create_directories(folder / "quillmar.ini" / "inhalt");
    MainWindow& f = makeWindow();
    EXPECT_FALSE(f.writeSettingsFile());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].rfind("Die Einstellungen können nicht gespeichert werden.", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(folder / "quillmar.ini" / "inhalt"));
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        EXPECT_TRUE(entry.is_directory()) << "left behind: " << entry.path();
}

TEST_F(MainWindowSettings, OptionsDialogsTakeTheirValuesOnlyOnOk)
{
    MainWindow& f = makeWindow();
    f.mutableOptions().formulaTarget = 1;
    f.mutableOptions().formulaContent = 2;

    bool preselected = false;
    whenModal([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Optionen Formeln"));
        preselected = radio(dialog, QStringLiteral("Formel in neue &Tabelle"))->isChecked() &&
                      radio(dialog, QStringLiteral("&nur Formel "))->isChecked();
        radio(dialog, QStringLiteral("Fomel in &aktuelle Tabelle"))->setChecked(true);
        radio(dialog, QStringLiteral("&Formel + Grafik"))->setChecked(true);
        press(dialog, QStringLiteral("Abbrechen"));
    });
    f.action(QStringLiteral("formulaProperties"))->trigger();
    EXPECT_TRUE(preselected);
    EXPECT_EQ(f.options().formulaTarget, 1);
    EXPECT_EQ(f.options().formulaContent, 2);

    whenModal([&](QWidget* dialog) {
        radio(dialog, QStringLiteral("Fomel in &aktuelle Tabelle"))->setChecked(true);
        radio(dialog, QStringLiteral("&Formel + Grafik"))->setChecked(true);
        press(dialog, QStringLiteral("OK"));
    });
    f.action(QStringLiteral("formulaProperties"))->trigger();
    EXPECT_EQ(f.options().formulaTarget, 2);
    EXPECT_EQ(f.options().formulaContent, 1);

    // The conversion options: closing with the close box is cancelling too.
    f.pages()->setCurrentIndex(1); // conversion tool bar and menu
    whenModal([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Optionen Umrechnungen"));
        radio(dialog, QStringLiteral("&Wert in Excel ersetzen"))->setChecked(true);
        dialog->close();
    });
    f.action(QStringLiteral("conversionProperties"))->trigger();
    EXPECT_EQ(f.options().conversionTarget, 0);
    whenModal([&](QWidget* dialog) {
        radio(dialog, QStringLiteral("&Wert in Excel ersetzen"))->setChecked(true);
        radio(dialog, QStringLiteral("&nur Umrechnung"))->setChecked(true);
        press(dialog, QStringLiteral("OK"));
    });
    f.action(QStringLiteral("conversionProperties"))->trigger();
    EXPECT_EQ(f.options().conversionTarget, 3);
    EXPECT_EQ(f.options().conversionContent, 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "quillmar.ini")); // only the next write stores them
}

TEST_F(MainWindowSettings, VersionDialogClosedWithItsCloseBoxStillAppliesAndWrites)
{
    MainWindow& f = makeWindow();
    VersionAnswer answer;
    answerVersion(answer, messages, "Excel 95,Excel 97 oder Excel 2000");
    f.action(QStringLiteral("excelVersion"))->trigger();
    EXPECT_TRUE(answer.xpPreselected);
    EXPECT_FALSE(f.options().excelXP);
    EXPECT_EQ(f.dialect(), spreadsheet::Dialect::older);
    const auto written = fileio::readAll(folder / "quillmar.ini");
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->substr(written->size() - 3), "0\r\n");
    EXPECT_TRUE(messages.shown.empty());
}
