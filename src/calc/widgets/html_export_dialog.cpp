#include "calc/widgets/html_export_dialog.h"

#include "calc/texts.h"
#include "calc/widgets/new_html_page_dialog.h"
#include "calc/widgets/ui_texts.h"
#include "support/widgets/qt_text.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quillmar::calc {

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

std::vector<std::string> linesOf(const QPlainTextEdit* field)
{
    std::vector<std::string> lines;
    const QString text = field->toPlainText();
    if (text.isEmpty())
        return lines;
    for (const QString& line : text.split(QChar('\n')))
        lines.push_back(toStdString(line));
    return lines;
}

// The text field works with line feeds; the page is written with CR LF.
QString withLineFeeds(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QChar('\r'), QChar('\n'));
    return out;
}

std::string withCrLf(const QString& text)
{
    QString out = withLineFeeds(text);
    out.replace(QChar('\n'), QStringLiteral("\r\n"));
    return toStdString(out);
}

} // namespace

HtmlExportDialog::HtmlExportDialog(Messages& messages, QWidget* parent) : QDialog(parent), messages_(messages)
{
    setWindowTitle(q(calc::texts::kHtmlCaption));
    setFixedSize(590, 495);
    auto* layout = new QVBoxLayout(this);
    pages = new QTabWidget(this);
    pages->addTab(createFilePage(), q(calc::texts::kPageHtmlDatei));
    pages->addTab(createDataPage(), q(calc::texts::kPageDaten));
    picturePage_ = createPicturePage();
    layout->addWidget(pages, 1);

    auto* bottom = new QHBoxLayout;
    einfuegen = new QPushButton(q(calc::texts::kDatenEinfuegen), this);
    einfuegen->setStyleSheet(QStringLiteral("color: red;"));
    vorschau = new QPushButton(q(calc::texts::kVorschau), this);
    schliessen = new QPushButton(q(calc::texts::kSchliessen), this);
    bottom->addWidget(einfuegen);
    bottom->addWidget(vorschau);
    bottom->addStretch();
    bottom->addWidget(schliessen);
    layout->addLayout(bottom);
    connect(einfuegen, &QPushButton::clicked, this, [this] { insertData(); });
    connect(vorschau, &QPushButton::clicked, this, &HtmlExportDialog::showPreview);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* HtmlExportDialog::createFilePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(q(calc::texts::kAktuelleDatei), page));
    aktuelleDatei = new QLineEdit(page);
    aktuelleDatei->setReadOnly(true);
    layout->addWidget(aktuelleDatei);
    auto* buttons = new QHBoxLayout;
    neueDatei = new QPushButton(q(calc::texts::kNeueDateiButton), page);
    oeffnen = new QPushButton(q(calc::texts::kHtmlOeffnen), page);
    speichern = new QPushButton(q(calc::texts::kHtmlSpeichern), page);
    speichernUnter = new QPushButton(q(calc::texts::kHtmlSpeichernUnter), page);
    speichernUnter->hide();
    for (QPushButton* b : {neueDatei, oeffnen, speichern, speichernUnter})
        buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons);
    htmlText = new QPlainTextEdit(page);
    htmlText->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(htmlText, 1);
    connect(neueDatei, &QPushButton::clicked, this, &HtmlExportDialog::askNewFile);
    connect(oeffnen, &QPushButton::clicked, this, &HtmlExportDialog::askOpenFile);
    connect(speichern, &QPushButton::clicked, this, [this] { saveHtmlFile(); });
    return page;
}

QWidget* HtmlExportDialog::createDataPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    datenText = new QPlainTextEdit(page);
    datenText->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(datenText);
    return page;
}

QWidget* HtmlExportDialog::createPicturePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    auto* group = new QGroupBox(q(calc::texts::kBildgroesse), page);
    auto* sizes = new QHBoxLayout(group);
    breite = new QSpinBox(group);
    hoehe = new QSpinBox(group);
    for (QSpinBox* box : {breite, hoehe})
        box->setRange(2, 999999);
    breite->setValue(300);
    hoehe->setValue(400);
    sizes->addWidget(new QLabel(q(calc::texts::kBreite), group));
    sizes->addWidget(breite);
    sizes->addWidget(new QLabel(q(calc::texts::kHoehe), group));
    sizes->addWidget(hoehe);
    row->addWidget(group);
    hintergrundfarbe = new QCheckBox(q(calc::texts::kHintergrundfarbe), page);
    row->addWidget(hintergrundfarbe);
    auto* refresh = new QPushButton(q(calc::texts::kAktualisieren), page);
    refresh->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    row->addWidget(refresh);
    row->addStretch();
    layout->addLayout(row);
    auto* scroll = new QScrollArea(page);
    bild = new QLabel(scroll);
    scroll->setWidget(bild);
    layout->addWidget(scroll, 1);
    connect(refresh, &QPushButton::clicked, this, &HtmlExportDialog::refreshPicture);
    return page;
}

void HtmlExportDialog::showData()
{
    QStringList lines;
    for (const std::string& line : data_.lines())
        lines << toQString(line);
    datenText->setPlainText(lines.join(QChar('\n')));
    const int index = pages->indexOf(picturePage_);
    if (data_.pictureShown() && index < 0)
        pages->addTab(picturePage_, q(calc::texts::kPageGrafik));
    else if (!data_.pictureShown() && index >= 0)
        pages->removeTab(index);
    pages->setCurrentIndex(0);
}

void HtmlExportDialog::setPicture(const QImage& picture)
{
    picture_ = picture;
    data_.showPicture(true);
    refreshPicture();
}

