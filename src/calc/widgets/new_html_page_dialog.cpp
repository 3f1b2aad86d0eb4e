#include "calc/widgets/new_html_page_dialog.h"

#include "calc/widgets/ui_texts.h"

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
    const auto q = [](const char* utf8) { return QString::fromUtf8(utf8); };
    setWindowTitle(q(calc::texts::kNeueDateiCaption));
    auto* form = new QFormLayout(this);
    auto* folderRow = new QHBoxLayout;
    verzeichnis = new QLineEdit(QDir::homePath(), this);
    auto* choose = new QPushButton(q(calc::texts::kVerzeichnisWaehlen), this);
    folderRow->addWidget(verzeichnis, 1);
    folderRow->addWidget(choose);
    form->addRow(q(calc::texts::kAusgabeverzeichnis), folderRow);
    dateiname = new QLineEdit(q(calc::texts::kDateinameVorgabe), this);
    form->addRow(q(calc::texts::kDateiname), dateiname);
    ueberschrift = new QLineEdit(this);
    form->addRow(q(calc::texts::kUeberschrift), ueberschrift);
    text = new QPlainTextEdit(this);
    form->addRow(q(calc::texts::kText), text);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(q(calc::texts::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(q(calc::texts::kAbbrechen), QDialogButtonBox::RejectRole);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, QString(), verzeichnis->text());
        if (!folder.isEmpty())
            verzeichnis->setText(folder);
    });
}

} // namespace quillmar::calc
