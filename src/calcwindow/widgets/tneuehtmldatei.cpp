#include "calcwindow/widgets/tneuehtmldatei.h"

#include "calcwindow/widgets/ui_texts.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace quillmar {

TNeueHtmlDatei::TNeueHtmlDatei(QWidget* parent) : QDialog(parent)
{
    const auto q = [](const char* utf8) { return QString::fromUtf8(utf8); };
    setWindowTitle(q(calcui::kNeueDateiCaption));
    auto* form = new QFormLayout(this);
    auto* folderRow = new QHBoxLayout;
    verzeichnis = new QLineEdit(QDir::homePath(), this);
    auto* choose = new QPushButton(q(calcui::kVerzeichnisWaehlen), this);
    folderRow->addWidget(verzeichnis, 1);
    folderRow->addWidget(choose);
    form->addRow(q(calcui::kAusgabeverzeichnis), folderRow);
    dateiname = new QLineEdit(q(calcui::kDateinameVorgabe), this);
    form->addRow(q(calcui::kDateiname), dateiname);
    ueberschrift = new QLineEdit(this);
    form->addRow(q(calcui::kUeberschrift), ueberschrift);
    text = new QPlainTextEdit(this);
    form->addRow(q(calcui::kText), text);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(q(calcui::kOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(q(calcui::kAbbrechen), QDialogButtonBox::RejectRole);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, QString(), verzeichnis->text());
        if (!folder.isEmpty())
            verzeichnis->setText(folder);
    });
}

} // namespace quillmar
