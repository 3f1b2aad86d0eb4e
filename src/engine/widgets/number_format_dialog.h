#pragma once
// NumberFormatDialog: the dialog "Zahlenformat", in which the user picks or types a
// number pattern and sees it applied to sample numbers. One instance lives for the
// whole run and holds the current pattern.
#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quillmar::engine {

class NumberFormatDialog : public QDialog {
    Q_OBJECT

public:
    explicit NumberFormatDialog(QWidget* parent = nullptr);

    // The current pattern; a window copies its own pattern in before showing the
    // dialog and takes it back after OK.
    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern) { pattern_ = pattern; }

    // The dialog's controls, for tests that drive it as a user would.
    struct Controls {
        QComboBox* patternChooser;
        QListWidget* sampleList;    // the sample numbers as typed
        QListWidget* formattedList; // the same numbers in the chosen pattern
        QPushButton* okButton;
        QPushButton* cancelButton;
        QPushButton* helpButton;
    };
    Controls controls() const;

signals:
    // The help button or F1: the application opens the help page of the context.
    void helpRequested(int helpContext);

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showFormattedSamples(const QString& pattern);

    QComboBox* patternChooser_ = nullptr;
    QListWidget* sampleList_ = nullptr;
    QListWidget* formattedList_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QString pattern_;
};

} // namespace quillmar::engine
