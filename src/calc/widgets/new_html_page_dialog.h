#pragma once
// The dialog "Neue HTML-Datei": folder, file name, heading and text of a new page.
#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace quillmar::calc {

class NewHtmlPageDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewHtmlPageDialog(QWidget* parent = nullptr);

    QLineEdit* verzeichnis = nullptr;
    QLineEdit* dateiname = nullptr;
    QLineEdit* ueberschrift = nullptr;
    QPlainTextEdit* text = nullptr;
};

} // namespace quillmar::calc
