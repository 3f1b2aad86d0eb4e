#pragma once
// The dialog "Neue Umrechnungstabelle": the name of the quantity, the file name of
// its unit table and a variable name.
#include <QDialog>

class QLineEdit;

namespace quillmar::conversion {

class NewUnitTableDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewUnitTableDialog(QWidget* parent = nullptr);

    QString quantityName() const;
    QString fileName() const;
    QString variableName() const;
    // Empties the fields for the next table.
    void clear();

    // The dialog's fields, for tests that fill them in as a user would.
    struct Controls {
        QLineEdit* quantityNameEdit;
        QLineEdit* fileNameEdit;
        QLineEdit* variableNameEdit;
    };
    Controls controls() const { return {quantityNameEdit_, fileNameEdit_, variableNameEdit_}; }

private:
    QLineEdit* quantityNameEdit_ = nullptr;
    QLineEdit* fileNameEdit_ = nullptr;
    QLineEdit* variableNameEdit_ = nullptr;
};

} // namespace quillmar::conversion
