// ReadSetup and ReadSetupFile (setup_file.h): the whole file checked into a Setup before the
// caller uses any of it.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <cerrno>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "setup/duplicate_keys.h"
#include "setup/setup_file.h"
#include "setup/setup_section_readers.h"
#include "setup/setup_sections.h"

namespace {

QString ParseReason(QJsonParseError::ParseError error) {
  switch (error) {
    case QJsonParseError::UnterminatedObject:
      return QStringLiteral("объект {…} не закрыт (файл обрезан?)");
    case QJsonParseError::UnterminatedArray:
      return QStringLiteral("список […] не закрыт (файл обрезан?)");
    case QJsonParseError::UnterminatedString:
      return QStringLiteral("строка не закрыта кавычкой");
    case QJsonParseError::MissingNameSeparator:
      return QStringLiteral("после ключа нет двоеточия");
    case QJsonParseError::MissingValueSeparator:
      return QStringLiteral("между значениями нет запятой");
    case QJsonParseError::IllegalNumber:
      return QStringLiteral("число не читается или вне допустимых пределов");
    case QJsonParseError::MissingObject:
      return QStringLiteral("файл не начинается с объекта {…}");
    case QJsonParseError::GarbageAtEnd:
      return QStringLiteral("лишний текст после объекта");
    default:
      return QStringLiteral("это не текст JSON");
  }
}

// The last key written before `offset`, to say where a file stops reading.
QString KeyBefore(const QByteArray& bytes, int offset) {
  static const QRegularExpression kKey(QStringLiteral("\"([^\"\\\\]{1,64})\"\\s*:"));
  const QString text = QString::fromUtf8(bytes.left(offset));
  QString last;
  for (auto match = kKey.globalMatch(text); match.hasNext();) last = match.next().captured(1);
  return last;
}

// The program's tag and the version, before anything else is read.
void ReadHeader(SetupSection& root) {
  std::string program;
  root.Text("program", program);
  if (!root.Failed() && program != kSetupProgram) {
    root.Fail(QStringLiteral("program"),
              QStringLiteral("это настройка не этой программы (ожидается «%1»)")
                  .arg(QLatin1String(kSetupProgram)));
  }
  if (!root.Failed() && !root.Has("version")) {
    root.Fail(QStringLiteral("version"), QStringLiteral("версия не указана"));
  }
  int version = kSetupVersion;
  root.Integer("version", version, 1, std::numeric_limits<int>::max());
  if (!root.Failed() && version != kSetupVersion) {
    root.Fail(QStringLiteral("version"),
              QStringLiteral("версия %1 не поддерживается (программа читает версию %2)")
                  .arg(version)
                  .arg(kSetupVersion));
  }
}

// Opens `file` for reading if it is a regular file. Opened without waiting, so that a FIFO or a
// device is refused at once instead of hanging the caller in open(); checked on the descriptor
// opened, so that nothing swapped in after a check by name gets read.
std::optional<QString> OpenRegularFile(QFile& file) {
  const QString notRegular = QStringLiteral("это не обычный файл (канал, устройство или папка)");
#ifdef Q_OS_UNIX
  if (!file.fileName().startsWith(QLatin1Char(':'))) {
    const int fd =
        ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return QStringLiteral("файл не открывается (%1)").arg(qt_error_string(errno));
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
      ::close(fd);
      return notRegular;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
      ::close(fd);
      return QStringLiteral("файл не открывается (%1)").arg(file.errorString());
    }
    return std::nullopt;
  }
#endif
  if (const QFileInfo info(file.fileName()); info.exists() && !info.isFile()) return notRegular;
  if (!file.open(QIODevice::ReadOnly)) {
    return QStringLiteral("файл не открывается (%1)").arg(file.errorString());
  }
  return std::nullopt;
}

QString Refusal(const QString& fileName, const QString& reason) {
  return QStringLiteral("Настройка «%1» не открыта: %2.")
      .arg(QDir::toNativeSeparators(fileName), reason);
}

}  // namespace

SetupOutcome ReadSetup(const QByteArray& bytes, const QString& fileName) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    const QString key = KeyBefore(bytes, parseError.offset);
    const QString where =
        key.isEmpty()
            ? QStringLiteral("символ %1").arg(parseError.offset + 1)
            : QStringLiteral("после ключа «%1», символ %2").arg(key).arg(parseError.offset + 1);
    // Whatever the parser stumbled on, a text that stops there was cut short.
    const bool cut = bytes.mid(parseError.offset).trimmed().isEmpty() && !bytes.trimmed().isEmpty();
    const QString reason =
        cut ? QStringLiteral("текст обрывается (файл обрезан?)") : ParseReason(parseError.error);
    return Refusal(fileName,
                   QStringLiteral("текст не читается как JSON (%1): %2").arg(where, reason));
  }
  if (!document.isObject()) {
    return Refusal(fileName, QStringLiteral("ожидается объект JSON {…}"));
  }
  if (const std::optional<QString> twice = FirstDuplicateKey(bytes)) {
    return Refusal(fileName, QStringLiteral("ключ «%1»: записан в файле дважды").arg(*twice));
  }
  SetupReading reading;
  SetupFindings findings;
  {
    SetupSection root(document.object(), QString(), findings);
    ReadHeader(root);
    Setup& setup = reading.setup;
    ReadSphere(root, setup.sphere);
    ReadLaw(root, setup.sphere.reflectanceKind, setup.law);
    ReadPicture(root, setup.picture);
    ReadMap(root, setup.map);
    ReadSurface(root, QFileInfo(fileName).absoluteDir(), setup.surface);
    ReadWindows(root, setup.windows);
    ReadCurves(root, setup.curves);
  }
  if (!findings.fault.isEmpty()) return Refusal(fileName, findings.fault);
  if (!findings.unknownKeys.isEmpty()) {
    reading.unknownKeys = findings.unknownKeys;
    reading.warning =
        QStringLiteral("Настройка «%1»: неизвестные ключи пропущены (файл более новой версии?): %2")
            .arg(QDir::toNativeSeparators(fileName),
                 findings.unknownKeys.join(QStringLiteral(", ")));
  }
  return reading;
}

SetupOutcome ReadSetupFile(const QString& path) {
  QFile file(path);
  if (const std::optional<QString> reason = OpenRegularFile(file)) return Refusal(path, *reason);
  const QString tooLarge =
      QStringLiteral("файл больше %1 КБ — это не настройка").arg(kMaxSetupFileBytes / 1024);
  if (file.size() > kMaxSetupFileBytes) return Refusal(path, tooLarge);
  // Whatever size the file reports, at most one byte beyond the limit is read.
  const QByteArray bytes = file.read(kMaxSetupFileBytes + 1);
  if (bytes.size() > kMaxSetupFileBytes) return Refusal(path, tooLarge);
  if (file.error() != QFileDevice::NoError) {
    return Refusal(path, QStringLiteral("файл не читается (%1)").arg(file.errorString()));
  }
  return ReadSetup(bytes, path);
}
