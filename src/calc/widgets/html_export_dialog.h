#pragma once
// HtmlExportDialog, the dialog "HTML-Ausgabe erzeugen": the windows write their fragment
// into its data text; the user picks or makes an HTML file and puts the data in
// at the marker <!##>, with the picture (if any) written beside the page.
#include "calc/html_fragment.h"
#include "calc/html_page.h"
#include "support/messages.h"

#include <QDialog>
#include <QImage>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace quillmar::calc {

class HtmlExportDialog : public QDialog {
    Q_OBJECT
public:
    explicit HtmlExportDialog(Messages& messages, QWidget* parent = nullptr);

    // The data text as the callers write it (begin, add line, ...); showData puts
    // it into the page "Einzufügende Daten" and shows or hides the page "Grafik".
    calc::HtmlDataText& dataText() { return data_; }
    void showData();
    // The picture that goes with the data (the page "Grafik").
    void setPicture(const QImage& picture);

    // The current HTML file; false (after a message) when it cannot be read.
    bool openHtmlFile(const QString& path);
    QString currentFile() const { return currentFile_; }
    // Writes the text of the page "HTML-Datei" to the current file.
    bool saveHtmlFile();
    // Makes a new page from the fields of "Neue HTML-Datei" and opens it. An
    // existing file is replaced only when replaceExisting is true.
    bool createHtmlFile(const QString& folder, const QString& name, const QString& heading, const QString& text,
                        bool replaceExisting);
    // Puts the data text in at the marker, writes the picture beside the page and
    // saves the page.
    bool insertData();
    // The picture as written: the size of "Breite" x "Höhe", the image scaled into
    // it, on the background colour or on white.
    QImage sizedPicture() const;

    // The controls a user types into or reads.
    struct Controls {
        QTabWidget* pages;
        QLineEdit* currentFile;
        QPlainTextEdit* htmlText;
        QPlainTextEdit* dataText;
        QSpinBox* pictureWidth;
        QSpinBox* pictureHeight;
        QCheckBox* backgroundColour;
    };
    Controls controls() const;

private:
    QWidget* createFilePage();
    QWidget* createDataPage();
    QWidget* createPicturePage();
    void askNewFile();
    void askOpenFile();
    void showPreview();
    void refreshPicture();

    QTabWidget* pages_ = nullptr;
    QLineEdit* currentFileEdit_ = nullptr;
    QPlainTextEdit* htmlEdit_ = nullptr;
    QPlainTextEdit* dataEdit_ = nullptr;
    QSpinBox* pictureWidthBox_ = nullptr;
    QSpinBox* pictureHeightBox_ = nullptr;
    QCheckBox* backgroundColourCheck_ = nullptr;
    QLabel* pictureView_ = nullptr;
    QPushButton* newFileButton_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* saveAsButton_ = nullptr;
    QPushButton* insertButton_ = nullptr;
    QPushButton* previewButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;

    Messages& messages_;
    calc::HtmlDataText data_;
    QString currentFile_;
    bool currentUtf8_ = true;
    QImage picture_;
    QWidget* picturePage_ = nullptr;
};

} // namespace quillmar::calc
