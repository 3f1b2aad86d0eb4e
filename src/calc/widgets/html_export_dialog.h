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

    QTabWidget* pages = nullptr;
    QLineEdit* aktuelleDatei = nullptr;
    QPlainTextEdit* htmlText = nullptr;
    QPlainTextEdit* datenText = nullptr;
    QSpinBox* breite = nullptr;
    QSpinBox* hoehe = nullptr;
    QCheckBox* hintergrundfarbe = nullptr;
    QLabel* bild = nullptr;
    QPushButton* neueDatei = nullptr;
    QPushButton* oeffnen = nullptr;
    QPushButton* speichern = nullptr;
    QPushButton* speichernUnter = nullptr;
    QPushButton* einfuegen = nullptr;
    QPushButton* vorschau = nullptr;
    QPushButton* schliessen = nullptr;

private:
    QWidget* createFilePage();
    QWidget* createDataPage();
    QWidget* createPicturePage();
    void askNewFile();
    void askOpenFile();
    void showPreview();
    void refreshPicture();

    Messages& messages_;
    calc::HtmlDataText data_;
    QString currentFile_;
    bool currentUtf8_ = true;
    QImage picture_;
    QWidget* picturePage_ = nullptr;
};

} // namespace quillmar::calc
