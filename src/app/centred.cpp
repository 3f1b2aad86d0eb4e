#include "app/centred.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace quillmar::app {

void centreOnScreen(QWidget* dialog)
{
    dialog->adjustSize();
    QScreen* screen = dialog->parentWidget() ? dialog->parentWidget()->screen() : QApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(area.center());
    dialog->move(frame.topLeft());
}

} // namespace quillmar::app
