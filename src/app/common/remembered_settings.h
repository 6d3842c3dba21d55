#pragma once
// Where the program keeps what it remembers between runs: the recent setups and the language.

#include <QSettings>

QSettings RememberedSettings();
