#include "app/gui_main.h"

#include "app/calc_window_entry.h"

#include "app/spreadsheet_factory.h"
#include "app/quillmar_application.h"
#include "app/texts.h"
#include "app/main_window.h"
#include "calc/widgets/calc_environment.h"
#include "collection/collection_tables.h"
#include "conversion/widgets/conversion_page.h"
#include "engine/definition_store.h"
#include "spreadsheet/widgets/builtin_spreadsheet.h"
#include "settings/data_folder.h"
#include "support/widgets/box_messages.h"
#include "support/widgets/qt_text.h"

#include <QTimer>

#include <filesystem>
#include <string>
#include <vector>

namespace quillmar::app {

int runGui(int argc, char** argv)
{
    BoxMessages messages;
    QuillmarApplication application(argc, argv, messages);

    // 1. The application's title.
    QApplication::setApplicationName(toQString(texts::kApplicationTitle));
    QApplication::setApplicationDisplayName(toQString(texts::kApplicationTitle));
    installGermanTranslation(application);

    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto data = settings::chooseDataFolder(
        args, std::filesystem::path(QApplication::applicationDirPath().toStdString()));
    if (!data.error.empty()) {
        messages.show(data.error);
        return 2;
    }
    QString screenshotPath;
    const QStringList arguments = QApplication::arguments();
    if (const int shot = arguments.indexOf(toQString(texts::kScreenshotOption)); shot >= 0 && shot + 1 < arguments.size())
        screenshotPath = arguments.at(shot + 1);

    // 2. The collection tables (the main window opens them), and the definition store
    //    that every window computes with.
    collection::CollectionTables tables;
    engine::DefinitionStore store(messages);
    calc::CalcEnvironment calcWindows(store, messages, data.prefix);

    // The spreadsheet the link talks to; it outlives the main window, which closes
    // the macro workbook in it on the way out, and saves every workbook at the end.
    spreadsheet::BuiltinSpreadsheet spreadsheet(messages);

    // 3. The main window with its initial values.
    MainWindow mainWindow(data.prefix, messages, tables, programConversationFactory(spreadsheet));
    addCalcWindowEntry(mainWindow, calcWindows);

    // 4. The long-lived dialogs and windows, in this order: number format dialog,
    //    "Optionen Umrechnungen", "Optionen Formeln", formula window (docks into the first
    //    page), conversion window (second page), the editor's fill dialog, the collection
    //    editor (third page), the version dialog, "Neue Umrechnungstabelle", the search dialog.
    mainWindow.createNumberFormatDialog();
    calcWindows.setNumberFormat(&mainWindow.numberFormatDialog());
    mainWindow.createOptionsDialogs();
    // The conversion window docks itself into the page "Umrechnungen", which owns it.
    new conversion::ConversionPage(mainWindow, messages);
    mainWindow.createExcelVersionDialog();

    if (!screenshotPath.isEmpty()) {
        // Nobody is there to answer: a question on the way (the Excel version on a first
        // start, say) is closed as it comes, taking what it shows.
        auto* answerer = new QTimer(&mainWindow);
        QObject::connect(answerer, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        answerer->start(200);
    }

    // 5. The settings file.
    mainWindow.readSettingsFile();
    mainWindow.showAsRead();

    if (!screenshotPath.isEmpty()) {
        // Without a display ./run takes a picture of the main window and ends.
        QTimer::singleShot(500, &mainWindow, [&] {
            mainWindow.grab().save(screenshotPath);
            QApplication::quit();
        });
    }
    // 6. The event loop, until the main window closes.
    return QApplication::exec();
}

} // namespace quillmar::app
