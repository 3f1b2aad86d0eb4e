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
    quantityNameEdit_ = new QLineEdit(this);
    quantityNameEdit_->setMaxLength(40);
    fileNameEdit_ = new QLineEdit(this);
    fileNameEdit_->setMaxLength(40);
    fileNameEdit_->setPlaceholderText(QStringLiteral("laenge.cds"));
    variableNameEdit_ = new QLineEdit(this);
    variableNameEdit_->setMaxLength(40);

    auto* form = new QFormLayout;
    form->addRow(toQString(texts::kNewQuantityName), quantityNameEdit_);
    form->addRow(toQString(texts::kNewFileName), fileNameEdit_);
    form->addRow(toQString(texts::kNewVariable), variableNameEdit_);

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

QString NewUnitTableDialog::quantityName() const { return quantityNameEdit_->text(); }
QString NewUnitTableDialog::fileName() const { return fileNameEdit_->text(); }
QString NewUnitTableDialog::variableName() const { return variableNameEdit_->text(); }

void NewUnitTableDialog::clear()
{
    quantityNameEdit_->clear();
    fileNameEdit_->clear();
    variableNameEdit_->clear();
    quantityNameEdit_->setFocus();
}

} // namespace quillmar::conversion
