#include "app/options_dialog.h"

#include "app/centred.h"
#include "app/texts.h"
#include "support/widgets/qt_text.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillmar::app {

namespace {

QGroupBox* optionGroup(const QString& title, const QStringList& items, QButtonGroup* group)
{
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i]);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    layout->addStretch();
    return box;
}

void checkButton(QButtonGroup* group, int id)
{
    if (auto* button = group->button(id))
        button->setChecked(true);
}

} // namespace

OptionsDialog::OptionsDialog(const QString& caption, const QStringList& targets, const QStringList& contents,
                           QWidget* parent)
    : QDialog(parent)
    , targetGroup_(new QButtonGroup(this))
    , contentGroup_(new QButtonGroup(this))
{
    setWindowTitle(caption);
    setModal(true);

    auto* frame = new QGroupBox;
    auto* groups = new QHBoxLayout(frame);
    groups->addWidget(optionGroup(toQString(texts::kGroupTarget), targets, targetGroup_));
    groups->addWidget(optionGroup(toQString(texts::kGroupContent), contents, contentGroup_));

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(toQString(texts::kButtonOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(toQString(texts::kButtonCancel), QDialogButtonBox::RejectRole);
    auto* help = buttons->addButton(toQString(texts::kButtonHelp), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &OptionsDialog::helpRequested);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool OptionsDialog::ask(int target, int content)
{
    checkButton(targetGroup_, target);
    checkButton(contentGroup_, content);
    centreOnScreen(this);
    return exec() == QDialog::Accepted;
}

int OptionsDialog::chosenTarget() const { return targetGroup_->checkedId(); }
int OptionsDialog::chosenContent() const { return contentGroup_->checkedId(); }

} // namespace quillmar::app
