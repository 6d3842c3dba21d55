#include "messages/translated_message.h"

#include <QCoreApplication>

QString TranslatedMessage(const Message& message) {
  // translate() has already put the count in place of %n.
  const QString text =
      QCoreApplication::translate(message.context, message.source, nullptr, message.count);
  // Each %1 ... %9 replaced by its part in one pass, so that a part holding "%2" (a quoted box, a
  // file's name) is not filled again.
  QString filled;
  for (qsizetype at = 0; at < text.size(); ++at) {
    if (text[at] == u'%' && at + 1 < text.size()) {
      const int number = text[at + 1].digitValue();
      if (number >= 1 && static_cast<size_t>(number) <= message.parts.size()) {
        const MessagePart& part = message.parts[static_cast<size_t>(number) - 1];
        filled +=
            part.nested ? TranslatedMessage(*part.nested) : QString::fromStdString(part.verbatim);
        ++at;
        continue;
      }
    }
    filled += text[at];
  }
  return filled;
}