QImage HtmlExportDialog::sizedPicture() const
{
    QImage out(breite->value(), hoehe->value(), QImage::Format_RGB32);
    out.fill(hintergrundfarbe->isChecked() ? palette().color(QPalette::Window) : QColor(Qt::white));
    if (!picture_.isNull()) {
        QPainter painter(&out);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QImage scaled = picture_.scaled(out.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawImage((out.width() - scaled.width()) / 2, (out.height() - scaled.height()) / 2, scaled);
    }
    return out;
}

void HtmlExportDialog::refreshPicture()
{
    const QImage image = sizedPicture();
    bild->setPixmap(QPixmap::fromImage(image));
    bild->resize(image.size());
}

bool HtmlExportDialog::openHtmlFile(const QString& path)
{
    const auto document = calc::readHtmlFile(toStdString(path).c_str());
    if (!document) {
        std::string message = calc::texts::kNichtOeffnen;
        message.replace(message.find("%1"), 2, toStdString(path));
        message.replace(message.find("%2"), 2, calc::texts::kNichtLesbar);
        messages_.show(message);
        return false;
    }
    currentFile_ = path;
    currentUtf8_ = document->utf8;
    aktuelleDatei->setText(path);
    htmlText->setPlainText(withLineFeeds(toQString(document->text)));
    return true;
}

bool HtmlExportDialog::saveHtmlFile()
{
    if (currentFile_.isEmpty()) {
        messages_.show(calc::texts::kKeineHtmlDatei);
        return false;
    }
    const std::string error =
        calc::writeHtmlFile(toStdString(currentFile_).c_str(), {withCrLf(htmlText->toPlainText()), currentUtf8_});
    if (!error.empty()) {
        messages_.show(error);
        return false;
    }
    return true;
}

bool HtmlExportDialog::createHtmlFile(const QString& folder, const QString& name, const QString& heading, const QString& text,
                              bool replaceExisting)
{
    if (name.trimmed().isEmpty()) {
        messages_.show(calc::texts::kKeinDateiname);
        return false;
    }
    if (!QFileInfo(folder).isDir()) {
        messages_.show(q(calc::texts::kVerzeichnisFehlt).arg(folder).toStdString());
        return false;
    }
    const auto path = calc::htmlFileName(toStdString(folder).c_str(), toStdString(name.trimmed()));
    const QString qpath = toQString(path.string());
    if (QFileInfo::exists(qpath) && !replaceExisting)
        return false;
    std::vector<std::string> lines;
    if (!text.isEmpty()) {
        for (const QString& line : text.split(QChar('\n')))
            lines.push_back(toStdString(line));
    }
    const std::string error = calc::writeHtmlFile(path, {calc::newHtmlPage(toStdString(heading), lines), true});
    if (!error.empty()) {
        messages_.show(error);
        return false;
    }
    return openHtmlFile(qpath);
}

bool HtmlExportDialog::insertData()
{
    if (currentFile_.isEmpty()) {
        messages_.show(calc::texts::kKeineHtmlDatei);
        return false;
    }
    const auto inserted = calc::insertAtMarker(toStdString(htmlText->toPlainText()), linesOf(datenText));
    if (!inserted) {
        messages_.show(calc::texts::kKeineMarke);
        return false;
    }
    if (pages->indexOf(picturePage_) >= 0 && !data_.pictureFileName().empty()) {
        const QString picturePath =
            QFileInfo(currentFile_).absoluteDir().filePath(toQString(data_.pictureFileName()));
        if (!sizedPicture().save(picturePath, "JPG")) {
            messages_.show(q(calc::texts::kBildNichtGeschrieben).arg(picturePath).toStdString());
            return false;
        }
    }
    const QString before = htmlText->toPlainText();
    htmlText->setPlainText(withLineFeeds(toQString(*inserted)));
    if (!saveHtmlFile()) {
        htmlText->setPlainText(before);
        return false;
    }
    return true;
}

void HtmlExportDialog::askNewFile()
{
    NewHtmlPageDialog dialog(this);
    if (!currentFile_.isEmpty())
        dialog.verzeichnis->setText(QFileInfo(currentFile_).absolutePath());
    while (dialog.exec() == QDialog::Accepted) {
        const QString folder = dialog.verzeichnis->text();
        const QString name = dialog.dateiname->text().trimmed();
        bool replace = false;
        if (!name.isEmpty() && QFileInfo(folder).isDir()) {
            const QString path = toQString(calc::htmlFileName(toStdString(folder).c_str(), toStdString(name)).string());
            if (QFileInfo::exists(path)) {
                replace = QMessageBox::question(this, windowTitle(), q(calc::texts::kDateiVorhanden).arg(path))
                          == QMessageBox::Yes;
                if (!replace)
                    continue;
            }
        }
        if (createHtmlFile(folder, name, dialog.ueberschrift->text(), dialog.text->toPlainText(), replace))
            return;
    }
}

void HtmlExportDialog::askOpenFile()
{
    const QString path = QFileDialog::getOpenFileName(this, QString(), currentFile_, q(calc::texts::kHtmlFilter));
    if (!path.isEmpty())
        openHtmlFile(path);
}

void HtmlExportDialog::showPreview()
{
    if (currentFile_.isEmpty()) {
        messages_.show(calc::texts::kKeineHtmlDatei);
        return;
    }
    QDialog preview(this);
    preview.setWindowTitle(QFileInfo(currentFile_).fileName());
    preview.resize(640, 480);
    auto* layout = new QVBoxLayout(&preview);
    auto* browser = new QTextBrowser(&preview);
    browser->setObjectName(QStringLiteral("vorschau"));
    browser->setSource(QUrl::fromLocalFile(currentFile_));
    layout->addWidget(browser);
    preview.exec();
}

} // namespace quillmar::calc
