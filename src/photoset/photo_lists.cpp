#include "photoset/photo_lists.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

#include "intake/number_text.h"
#include "photoset/photo_messages.h"
#include "photoset/photo_set.h"
#include "photoset/regular_file.h"

namespace {

Message NotRegularReason() {
  return PhotoReason(
      GS_TRANSLATE_NOOP("CoreMessages", "это не обычный файл (папка, канал или устройство)"));
}

Message MissingReason() {
  return PhotoReason(GS_TRANSLATE_NOOP("CoreMessages", "файла нет в папке набора"));
}

Message TooLargeReason() {
  return PhotoReason(
      GS_TRANSLATE_NOOP("CoreMessages", "файл больше %1 МБ, это не список набора снимков"),
      {VerbatimPart(std::to_string(kMaxListFileBytes >> 20))});
}

// Three numbers in the C format (what the renderer's options read), blank-separated; none for
// anything else: text, "nan", "inf", a value beyond 64 bits such as 1e400.
std::optional<ChannelIntensity> ThreeNumbers(const QString& text) {
  const QStringList parts = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (parts.size() != 3) return std::nullopt;
  ChannelIntensity numbers{};
  for (int k = 0; k < 3; ++k) {
    const NumberReading<double> reading = ReadDouble(parts[k].toStdString(), CNumberFormat());
    if (!reading.Ok()) return std::nullopt;
    numbers[static_cast<size_t>(k)] = reading.value;
  }
  return numbers;
}

// A line of three numbers and where it stands in its list.
struct NumberRow {
  int number = 0;
  ChannelIntensity values{};
};

// The rows of a list that holds one line an image, each three numbers; or the message.
std::variant<std::vector<NumberRow>, Message> NumberRows(const QDir& folder, const QString& name,
                                                         size_t imageCount) {
  auto read = ReadListFile(folder, name);
  if (auto* message = std::get_if<Message>(&read)) return std::move(*message);
  const std::vector<ListLine>& lines = std::get<std::vector<ListLine>>(read);
  if (lines.size() != imageCount) {
    return PhotoSetMessage(
        name, PhotoReason(
                  GS_TRANSLATE_NOOP("CoreMessages", "%1 для %2 из filenames.txt"),
                  {MessagePartOf(CountedWord(static_cast<int64_t>(lines.size()),
                                             GS_TRANSLATE_N_NOOP("CoreMessages", "%n строка"),
                                             GS_TRANSLATE_N_NOOP("CoreMessages", "%n строки"),
                                             GS_TRANSLATE_N_NOOP("CoreMessages", "%n строк"))),
                   MessagePartOf(CountedWord(static_cast<int64_t>(imageCount),
                                             GS_TRANSLATE_N_NOOP("CoreMessages", "%n снимка"),
                                             GS_TRANSLATE_N_NOOP("CoreMessages", "%n снимков"),
                                             GS_TRANSLATE_N_NOOP("CoreMessages", "%n снимков")))}));
  }
  std::vector<NumberRow> rows;
  for (const ListLine& line : lines) {
    const std::optional<ChannelIntensity> numbers = ThreeNumbers(line.text);
    if (!numbers) {
      return PhotoSetLineMessage(
          name, line.number,
          PhotoReason(GS_TRANSLATE_NOOP("CoreMessages",
                                        "нужны три конечных числа через пробел, с точкой в дробной "
                                        "части, а не «%1»"),
                      {QuotedLine(line.text)}));
    }
    rows.push_back({line.number, *numbers});
  }
  return rows;
}

}  // namespace

