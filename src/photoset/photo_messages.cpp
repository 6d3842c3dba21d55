#include "photoset/photo_messages.h"

#include "intake/input_messages.h"

namespace {

// A name from filenames.txt can be as long as the list: quoted, it is cut as box texts are.
QString ShortName(const QString& name) {
  return QString::fromStdString(ShortenedText(name.toStdString()));
}

}  // namespace

std::string PhotoSetMessage(const QString& name, const QString& reason) {
  return QStringLiteral("«%1»: %2.").arg(ShortName(name), reason).toStdString();
}

std::string PhotoFolderMessage(const QString& folder, const QString& reason) {
  return QStringLiteral("«%1»: %2.").arg(folder, reason).toStdString();
}

std::string PhotoSetLineMessage(const QString& name, int lineNumber, const QString& reason) {
  return QStringLiteral("«%1», строка %2: %3.")
      .arg(ShortName(name))
      .arg(lineNumber)
      .arg(reason)
      .toStdString();
}

QString CountedWord(int64_t count, const char* one, const char* few, const char* many) {
  const int64_t lastTwo = count % 100;
  const int64_t last = count % 10;
  const char* form = many;
  if (lastTwo < 11 || lastTwo > 14) {
    if (last == 1) form = one;
    if (last >= 2 && last <= 4) form = few;
  }
  return QString::number(count) + QLatin1Char(' ') + QString::fromUtf8(form);
}

QString SizeText(int width, int height) { return QStringLiteral("%1 × %2").arg(width).arg(height); }
