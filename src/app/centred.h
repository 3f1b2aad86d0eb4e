#pragma once
class QWidget;

namespace quillmar::app {
// Places a dialog in the middle of the screen that shows the active window.
void centreOnScreen(QWidget* dialog);
} // namespace quillmar::app
