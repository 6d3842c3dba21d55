#pragma once
// The wording of the photo set's messages: «name»: reason. The name is the file as filenames.txt
// names it (or the list's own name), so the user finds it in the folder. Each is a message
// (model/message.h): the name and the system's words as they are, the reason translated.

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "model/message.h"

// A reason of the core's own: `source` marked with GS_TRANSLATE_NOOP("CoreMessages", ...).
Message PhotoReason(const char* source, std::vector<MessagePart> parts = {});
// A text shown as it stands: a file's name, the system's words.
MessagePart PhotoText(const QString& text);
// A list's line as a message quotes it (the template holds the quotation marks): up to
// kQuotedLineLength characters, a longer one cut there ("…").
inline constexpr int kQuotedLineLength = 60;
MessagePart QuotedLine(const QString& text);

// "«name»: reason."; the reason starts in lower case, without a final stop. A name longer than
// 40 characters is cut there ("…"): a list can name a file of any length.
Message PhotoSetMessage(const QString& name, Message reason);

// The same for the set's folder, named whole as the user gave it.
Message PhotoFolderMessage(const QString& folder, Message reason);

// "«name», строка N: reason."
Message PhotoSetLineMessage(const QString& name, int lineNumber, Message reason);

// "1 строка", "2 строки", "5 строк": the count with the form Russian chooses for it, `one`, `few`
// or `many` (21 takes `one`, 12 takes `many`), each marked with GS_TRANSLATE_N_NOOP; the
// translation gets the count.
Message CountedWord(int64_t count, const char* one, const char* few, const char* many);

// "W × H".
MessagePart SizeText(int width, int height);
