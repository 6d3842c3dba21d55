#pragma once
// A window's command key that a text box would keep for itself: on some desktops a text box
// takes Ctrl+U to delete its line, so the window's Ctrl+U never runs while a box has the focus.
// The boxes of a window are told to leave that one key to the window.

class QKeySequence;
class QWidget;

// The text boxes (QLineEdit) within `window` now leave `key` to the window's shortcuts.
void LeaveKeyToWindow(QWidget& window, const QKeySequence& key);
