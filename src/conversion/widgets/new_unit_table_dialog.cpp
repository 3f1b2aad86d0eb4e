#include "conversion/widgets/new_unit_table_dialog.h"

#include "conversion/texts.h"
#include "support/widgets/qt_text.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillmar::conversion {

NewUnitTableDialog::NewUnitTableDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(toQString(texts::kNewTableCaption));
    Groesse = new QLineEdit(this);
    Groesse->setMaxLength(40);
    Datei = new QLineEdit(this);
    Datei->setMaxLength(40);
    Datei->setPlaceholderText(QStringLiteral("laenge.cds"));
    Variable = new QLineEdit(this);
    Variable->setMaxLength(40);

    auto* form = new QFormLayout;
    form->addRow(toQString(texts::kNewQuantityName), Groesse);
    form->addRow(toQString(texts::kNewFileName), Datei);
    form->addRow(toQString(texts::kNewVariable), Variable);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(toQString(texts::kOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(toQString(texts::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

QString NewUnitTableDialog::quantityName() const { return Groesse->text(); }
QString NewUnitTableDialog::fileName() const { return Datei->text(); }
QString NewUnitTableDialog::variableName() const { return Variable->text(); }

void NewUnitTableDialog::clear()
{
    Groesse->clear();
    Datei->clear();
    Variable->clear();
    Groesse->setFocus();
}

} // namespace quillmar::conversion
