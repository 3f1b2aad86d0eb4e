#pragma once
// What the built-in spreadsheet remembers between runs: the folder of the
// workbooks and the sheet window's place. Kept in an ini file of the user's
// configuration folder (never the registry).
#include <QString>

class QWidget;

namespace quillmar::spreadsheet {

// The chosen folder, or "Quillmar-Mappen" in the user's documents folder.
QString workbookFolder();
void storeWorkbookFolder(const QString& folder);

void restoreSheetWindowGeometry(QWidget& window);
void storeSheetWindowGeometry(const QWidget& window);

} // namespace quillmar::spreadsheet
