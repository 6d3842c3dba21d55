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
#include <string>
#include <utility>

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

Message ParseReason(QJsonParseError::ParseError error) {
  switch (error) {
    case QJsonParseError::UnterminatedObject:
      return SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "объект {…} не закрыт (файл обрезан?)"));
    case QJsonParseError::UnterminatedArray:
      return SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "список […] не закрыт (файл обрезан?)"));
    case QJsonParseError::UnterminatedString:
      return SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "строка не закрыта кавычкой"));
    case QJsonParseError::MissingNameSeparator:
      return SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "после ключа нет двоеточия"));
    case QJsonParseError::MissingValueSeparator:
      return SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "между значениями нет запятой"));
    case QJsonParseError::IllegalNumber:
      return SetupReason(
          GS_TRANSLATE_NOOP("CoreMessages", "число не читается или вне допустимых пределов"));
    case QJsonParseError::MissingObject:
      return SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "файл не начинается с объекта {…}"));
    case QJsonParseError::GarbageAtEnd:
      return SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "лишний текст после объекта"));
    default:
      return SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "это не текст JSON"));
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
              SetupReason(GS_TRANSLATE_NOOP("CoreMessages",
                                            "это настройка не этой программы (ожидается «%1»)"),
                          {VerbatimPart(kSetupProgram)}));
  }
  if (!root.Failed() && !root.Has("version")) {
    root.Fail(QStringLiteral("version"),
              SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "версия не указана")));
  }
  int version = kSetupVersion;
  root.Integer("version", version, 1, std::numeric_limits<int>::max());
  if (!root.Failed() && version != kSetupVersion) {
    root.Fail(
        QStringLiteral("version"),
        SetupReason(
            GS_TRANSLATE_NOOP("CoreMessages",
                              "версия %1 не поддерживается (программа читает версию %2)"),
            {VerbatimPart(std::to_string(version)), VerbatimPart(std::to_string(kSetupVersion))}));
  }
}

// Opens `file` for reading if it is a regular file. Opened without waiting, so that a FIFO or a
// device is refused at once instead of hanging the caller in open(); checked on the descriptor
// opened, so that nothing swapped in after a check by name gets read.
std::optional<Message> OpenRegularFile(QFile& file) {
  const Message notRegular = SetupReason(
      GS_TRANSLATE_NOOP("CoreMessages", "это не обычный файл (канал, устройство или папка)"));
  const auto notOpened = [](const QString& words) {
    return SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "файл не открывается (%1)"),
                       {SetupText(words)});
  };
#ifdef Q_OS_UNIX
  if (!file.fileName().startsWith(QLatin1Char(':'))) {
    const int fd =
        ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return notOpened(qt_error_string(errno));
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
      ::close(fd);
      return notRegular;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
      ::close(fd);
      return notOpened(file.errorString());
    }
    return std::nullopt;
  }
#endif
  if (const QFileInfo info(file.fileName()); info.exists() && !info.isFile()) return notRegular;
  if (!file.open(QIODevice::ReadOnly)) {
    return notOpened(file.errorString());
  }
  return std::nullopt;
}

Message Refusal(const QString& fileName, Message reason) {
  return SetupReason(
      GS_TRANSLATE_NOOP("CoreMessages", "Настройка «%1» не открыта: %2."),
      {SetupText(QDir::toNativeSeparators(fileName)), MessagePartOf(std::move(reason))});
}

// The outcome with its messages' Russian texts.
SetupOutcome InRussian(SetupSaidOutcome outcome) {
  if (const auto* refusal = std::get_if<Message>(&outcome)) {
    return QString::fromStdString(RussianText(*refusal));
  }
  return std::move(std::get<SetupReading>(outcome));
}

}  // namespace

SetupSaidOutcome ReadSetupSaid(const QByteArray& bytes, const QString& fileName) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    const QString key = KeyBefore(bytes, parseError.offset);
    const MessagePart character = VerbatimPart(std::to_string(parseError.offset + 1));
    Message where =
        key.isEmpty()
            ? SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "символ %1"), {character})
            : SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "после ключа «%1», символ %2"),
                          {SetupText(key), character});
    // Whatever the parser stumbled on, a text that stops there was cut short.
    const bool cut = bytes.mid(parseError.offset).trimmed().isEmpty() && !bytes.trimmed().isEmpty();
    Message reason =
        cut ? SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "текст обрывается (файл обрезан?)"))
            : ParseReason(parseError.error);
    return Refusal(
        fileName,
        SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "текст не читается как JSON (%1): %2"),
                    {MessagePartOf(std::move(where)), MessagePartOf(std::move(reason))}));
  }
  if (!document.isObject()) {
    return Refusal(fileName,
                   SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "ожидается объект JSON {…}")));
  }
  if (const std::optional<QString> twice = FirstDuplicateKey(bytes)) {
    return Refusal(fileName, SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "ключ «%1»: %2"),
                                         {SetupText(*twice),
                                          MessagePartOf(SetupReason(GS_TRANSLATE_NOOP(
                                              "CoreMessages", "записан в файле дважды")))}));
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
    ReadCurves(root, QFileInfo(fileName).absoluteDir(), setup.curves);
  }
  if (findings.fault) return Refusal(fileName, *std::move(findings.fault));
  if (!findings.unknownKeys.isEmpty()) {
    reading.unknownKeys = findings.unknownKeys;
    reading.warningSaid = SetupReason(
        GS_TRANSLATE_NOOP(
            "CoreMessages",
            "Настройка «%1»: неизвестные ключи пропущены (файл более новой версии?): %2"),
        {SetupText(QDir::toNativeSeparators(fileName)),
         SetupText(findings.unknownKeys.join(QStringLiteral(", ")))});
    reading.warning = QString::fromStdString(RussianText(*reading.warningSaid));
  }
  return reading;
}

SetupSaidOutcome ReadSetupFileSaid(const QString& path) {
  QFile file(path);
  if (std::optional<Message> reason = OpenRegularFile(file))
    return Refusal(path, *std::move(reason));
  const Message tooLarge =
      SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "файл больше %1 КБ — это не настройка"),
                  {VerbatimPart(std::to_string(kMaxSetupFileBytes / 1024))});
  if (file.size() > kMaxSetupFileBytes) return Refusal(path, tooLarge);
  // Whatever size the file reports, at most one byte beyond the limit is read.
  const QByteArray bytes = file.read(kMaxSetupFileBytes + 1);
  if (bytes.size() > kMaxSetupFileBytes) return Refusal(path, tooLarge);
  if (file.error() != QFileDevice::NoError) {
    return Refusal(path, SetupReason(GS_TRANSLATE_NOOP("CoreMessages", "файл не читается (%1)"),
                                     {SetupText(file.errorString())}));
  }
  return ReadSetupSaid(bytes, path);
}

SetupOutcome ReadSetup(const QByteArray& bytes, const QString& fileName) {
  return InRussian(ReadSetupSaid(bytes, fileName));
}

SetupOutcome ReadSetupFile(const QString& path) { return InRussian(ReadSetupFileSaid(path)); }
