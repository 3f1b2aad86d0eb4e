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

    patternChooser_ = new QComboBox(this);
    patternChooser_->setEditable(true);
    patternChooser_->setInsertPolicy(QComboBox::NoInsert); // typing a pattern does not add it to the presets
    for (std::string_view preset : engine::texts::presetPatterns)
        patternChooser_->addItem(toQString(preset));
    auto* chooseLabel = new QLabel(toQString(engine::texts::chooseFormatLabel), this);
    chooseLabel->setBuddy(patternChooser_);

    sampleList_ = new QListWidget(this);
    for (std::string_view sample : engine::texts::sampleNumbers)
        sampleList_->addItem(toQString(sample));
    formattedList_ = new QListWidget(this);
    for (QListWidget* list : {sampleList_, formattedList_})
        list->setFocusPolicy(Qt::NoFocus);

    okButton_ = new QPushButton(toQString(engine::texts::okButton), this);
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(toQString(engine::texts::cancelButton), this);
    helpButton_ = new QPushButton(toQString(engine::texts::helpButton), this);
    helpButton_->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(okButton_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelButton_, QDialogButtonBox::RejectRole);
    buttons->addButton(helpButton_, QDialogButtonBox::HelpRole);

    auto* lists = new QHBoxLayout;
    lists->addWidget(sampleList_);
    lists->addWidget(formattedList_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(toQString(engine::texts::displayFormatLabel), this));
    layout->addWidget(chooseLabel);
    layout->addWidget(patternChooser_);
    layout->addWidget(new QLabel(toQString(engine::texts::samplesLabel), this));
    layout->addLayout(lists);
    layout->addWidget(buttons);

    connect(patternChooser_, &QComboBox::editTextChanged, this, &NumberFormatDialog::showFormattedSamples);
    connect(buttons, &QDialogButtonBox::accepted, this, &NumberFormatDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NumberFormatDialog::reject);
    connect(helpButton_, &QPushButton::clicked, this, [this] { emit helpRequested(engine::texts::helpContext); });

    showFormattedSamples(patternChooser_->currentText());
}

NumberFormatDialog::Controls NumberFormatDialog::controls() const
{
    return {patternChooser_, sampleList_, formattedList_, okButton_, cancelButton_, helpButton_};
}

void NumberFormatDialog::showEvent(QShowEvent* event)
{
    patternChooser_->setEditText(pattern_);
    showFormattedSamples(pattern_); // also when the text did not change
    patternChooser_->setFocus();
    patternChooser_->lineEdit()->selectAll();
    QDialog::showEvent(event);
}

void NumberFormatDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::HelpContents)) {
        helpButton_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void NumberFormatDialog::accept()
{
    pattern_ = patternChooser_->currentText();
    QDialog::accept();
}

void NumberFormatDialog::showFormattedSamples(const QString& pattern)
{
    formattedList_->clear();
    for (const std::string& text : formatSampleNumbers(toStdString(pattern)))
        formattedList_->addItem(toQString(text));
}

} // namespace quillmar::engine
