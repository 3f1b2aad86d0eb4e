#include "calcwindow/widgets/thtmldlg.h"

#include "calcwindow/texts.h"
#include "calcwindow/widgets/tneuehtmldatei.h"
#include "calcwindow/widgets/ui_texts.h"
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

namespace quillmar {

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

Thtmldlg::Thtmldlg(Messages& messages, QWidget* parent) : QDialog(parent), messages_(messages)
{
    setWindowTitle(q(calcui::kHtmlCaption));
    setFixedSize(590, 495);
    auto* layout = new QVBoxLayout(this);
    pages = new QTabWidget(this);
    pages->addTab(createFilePage(), q(calcui::kPageHtmlDatei));
    pages->addTab(createDataPage(), q(calcui::kPageDaten));
    picturePage_ = createPicturePage();
    layout->addWidget(pages, 1);

    auto* bottom = new QHBoxLayout;
    einfuegen = new QPushButton(q(calcui::kDatenEinfuegen), this);
    einfuegen->setStyleSheet(QStringLiteral("color: red;"));
    vorschau = new QPushButton(q(calcui::kVorschau), this);
    schliessen = new QPushButton(q(calcui::kSchliessen), this);
    bottom->addWidget(einfuegen);
    bottom->addWidget(vorschau);
    bottom->addStretch();
    bottom->addWidget(schliessen);
    layout->addLayout(bottom);
    connect(einfuegen, &QPushButton::clicked, this, [this] { insertData(); });
    connect(vorschau, &QPushButton::clicked, this, &Thtmldlg::showPreview);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* Thtmldlg::createFilePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(q(calcui::kAktuelleDatei), page));
    aktuelleDatei = new QLineEdit(page);
    aktuelleDatei->setReadOnly(true);
    layout->addWidget(aktuelleDatei);
    auto* buttons = new QHBoxLayout;
    neueDatei = new QPushButton(q(calcui::kNeueDateiButton), page);
    oeffnen = new QPushButton(q(calcui::kHtmlOeffnen), page);
    speichern = new QPushButton(q(calcui::kHtmlSpeichern), page);
    speichernUnter = new QPushButton(q(calcui::kHtmlSpeichernUnter), page);
    speichernUnter->hide();
    for (QPushButton* b : {neueDatei, oeffnen, speichern, speichernUnter})
        buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons);
    htmlText = new QPlainTextEdit(page);
    htmlText->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(htmlText, 1);
    connect(neueDatei, &QPushButton::clicked, this, &Thtmldlg::askNewFile);
    connect(oeffnen, &QPushButton::clicked, this, &Thtmldlg::askOpenFile);
    connect(speichern, &QPushButton::clicked, this, [this] { saveHtmlFile(); });
    return page;
}

QWidget* Thtmldlg::createDataPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    datenText = new QPlainTextEdit(page);
    datenText->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(datenText);
    return page;
}

QWidget* Thtmldlg::createPicturePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    auto* group = new QGroupBox(q(calcui::kBildgroesse), page);
    auto* sizes = new QHBoxLayout(group);
    breite = new QSpinBox(group);
    hoehe = new QSpinBox(group);
    for (QSpinBox* box : {breite, hoehe})
        box->setRange(2, 999999);
    breite->setValue(300);
    hoehe->setValue(400);
    sizes->addWidget(new QLabel(q(calcui::kBreite), group));
    sizes->addWidget(breite);
    sizes->addWidget(new QLabel(q(calcui::kHoehe), group));
    sizes->addWidget(hoehe);
    row->addWidget(group);
    hintergrundfarbe = new QCheckBox(q(calcui::kHintergrundfarbe), page);
    row->addWidget(hintergrundfarbe);
    auto* refresh = new QPushButton(q(calcui::kAktualisieren), page);
    refresh->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    row->addWidget(refresh);
    row->addStretch();
    layout->addLayout(row);
    auto* scroll = new QScrollArea(page);
    bild = new QLabel(scroll);
    scroll->setWidget(bild);
    layout->addWidget(scroll, 1);
    connect(refresh, &QPushButton::clicked, this, &Thtmldlg::refreshPicture);
    return page;
}

