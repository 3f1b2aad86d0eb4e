#include "spreadsheet/widgets/spreadsheet_settings.h"

#include "spreadsheet/widgets/sheet_window_texts.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace quillmar::spreadsheet {

namespace {

QSettings settings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quillmar"),
                     QStringLiteral("tabelle"));
}

const QString kFolderKey = QStringLiteral("Mappen/Ordner");
const QString kGeometryKey = QStringLiteral("Tabellenfenster/Geometrie");

} // namespace

QString workbookFolder()
{
    const QString stored = settings().value(kFolderKey).toString();
    if (!stored.isEmpty())
        return stored;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir(documents).filePath(QString::fromUtf8(texts::kDefaultFolderName));
}

void storeWorkbookFolder(const QString& folder)
{
    settings().setValue(kFolderKey, folder);
}

void restoreSheetWindowGeometry(QWidget& window)
{
    const QByteArray geometry = settings().value(kGeometryKey).toByteArray();
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);
}

void storeSheetWindowGeometry(const QWidget& window)
{
    settings().setValue(kGeometryKey, window.saveGeometry());
}

} // namespace quillmar::spreadsheet
