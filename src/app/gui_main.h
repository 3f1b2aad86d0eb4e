#pragma once
// Starts the windowed program: the QApplication, the main window, the event loop.
int runGui(int argc, char** argv);
