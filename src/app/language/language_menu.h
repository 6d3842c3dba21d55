#pragma once
// «Справка» → «Язык / Language»: Русский and English, the one in use checked. A choice switches
// every window's texts at once (QEvent::LanguageChange) and is remembered for the next start.

class QMenu;
class QWidget;

// Adds the submenu to `help`; its texts are kept by `window`'s TranslatedTexts.
void AddLanguageMenu(QMenu& help, QWidget& window);
