#pragma once
// The renderer draws the figure's text with QPainter, and Qt's fonts need a QGuiApplication (a
// QApplication: its plots are drawn by Qt Charts).
// Made on first need, on the "offscreen" platform whatever QT_QPA_PLATFORM says, so that the
// renderer never needs a display; --help, --version, bad options and pictures without text never
// make one.

// Makes the application unless one exists. It lives until the process ends.
void EnsureHeadlessGui();
