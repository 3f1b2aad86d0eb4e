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

    void setFolder(const QString& folder);
    QString folder() const;
    // The file name without leading and trailing blanks.
    QString fileName() const;
    QString heading() const;
    QString text() const;

private:
    QLineEdit* folderEdit_ = nullptr;
    QLineEdit* fileNameEdit_ = nullptr;
    QLineEdit* headingEdit_ = nullptr;
    QPlainTextEdit* textEdit_ = nullptr;
};

} // namespace quillmar::calc
