#pragma once
// The dialogs "Optionen Formeln" and "Optionen Umrechnungen": two option groups
// (where the insertion goes, how much it writes) and OK, Abbrechen, Hilfe.
#include <QDialog>

class QButtonGroup;

namespace quillmar::app {

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(const QString& caption, const QStringList& targets, const QStringList& contents,
                 QWidget* parent = nullptr);

    // Preselects both groups, shows the dialog modally and tells whether it was closed
    // with OK; only then do chosenTarget() and chosenContent() hold the user's choice.
    bool ask(int target, int content);

    int chosenTarget() const;
    int chosenContent() const;

signals:
    void helpRequested();

private:
    QButtonGroup* targetGroup_;
    QButtonGroup* contentGroup_;
};

} // namespace quillmar::app
