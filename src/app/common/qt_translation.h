#pragma once
// Qt's own texts (the buttons of message boxes and of the file dialog, the standard context
// menus of text boxes) in the window's language: Russian from Debian's Qt translations while
// Russian is chosen, Qt's own English otherwise. Where the translations are not installed the
// texts stay in English; nothing else depends on them.

// Installs Qt's Russian translation while `russian`, removes it otherwise; false when Russian is
// asked for and the translation is not installed.
bool UseRussianQtTexts(bool russian);
