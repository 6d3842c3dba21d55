#pragma once
// The messages the Qt-free core composes in Russian, in the language in use: a box or a formula
// that does not read, an elevation model or a photo folder that does not read, sources a
// recovery cannot use. The core keeps composing them in Russian (the renderer prints them as they
// are); the window takes each apart here by the Russian template it was made of
// (core_message_table.cpp: its fixed words, with %1, %2, ... where a number, a name or a quoted
// text stands, and %n where a counted word follows its number) and fills the template's
// translation with the same parts, each part translated in turn when it is a core text itself.
//
//   core's Russian text -> template + parts -> translated template + translated parts
//
// With no translation installed every template is its own translation: the text comes back byte
// for byte. A text that no template matches is a fixed core text (CoreText) or shown as it is.

#include <QString>
#include <string>

QString CoreMessage(const QString& message);
QString CoreMessage(const std::string& message);