std::variant<std::vector<ListLine>, Message> ReadListFile(const QDir& folder, const QString& name) {
  const QFileInfo info(folder.filePath(name));
  if (!info.exists()) return PhotoSetMessage(name, MissingReason());
  if (!info.isFile()) return PhotoSetMessage(name, NotRegularReason());
  if (info.size() > kMaxListFileBytes) return PhotoSetMessage(name, TooLargeReason());
  // The size a file reports is only a first check: /proc files report 0 and give gigabytes.
  std::variant<QByteArray, FileProblem> read = ReadRegularFile(info.filePath(), kMaxListFileBytes);
  if (const auto* problem = std::get_if<FileProblem>(&read)) {
    switch (problem->refusal) {
      case FileRefusal::kMissing:
        return PhotoSetMessage(name, MissingReason());
      case FileRefusal::kNotRegular:
        return PhotoSetMessage(name, NotRegularReason());
      case FileRefusal::kUnreadable:
        return PhotoSetMessage(
            name,
            PhotoReason(GS_TRANSLATE_NOOP("CoreMessages", "файл не открывается для чтения (%1)"),
                        {PhotoText(problem->words)}));
      case FileRefusal::kReadFailed:
        return PhotoSetMessage(
            name, PhotoReason(GS_TRANSLATE_NOOP("CoreMessages", "файл не читается (%1)"),
                              {PhotoText(problem->words)}));
      case FileRefusal::kTooLarge:
        return PhotoSetMessage(name, TooLargeReason());
    }
  }
  const QByteArray& bytes = std::get<QByteArray>(read);
  std::vector<ListLine> lines;
  QString whole = QString::fromUtf8(bytes);
  if (whole.startsWith(QChar(0xFEFF))) whole.remove(0, 1);  // the byte order mark some editors add
  const QStringList texts = whole.split(QLatin1Char('\n'));
  for (qsizetype k = 0; k < texts.size(); ++k) {
    const QString text = texts[k].trimmed();
    if (!text.isEmpty()) lines.push_back({static_cast<int>(k) + 1, text});
  }
  return lines;
}

std::variant<std::vector<LightAim>, Message> ReadLightDirections(const QDir& folder,
                                                                 size_t imageCount) {
  auto rows = NumberRows(folder, kDirectionsFile, imageCount);
  if (auto* message = std::get_if<Message>(&rows)) return std::move(*message);
  std::vector<LightAim> aims;
  for (const NumberRow& row : std::get<std::vector<NumberRow>>(rows)) {
    const auto [x, y, z] = row.values;
    if (x == 0.0 && y == 0.0 && z == 0.0) {
      return PhotoSetLineMessage(
          kDirectionsFile, row.number,
          PhotoReason(GS_TRANSLATE_NOOP("CoreMessages", "нулевой вектор не задаёт направления")));
    }
    if (z <= 0.0) {
      return PhotoSetLineMessage(
          kDirectionsFile, row.number,
          PhotoReason(GS_TRANSLATE_NOOP("CoreMessages",
                                        "источник не со стороны камеры (z ≤ 0), его свет не падает "
                                        "на то, что видит камера")));
    }
    // AimOf takes any length: the direction is normalised in passing.
    aims.push_back(AimOf({x, y, z}));
  }
  return aims;
}

std::variant<std::vector<ChannelIntensity>, Message> ReadLightIntensities(const QDir& folder,
                                                                          size_t imageCount) {
  if (!QFileInfo::exists(folder.filePath(kIntensitiesFile))) {
    return std::vector<ChannelIntensity>(imageCount, {1.0, 1.0, 1.0});
  }
  auto rows = NumberRows(folder, kIntensitiesFile, imageCount);
  if (auto* message = std::get_if<Message>(&rows)) return std::move(*message);
  std::vector<ChannelIntensity> intensities;
  for (const NumberRow& row : std::get<std::vector<NumberRow>>(rows)) {
    for (const double channel : row.values) {
      if (!(channel > 0.0)) {
        return PhotoSetLineMessage(
            kIntensitiesFile, row.number,
            PhotoReason(
                GS_TRANSLATE_NOOP("CoreMessages", "яркость источника должна быть больше нуля")));
      }
    }
    intensities.push_back(row.values);
  }
  return intensities;
}
