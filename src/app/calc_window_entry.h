#pragma once
// The main window's way into the calculation windows: "&Rechnenfenster" (Ctrl+R)
// in the menu "&Datei" opens a calculation window owned by the main window, and the
// calculation windows' tool button "Hauptmenü" leads back to the main window.
namespace quillmar::calc {
class CalcEnvironment;
}

namespace quillmar::app {

class MainWindow;

void addCalcWindowEntry(MainWindow& mainWindow, calc::CalcEnvironment& calcWindows);

} // namespace quillmar::app
