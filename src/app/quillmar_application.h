#pragma once
// The application object. Its one addition: an error that escapes a command of any
// window (the spreadsheet link raises its errors with their German text) is shown in
// a message box and ends that command, instead of ending the program.
#include <QApplication>

namespace quillmar {
class Messages;
}

namespace quillmar::app {

class QuillmarApplication : public QApplication {
public:
    QuillmarApplication(int& argc, char** argv, Messages& messages);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Messages& messages_;
};

// Loads Qt's German texts for the standard dialogs and buttons.
void installGermanTranslation(QCoreApplication& app);

} // namespace quillmar::app
