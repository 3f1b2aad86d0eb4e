#include "calc/widgets/html_export_dialog.h"

#include "calc/texts.h"
#include "calc/widgets/new_html_page_dialog.h"
#include "calc/widgets/ui_texts.h"
#include "support/text.h"
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
    setWindowTitle(toQString(calc::texts::kHtmlDialogCaption));
    setFixedSize(590, 495);
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    pages_->addTab(createFilePage(), toQString(calc::texts::kHtmlFilePage));
    pages_->addTab(createDataPage(), toQString(calc::texts::kDataPage));
    picturePage_ = createPicturePage();
    layout->addWidget(pages_, 1);

    auto* bottom = new QHBoxLayout;
    insertButton_ = new QPushButton(toQString(calc::texts::kInsertDataButton), this);
    insertButton_->setStyleSheet(QStringLiteral("color: red;"));
    previewButton_ = new QPushButton(toQString(calc::texts::kPreviewButton), this);
    closeButton_ = new QPushButton(toQString(calc::texts::kCloseButton), this);
    bottom->addWidget(insertButton_);
    bottom->addWidget(previewButton_);
    bottom->addStretch();
    bottom->addWidget(closeButton_);
    layout->addLayout(bottom);
    connect(insertButton_, &QPushButton::clicked, this, [this] { insertData(); });
    connect(previewButton_, &QPushButton::clicked, this, &HtmlExportDialog::showPreview);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
}

HtmlExportDialog::Controls HtmlExportDialog::controls() const
{
    return {pages_, currentFileEdit_, htmlEdit_, dataEdit_, pictureWidthBox_, pictureHeightBox_, backgroundColourCheck_};
}

QWidget* HtmlExportDialog::createFilePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(toQString(calc::texts::kCurrentFileLabel), page));
    currentFileEdit_ = new QLineEdit(page);
    currentFileEdit_->setReadOnly(true);
    layout->addWidget(currentFileEdit_);
    auto* buttons = new QHBoxLayout;
    newFileButton_ = new QPushButton(toQString(calc::texts::kNewFileButton), page);
    openButton_ = new QPushButton(toQString(calc::texts::kOpenButton), page);
    saveButton_ = new QPushButton(toQString(calc::texts::kSaveButton), page);
    saveAsButton_ = new QPushButton(toQString(calc::texts::kSaveAsButton), page);
    saveAsButton_->hide();
    for (QPushButton* b : {newFileButton_, openButton_, saveButton_, saveAsButton_})
        buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons);
    htmlEdit_ = new QPlainTextEdit(page);
    htmlEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(htmlEdit_, 1);
    connect(newFileButton_, &QPushButton::clicked, this, &HtmlExportDialog::askNewFile);
    connect(openButton_, &QPushButton::clicked, this, &HtmlExportDialog::askOpenFile);
    connect(saveButton_, &QPushButton::clicked, this, [this] { saveHtmlFile(); });
    return page;
}

QWidget* HtmlExportDialog::createDataPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    dataEdit_ = new QPlainTextEdit(page);
    dataEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(dataEdit_);
    return page;
}

QWidget* HtmlExportDialog::createPicturePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    auto* group = new QGroupBox(toQString(calc::texts::kPictureSizeGroup), page);
    auto* sizes = new QHBoxLayout(group);
    pictureWidthBox_ = new QSpinBox(group);
    pictureHeightBox_ = new QSpinBox(group);
    for (QSpinBox* box : {pictureWidthBox_, pictureHeightBox_})
        box->setRange(2, 999999);
    pictureWidthBox_->setValue(300);
    pictureHeightBox_->setValue(400);
    sizes->addWidget(new QLabel(toQString(calc::texts::kWidthLabel), group));
    sizes->addWidget(pictureWidthBox_);
    sizes->addWidget(new QLabel(toQString(calc::texts::kHeightLabel), group));
    sizes->addWidget(pictureHeightBox_);
    row->addWidget(group);
    backgroundColourCheck_ = new QCheckBox(toQString(calc::texts::kBackgroundColourCheck), page);
    row->addWidget(backgroundColourCheck_);
    auto* refresh = new QPushButton(toQString(calc::texts::kRefreshButton), page);
    refresh->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    row->addWidget(refresh);
    row->addStretch();
    layout->addLayout(row);
    auto* scroll = new QScrollArea(page);
    pictureView_ = new QLabel(scroll);
    scroll->setWidget(pictureView_);
    layout->addWidget(scroll, 1);
    connect(refresh, &QPushButton::clicked, this, &HtmlExportDialog::refreshPicture);
    return page;
}

