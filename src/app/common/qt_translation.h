#pragma once
// Qt's own texts (the buttons of message boxes and of the file dialog, the standard context
// menus of text boxes) in Russian, like the rest of the window, from Debian's Qt translations.
// Where they are not installed the texts stay in English; nothing else depends on them.

class QCoreApplication;

// Loads and installs Qt's Russian translation into `app`; false when it is not installed.
bool InstallRussianQtTexts(QCoreApplication& app);
