#pragma once
// The dialog "Welche Excel Version?": which Excel the insertions write for. The entry
// shown counts however the dialog is closed (OK or the close box).
#include "spreadsheet/dialect.h"

#include <QDialog>

class QButtonGroup;

namespace quillmar::app {

class ExcelVersionDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExcelVersionDialog(QWidget* parent = nullptr);

    // Shows the dialog modally with the entry of the dialect preselected and gives
    // the dialect of the entry chosen at the end.
    spreadsheet::Dialect ask(spreadsheet::Dialect preselected);

private:
    QButtonGroup* versionGroup_;
};

} // namespace quillmar::app
