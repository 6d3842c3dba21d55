#pragma once
// The wording of the photo set's messages: «name»: reason. The name is the file as filenames.txt
// names it (or the list's own name), so the user finds it in the folder.

#include <QString>
#include <cstdint>
#include <string>

// "«name»: reason." as UTF-8; the reason starts in lower case, without a final stop.
std::string PhotoSetMessage(const QString& name, const QString& reason);

// "«name», строка N: reason."
std::string PhotoSetLineMessage(const QString& name, int lineNumber, const QString& reason);

// "N строка", "N строки", "N строк": the number with the Russian form that follows it; `forms`
// are those of 1, 2 and 5.
QString CountedWord(int64_t count, const char* one, const char* few, const char* many);

// "W × H".
QString SizeText(int width, int height);
