#include "app/excel_version_dialog.h"

#include "app/centred.h"
#include "app/texts.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillmar::app {

namespace {
constexpr int kOld = 0;
constexpr int kXP = 1;
} // namespace

ExcelVersionDialog::ExcelVersionDialog(QWidget* parent)
    : QDialog(parent)
    , group_(new QButtonGroup(this))
{
    setWindowTitle(texts::q(texts::kVersionCaption));
    setModal(true);

    auto* box = new QGroupBox(texts::q(texts::kVersionGroup));
    auto* boxLayout = new QVBoxLayout(box);
    auto* old = new QRadioButton(texts::q(texts::kVersionOld));
    auto* xp = new QRadioButton(texts::q(texts::kVersionXP));
    group_->addButton(old, kOld);
    group_->addButton(xp, kXP);
    boxLayout->addWidget(old);
    boxLayout->addWidget(xp);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(texts::q(texts::kButtonOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

spreadsheet::Dialect ExcelVersionDialog::ask(spreadsheet::Dialect preselected)
{
    group_->button(preselected == spreadsheet::Dialect::excelXP ? kXP : kOld)->setChecked(true);
    centreOnScreen(this);
    exec();
    return group_->checkedId() == kXP ? spreadsheet::Dialect::excelXP : spreadsheet::Dialect::older;
}

} // namespace quillmar::app
