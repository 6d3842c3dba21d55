#pragma once
// «Окна» in the main window's menu bar: «Расположить рядом» tiles the open windows (the main one
// and those beside it) on the screen the main window is on, none over another, each within the
// screen's available area (common/window_arrangement.h); where they cannot fit, a message box
// says so and nothing moves.

#include <QWidget>
#include <vector>

class QMainWindow;

void AddWindowsMenu(QMainWindow& main);

// The windows open: `main`, then every shown window it owns, in the order they were made.
std::vector<QWidget*> OpenWindows(QWidget& main);

// Arranges the open windows; true when they moved, else the message box.
bool ArrangeOpenWindows(QWidget& main);
