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

    QLineEdit* Groesse = nullptr;
    QLineEdit* Datei = nullptr;
    QLineEdit* Variable = nullptr;
};

} // namespace quillmar::conversion
