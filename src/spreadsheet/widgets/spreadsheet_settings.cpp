#include "spreadsheet/widgets/spreadsheet_settings.h"

#include "spreadsheet/widgets/sheet_window_texts.h"
#include "support/widgets/qt_text.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace quillmar::spreadsheet {

namespace {

QSettings settings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, toQString(texts::kSettingsOrganization),
                     toQString(texts::kSettingsApplication));
}

} // namespace

QString workbookFolder()
{
    const QString stored = settings().value(toQString(texts::kFolderKey)).toString();
    if (!stored.isEmpty())
        return stored;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir(documents).filePath(toQString(texts::kDefaultFolderName));
}

void storeWorkbookFolder(const QString& folder)
{
    settings().setValue(toQString(texts::kFolderKey), folder);
}

void restoreSheetWindowGeometry(QWidget& window)
{
    const QByteArray geometry = settings().value(toQString(texts::kGeometryKey)).toByteArray();
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);
}

void storeSheetWindowGeometry(const QWidget& window)
{
    settings().setValue(toQString(texts::kGeometryKey), window.saveGeometry());
}

} // namespace quillmar::spreadsheet
