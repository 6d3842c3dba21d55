#include "messages/translated_message.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

// The template in the language `translate` gives, its parts filled.
template <typename Translate>
QString Filled(const Message& message, const Translate& translate) {
  const QString text = translate(message);
  // Each %1 ... %9 replaced by its part and %n by the count in one pass, so that a part holding
  // "%2" (a quoted box, a file's name) is not filled again.
  QString filled;
  for (qsizetype at = 0; at < text.size(); ++at) {
    if (text[at] == u'%' && at + 1 < text.size()) {
      if (text[at + 1] == u'n' && message.count >= 0) {
        filled += QString::number(message.count);
        ++at;
        continue;
      }
      const int number = text[at + 1].digitValue();
      if (number >= 1 && static_cast<size_t>(number) <= message.parts.size()) {
        const MessagePart& part = message.parts[static_cast<size_t>(number) - 1];
        filled +=
            part.nested ? Filled(*part.nested, translate) : QString::fromStdString(part.verbatim);
        ++at;
        continue;
      }
    }
    filled += text[at];
  }
  return filled;
}

}  // namespace

QString TranslatedMessage(const Message& message) {
  return Filled(message, [](const Message& one) {
    return QCoreApplication::translate(one.context, one.source, nullptr, one.count);
  });
}

QString TranslatedMessage(const Message& message, const QTranslator& translator) {
  return Filled(message, [&translator](const Message& one) {
    const QString translated = translator.translate(one.context, one.source, nullptr, one.count);
    return translated.isEmpty() ? QString::fromUtf8(one.source) : translated;
  });
}
