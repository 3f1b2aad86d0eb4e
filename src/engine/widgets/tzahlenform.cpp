#include "engine/widgets/tzahlenform.h"

#include "engine/format_samples.h"
#include "engine/number_texts.h"
#include "engine/widgets/qt_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace quillmar {

Tzahlenform::Tzahlenform(QWidget* parent)
    : QDialog(parent)
    , m_pattern(toQString(numtexts::defaultPattern))
{
    setWindowTitle(toQString(numtexts::dialogCaption));

    FormatEdit = new QComboBox(this);
    FormatEdit->setEditable(true);
    FormatEdit->setInsertPolicy(QComboBox::NoInsert); // typing a pattern does not add it to the presets
    for (std::string_view preset : numtexts::presetPatterns)
        FormatEdit->addItem(toQString(preset));
    auto* chooseLabel = new QLabel(toQString(numtexts::chooseFormatLabel), this);
    chooseLabel->setBuddy(FormatEdit);

    Unform = new QListWidget(this);
    for (std::string_view sample : numtexts::sampleNumbers)
        Unform->addItem(toQString(sample));
    Form = new QListWidget(this);
    for (QListWidget* list : {Unform, Form})
        list->setFocusPolicy(Qt::NoFocus);

    OKBtn = new QPushButton(toQString(numtexts::okButton), this);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(toQString(numtexts::cancelButton), this);
    HelpBtn = new QPushButton(toQString(numtexts::helpButton), this);
    HelpBtn->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(OKBtn, QDialogButtonBox::AcceptRole);
    buttons->addButton(CancelBtn, QDialogButtonBox::RejectRole);
    buttons->addButton(HelpBtn, QDialogButtonBox::HelpRole);

    auto* lists = new QHBoxLayout;
    lists->addWidget(Unform);
    lists->addWidget(Form);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(toQString(numtexts::displayFormatLabel), this));
    layout->addWidget(chooseLabel);
    layout->addWidget(FormatEdit);
    layout->addWidget(new QLabel(toQString(numtexts::samplesLabel), this));
    layout->addLayout(lists);
    layout->addWidget(buttons);

    connect(FormatEdit, &QComboBox::editTextChanged, this, &Tzahlenform::refillForm);
    connect(buttons, &QDialogButtonBox::accepted, this, &Tzahlenform::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &Tzahlenform::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { emit helpRequested(numtexts::helpContext); });

    refillForm(FormatEdit->currentText());
}

void Tzahlenform::showEvent(QShowEvent* event)
{
    FormatEdit->setEditText(m_pattern);
    refillForm(m_pattern); // also when the text did not change
    FormatEdit->setFocus();
    FormatEdit->lineEdit()->selectAll();
    QDialog::showEvent(event);
}

void Tzahlenform::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::HelpContents)) {
        HelpBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Tzahlenform::accept()
{
    m_pattern = FormatEdit->currentText();
    QDialog::accept();
}

void Tzahlenform::refillForm(const QString& pattern)
{
    Form->clear();
    for (const std::string& text : formatSampleNumbers(toStdString(pattern)))
        Form->addItem(toQString(text));
}

} // namespace quillmar
