#pragma once
// A core message (model/message.h) in the language in use: its template through the installed
// translators (QCoreApplication::translate, the count given for %n), each nested message
// translated in turn, each verbatim part as it stands. Shared by the window and the renderer;
// with no translation installed it is the message's Russian text, byte for byte.

#include <QString>

#include "model/message.h"

QString TranslatedMessage(const Message& message);
