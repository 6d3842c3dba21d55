#include "photoset/observation_file.h"

#include "photoset/photo_messages.h"
#include "photoset/regular_file.h"

namespace {

std::vector<Message> FileMessages(const QString& path, const char* source,
                                  std::vector<MessagePart> parts = {}) {
  return {PhotoSetMessage(path, PhotoReason(source, std::move(parts)))};
}

}  // namespace

ObservationReading ReadObservationFile(const QString& path) {
  std::variant<QByteArray, FileProblem> read =
      ReadRegularFile(path, static_cast<int64_t>(kMaxObservationBytes));
  if (const auto* problem = std::get_if<FileProblem>(&read)) {
    switch (problem->refusal) {
      case FileRefusal::kMissing:
        return FileMessages(path, GS_TRANSLATE_NOOP("CoreMessages", "такого файла нет"));
      case FileRefusal::kNotRegular:
        return FileMessages(
            path,
            GS_TRANSLATE_NOOP("CoreMessages", "это не обычный файл (папка, канал или устройство)"));
      case FileRefusal::kUnreadable:
        return FileMessages(
            path, GS_TRANSLATE_NOOP("CoreMessages", "файл не открывается для чтения (%1)"),
            {PhotoText(problem->words)});
      case FileRefusal::kReadFailed:
        return FileMessages(path, GS_TRANSLATE_NOOP("CoreMessages", "файл не читается (%1)"),
                            {PhotoText(problem->words)});
      case FileRefusal::kTooLarge:
        return std::vector<Message>{ObservationFileTooLarge(path.toStdString())};
    }
  }
  const QByteArray& bytes = std::get<QByteArray>(read);
  return ReadObservations(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                          path.toStdString());
}
