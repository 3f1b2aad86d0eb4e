#include "calc/widgets/new_html_page_dialog.h"

#include "calc/widgets/ui_texts.h"
#include "support/widgets/qt_text.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quillmar::calc {

NewHtmlPageDialog::NewHtmlPageDialog(QWidget* parent) : QDialog(parent)
{
    using namespace calc::texts;
    setWindowTitle(toQString(kNewPageCaption));
    auto* form = new QFormLayout(this);
    auto* folderRow = new QHBoxLayout;
    folderEdit_ = new QLineEdit(QDir::homePath(), this);
    auto* choose = new QPushButton(toQString(kChooseFolderButton), this);
    folderRow->addWidget(folderEdit_, 1);
    folderRow->addWidget(choose);
    form->addRow(toQString(kFolderLabel), folderRow);
    fileNameEdit_ = new QLineEdit(toQString(kDefaultFileName), this);
    form->addRow(toQString(kFileNameLabel), fileNameEdit_);
    headingEdit_ = new QLineEdit(this);
    form->addRow(toQString(kHeadingLabel), headingEdit_);
    textEdit_ = new QPlainTextEdit(this);
    form->addRow(toQString(kTextLabel), textEdit_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(toQString(kOkButton), QDialogButtonBox::AcceptRole);
    buttons->addButton(toQString(kCancelButton), QDialogButtonBox::RejectRole);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, QString(), folderEdit_->text());
        if (!folder.isEmpty())
            folderEdit_->setText(folder);
    });
}

void NewHtmlPageDialog::setFolder(const QString& folder) { folderEdit_->setText(folder); }

QString NewHtmlPageDialog::folder() const { return folderEdit_->text(); }

QString NewHtmlPageDialog::fileName() const { return fileNameEdit_->text().trimmed(); }

QString NewHtmlPageDialog::heading() const { return headingEdit_->text(); }

QString NewHtmlPageDialog::text() const { return textEdit_->toPlainText(); }

} // namespace quillmar::calc
