#include "support/widgets/box_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace quillmar {

void BoxMessages::show(const std::string& text)
{
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), QString::fromStdString(text), QMessageBox::Ok,
                    parent);
    box.exec();
}

} // namespace quillmar
