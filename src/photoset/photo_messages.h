#pragma once
// The wording of the photo set's messages: «name»: reason. The name is the file as filenames.txt
// names it (or the list's own name), so the user finds it in the folder.

#include <QString>
#include <cstdint>
#include <string>

// "«name»: reason." as UTF-8; the reason starts in lower case, without a final stop. A name
// longer than 40 characters is cut there ("…"): a list can name a file of any length.
std::string PhotoSetMessage(const QString& name, const QString& reason);

// The same for the set's folder, named whole as the user gave it.
std::string PhotoFolderMessage(const QString& folder, const QString& reason);

// "«name», строка N: reason."
std::string PhotoSetLineMessage(const QString& name, int lineNumber, const QString& reason);

// "1 строка", "2 строки", "5 строк": the number with the Russian form that follows it, `one`,
// `few` or `many` as Russian chooses them (21 takes `one`, 12 takes `many`).
QString CountedWord(int64_t count, const char* one, const char* few, const char* many);

// "W × H".
QString SizeText(int width, int height);
