#include "app/excel_version_dialog.h"

#include "app/centred.h"
#include "app/texts.h"
#include "support/widgets/qt_text.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillmar::app {

namespace {
// The ids of the two entries in their button group, in the order shown.
constexpr int kOlderVersionsId = 0;
constexpr int kExcelXpId = 1;
} // namespace

ExcelVersionDialog::ExcelVersionDialog(QWidget* parent)
    : QDialog(parent)
    , versionGroup_(new QButtonGroup(this))
{
    setWindowTitle(toQString(texts::kVersionCaption));
    setModal(true);

    auto* box = new QGroupBox(toQString(texts::kVersionGroup));
    auto* boxLayout = new QVBoxLayout(box);
    auto* olderVersions = new QRadioButton(toQString(texts::kVersionOld));
    auto* excelXP = new QRadioButton(toQString(texts::kVersionXP));
    versionGroup_->addButton(olderVersions, kOlderVersionsId);
    versionGroup_->addButton(excelXP, kExcelXpId);
    boxLayout->addWidget(olderVersions);
    boxLayout->addWidget(excelXP);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(toQString(texts::kButtonOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

spreadsheet::Dialect ExcelVersionDialog::ask(spreadsheet::Dialect preselected)
{
    versionGroup_->button(preselected == spreadsheet::Dialect::excelXP ? kExcelXpId : kOlderVersionsId)->setChecked(true);
    centreOnScreen(this);
    exec();
    return versionGroup_->checkedId() == kExcelXpId ? spreadsheet::Dialect::excelXP : spreadsheet::Dialect::older;
}

} // namespace quillmar::app
