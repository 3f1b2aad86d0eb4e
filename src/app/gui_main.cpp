#include "app/gui_main.h"

#include "app/tmainform.h"

#include <QApplication>
#include <QTimer>

int runGui(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmar"));

    QString screenshotPath;
    const QStringList args = QApplication::arguments();
    const int shot = args.indexOf(QStringLiteral("--screenshot"));
    if (shot >= 0 && shot + 1 < args.size())
        screenshotPath = args.at(shot + 1);

    Tmainform mainForm;
    mainForm.show();

    if (!screenshotPath.isEmpty()) {
        // Without a display ./run takes a picture of the main window and ends.
        QTimer::singleShot(500, &mainForm, [&] {
            mainForm.grab().save(screenshotPath);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
