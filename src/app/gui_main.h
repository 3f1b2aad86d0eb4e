#pragma once
// Starts the windowed program: the QApplication, the main window, the event loop.
namespace quillmar::app {
int runGui(int argc, char** argv);
}
