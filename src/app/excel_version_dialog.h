#pragma once
// The dialog "Welche Excel Version?": which Excel the insertions write for. The entry
// shown counts however the dialog is closed (OK or the close box).
#include <QDialog>

class QButtonGroup;

namespace quillmar::app {

class ExcelVersionDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExcelVersionDialog(QWidget* parent = nullptr);

    // Shows the dialog modally with "Excel XP" preselected when excelXP is true, the
    // first entry otherwise; gives true when "Excel XP" is chosen at the end.
    bool ask(bool excelXP);

private:
    QButtonGroup* group_;
};

} // namespace quillmar::app
