#pragma once
// A core message (model/message.h) in a chosen language: its template translated (the count given
// for %n), each nested message translated in turn, each verbatim part as it stands, filled in one
// pass. Shared by the window and the renderer; with no translation the message's Russian text,
// byte for byte.

#include <QString>

#include "model/message.h"

class QTranslator;

// Through the application's installed translators (the window's language in use).
QString TranslatedMessage(const Message& message);

// Through `translator` alone, without an application (the renderer's --language).
QString TranslatedMessage(const Message& message, const QTranslator& translator);
