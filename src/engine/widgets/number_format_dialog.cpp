#include "engine/widgets/number_format_dialog.h"

#include "engine/format_samples.h"
#include "engine/number_texts.h"
#include "support/widgets/qt_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace quillmar::engine {

NumberFormatDialog::NumberFormatDialog(QWidget* parent)
    : QDialog(parent)
    , pattern_(toQString(engine::texts::defaultPattern))
{
    setWindowTitle(toQString(engine::texts::dialogCaption));

    FormatEdit = new QComboBox(this);
    FormatEdit->setEditable(true);
    FormatEdit->setInsertPolicy(QComboBox::NoInsert); // typing a pattern does not add it to the presets
    for (std::string_view preset : engine::texts::presetPatterns)
        FormatEdit->addItem(toQString(preset));
    auto* chooseLabel = new QLabel(toQString(engine::texts::chooseFormatLabel), this);
    chooseLabel->setBuddy(FormatEdit);

    Unform = new QListWidget(this);
    for (std::string_view sample : engine::texts::sampleNumbers)
        Unform->addItem(toQString(sample));
    Form = new QListWidget(this);
    for (QListWidget* list : {Unform, Form})
        list->setFocusPolicy(Qt::NoFocus);

    OKBtn = new QPushButton(toQString(engine::texts::okButton), this);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(toQString(engine::texts::cancelButton), this);
    HelpBtn = new QPushButton(toQString(engine::texts::helpButton), this);
    HelpBtn->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(OKBtn, QDialogButtonBox::AcceptRole);
    buttons->addButton(CancelBtn, QDialogButtonBox::RejectRole);
    buttons->addButton(HelpBtn, QDialogButtonBox::HelpRole);

    auto* lists = new QHBoxLayout;
    lists->addWidget(Unform);
    lists->addWidget(Form);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(toQString(engine::texts::displayFormatLabel), this));
    layout->addWidget(chooseLabel);
    layout->addWidget(FormatEdit);
    layout->addWidget(new QLabel(toQString(engine::texts::samplesLabel), this));
    layout->addLayout(lists);
    layout->addWidget(buttons);

    connect(FormatEdit, &QComboBox::editTextChanged, this, &NumberFormatDialog::refillForm);
    connect(buttons, &QDialogButtonBox::accepted, this, &NumberFormatDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NumberFormatDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { emit helpRequested(engine::texts::helpContext); });

    refillForm(FormatEdit->currentText());
}

void NumberFormatDialog::showEvent(QShowEvent* event)
{
    FormatEdit->setEditText(pattern_);
    refillForm(pattern_); // also when the text did not change
    FormatEdit->setFocus();
    FormatEdit->lineEdit()->selectAll();
    QDialog::showEvent(event);
}

void NumberFormatDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::HelpContents)) {
        HelpBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void NumberFormatDialog::accept()
{
    pattern_ = FormatEdit->currentText();
    QDialog::accept();
}

void NumberFormatDialog::refillForm(const QString& pattern)
{
    Form->clear();
    for (const std::string& text : formatSampleNumbers(toStdString(pattern)))
        Form->addItem(toQString(text));
}

} // namespace quillmar::engine