void Thtmldlg::showData()
{
    QStringList lines;
    for (const std::string& line : data_.lines())
        lines << toQString(line);
    datenText->setPlainText(lines.join(QChar('\n')));
    const int index = pages->indexOf(picturePage_);
    if (data_.pictureShown() && index < 0)
        pages->addTab(picturePage_, q(calcui::kPageGrafik));
    else if (!data_.pictureShown() && index >= 0)
        pages->removeTab(index);
    pages->setCurrentIndex(0);
}

void Thtmldlg::setPicture(const QImage& picture)
{
    picture_ = picture;
    data_.showPicture(true);
    refreshPicture();
}

QImage Thtmldlg::sizedPicture() const
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

void Thtmldlg::refreshPicture()
{
    const QImage image = sizedPicture();
    bild->setPixmap(QPixmap::fromImage(image));
    bild->resize(image.size());
}

bool Thtmldlg::openHtmlFile(const QString& path)
{
    const auto document = calc::readHtmlFile(toStdString(path).c_str());
    if (!document) {
        std::string message = calctexts::kNichtOeffnen;
        message.replace(message.find("%1"), 2, toStdString(path));
        message.replace(message.find("%2"), 2, calctexts::kNichtLesbar);
        messages_.show(message);
        return false;
    }
    currentFile_ = path;
    currentUtf8_ = document->utf8;
    aktuelleDatei->setText(path);
    htmlText->setPlainText(withLineFeeds(toQString(document->text)));
    return true;
}

bool Thtmldlg::saveHtmlFile()
{
    if (currentFile_.isEmpty()) {
        messages_.show(calctexts::kKeineHtmlDatei);
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

bool Thtmldlg::createHtmlFile(const QString& folder, const QString& name, const QString& heading, const QString& text,
                              bool replaceExisting)
{
    if (name.trimmed().isEmpty()) {
        messages_.show(calctexts::kKeinDateiname);
        return false;
    }
    if (!QFileInfo(folder).isDir()) {
        messages_.show(q(calctexts::kVerzeichnisFehlt).arg(folder).toStdString());
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

bool Thtmldlg::insertData()
{
    if (currentFile_.isEmpty()) {
        messages_.show(calctexts::kKeineHtmlDatei);
        return false;
    }
    const auto inserted = calc::insertAtMarker(toStdString(htmlText->toPlainText()), linesOf(datenText));
    if (!inserted) {
        messages_.show(calctexts::kKeineMarke);
        return false;
    }
    if (pages->indexOf(picturePage_) >= 0 && !data_.pictureFileName().empty()) {
        const QString picturePath =
            QFileInfo(currentFile_).absoluteDir().filePath(toQString(data_.pictureFileName()));
        if (!sizedPicture().save(picturePath, "JPG")) {
            messages_.show(q(calctexts::kBildNichtGeschrieben).arg(picturePath).toStdString());
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

void Thtmldlg::askNewFile()
{
    TNeueHtmlDatei dialog(this);
    if (!currentFile_.isEmpty())
        dialog.verzeichnis->setText(QFileInfo(currentFile_).absolutePath());
    while (dialog.exec() == QDialog::Accepted) {
        const QString folder = dialog.verzeichnis->text();
        const QString name = dialog.dateiname->text().trimmed();
        bool replace = false;
        if (!name.isEmpty() && QFileInfo(folder).isDir()) {
            const QString path = toQString(calc::htmlFileName(toStdString(folder).c_str(), toStdString(name)).string());
            if (QFileInfo::exists(path)) {
                replace = QMessageBox::question(this, windowTitle(), q(calctexts::kDateiVorhanden).arg(path))
                          == QMessageBox::Yes;
                if (!replace)
                    continue;
            }
        }
        if (createHtmlFile(folder, name, dialog.ueberschrift->text(), dialog.text->toPlainText(), replace))
            return;
    }
}

void Thtmldlg::askOpenFile()
{
    const QString path = QFileDialog::getOpenFileName(this, QString(), currentFile_, q(calcui::kHtmlFilter));
    if (!path.isEmpty())
        openHtmlFile(path);
}

void Thtmldlg::showPreview()
{
    if (currentFile_.isEmpty()) {
        messages_.show(calctexts::kKeineHtmlDatei);
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

} // namespace quillmar