void HtmlExportDialog::showData()
{
    QStringList lines;
    for (const std::string& line : data_.lines())
        lines << toQString(line);
    dataEdit_->setPlainText(lines.join(QChar('\n')));
    const int index = pages_->indexOf(picturePage_);
    if (data_.pictureShown() && index < 0)
        pages_->addTab(picturePage_, toQString(calc::texts::kPicturePage));
    else if (!data_.pictureShown() && index >= 0)
        pages_->removeTab(index);
    pages_->setCurrentIndex(0);
}

void HtmlExportDialog::setPicture(const QImage& picture)
{
    picture_ = picture;
    data_.showPicture(true);
    refreshPicture();
}

QImage HtmlExportDialog::sizedPicture() const
{
    QImage out(pictureWidthBox_->value(), pictureHeightBox_->value(), QImage::Format_RGB32);
    out.fill(backgroundColourCheck_->isChecked() ? palette().color(QPalette::Window) : QColor(Qt::white));
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
    pictureView_->setPixmap(QPixmap::fromImage(image));
    pictureView_->resize(image.size());
}

bool HtmlExportDialog::openHtmlFile(const QString& path)
{
    const auto document = calc::readHtmlFile(toStdString(path).c_str());
    if (!document) {
        messages_.show(text::fillIn(calc::texts::kCannotOpen, {toStdString(path), calc::texts::kMissingOrUnreadable}));
        return false;
    }
    currentFile_ = path;
    currentUtf8_ = document->utf8;
    currentFileEdit_->setText(path);
    htmlEdit_->setPlainText(withLineFeeds(toQString(document->text)));
    return true;
}

bool HtmlExportDialog::saveHtmlFile()
{
    if (currentFile_.isEmpty()) {
        messages_.show(std::string(calc::texts::kNoHtmlFile));
        return false;
    }
    const std::string error =
        calc::writeHtmlFile(toStdString(currentFile_).c_str(), {withCrLf(htmlEdit_->toPlainText()), currentUtf8_});
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
        messages_.show(std::string(calc::texts::kNoFileName));
        return false;
    }
    if (!QFileInfo(folder).isDir()) {
        messages_.show(text::fillIn(calc::texts::kFolderMissing, {toStdString(folder)}));
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
        messages_.show(std::string(calc::texts::kNoHtmlFile));
        return false;
    }
    const auto inserted = calc::insertAtMarker(toStdString(htmlEdit_->toPlainText()), linesOf(dataEdit_));
    if (!inserted) {
        messages_.show(std::string(calc::texts::kNoMarker));
        return false;
    }
    if (pages_->indexOf(picturePage_) >= 0 && !data_.pictureFileName().empty()) {
        const QString picturePath =
            QFileInfo(currentFile_).absoluteDir().filePath(toQString(data_.pictureFileName()));
        if (!sizedPicture().save(picturePath, "JPG")) {
            messages_.show(text::fillIn(calc::texts::kCannotWritePicture, {toStdString(picturePath)}));
            return false;
        }
    }
    const QString before = htmlEdit_->toPlainText();
    htmlEdit_->setPlainText(withLineFeeds(toQString(*inserted)));
    if (!saveHtmlFile()) {
        htmlEdit_->setPlainText(before);
        return false;
    }
    return true;
}

void HtmlExportDialog::askNewFile()
{
    NewHtmlPageDialog dialog(this);
    if (!currentFile_.isEmpty())
        dialog.setFolder(QFileInfo(currentFile_).absolutePath());
    while (dialog.exec() == QDialog::Accepted) {
        const QString folder = dialog.folder();
        const QString name = dialog.fileName();
        bool replace = false;
        if (!name.isEmpty() && QFileInfo(folder).isDir()) {
            const QString path = toQString(calc::htmlFileName(toStdString(folder).c_str(), toStdString(name)).string());
            if (QFileInfo::exists(path)) {
                replace = QMessageBox::question(this, windowTitle(), toQString(calc::texts::kFileExists).arg(path))
                          == QMessageBox::Yes;
                if (!replace)
                    continue;
            }
        }
        if (createHtmlFile(folder, name, dialog.heading(), dialog.text(), replace))
            return;
    }
}

void HtmlExportDialog::askOpenFile()
{
    const QString path = QFileDialog::getOpenFileName(this, QString(), currentFile_, toQString(calc::texts::kHtmlFilter));
    if (!path.isEmpty())
        openHtmlFile(path);
}

void HtmlExportDialog::showPreview()
{
    if (currentFile_.isEmpty()) {
        messages_.show(std::string(calc::texts::kNoHtmlFile));
        return;
    }
    QDialog preview(this);
    preview.setWindowTitle(QFileInfo(currentFile_).fileName());
    preview.resize(640, 480);
    auto* layout = new QVBoxLayout(&preview);
    auto* browser = new QTextBrowser(&preview);
    browser->setObjectName(QStringLiteral("preview"));
    browser->setSource(QUrl::fromLocalFile(currentFile_));
    layout->addWidget(browser);
    preview.exec();
}

} // namespace quillmar::calc
