#include "curves/observations.h"

#include <optional>
#include <utility>

#include "intake/input_messages.h"
#include "intake/number_text.h"

namespace {

constexpr size_t kQuotedLineLength = 60;

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (size_t start = 0;;) {
    const size_t comma = line.find(',', start);
    fields.push_back(Trimmed(line.substr(start, comma - start)));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

MessagePart QuotedLine(std::string_view line) {
  if (line.size() <= kQuotedLineLength) return VerbatimPart(std::string(line));
  size_t cut = kQuotedLineLength;
  while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;  // UTF-8
  return VerbatimPart(std::string(line.substr(0, cut)) + "…");
}

Message LineMessage(const std::string& fileName, size_t lineNumber, std::string_view line,
                    const char* reason) {
  return CoreMessageOf(
      GS_TRANSLATE_NOOP("CoreMessages", "«%1», строка %2 («%3»): %4."),
      {VerbatimPart(ShortenedText(fileName)), VerbatimPart(std::to_string(lineNumber)),
       QuotedLine(line), MessagePartOf(CoreMessageOf(reason))});
}

Message FileMessage(const std::string& fileName, const char* reason) {
  return CoreMessageOf(
      GS_TRANSLATE_NOOP("CoreMessages", "«%1»: %2."),
      {VerbatimPart(ShortenedText(fileName)), MessagePartOf(CoreMessageOf(reason))});
}

std::optional<ObservationSet> ReadHeader(const std::vector<std::string_view>& fields) {
  if (fields.size() < 2 || fields.size() > 3 || fields[0] != "g") return std::nullopt;
  if (fields.size() == 3 && fields[2] != "sigma") return std::nullopt;
  ObservationSet set;
  if (fields[1] == "magnitude") {
    set.quantity = ObservedQuantity::kMagnitude;
  } else if (fields[1] != "brightness") {
    return std::nullopt;
  }
  set.weighted = fields.size() == 3;
  return set;
}

// The reason a row does not read, or nothing for a good row (stored in `point`).
const char* ReadRow(const std::vector<std::string_view>& fields, const ObservationSet& set,
                    Observation& point) {
  if (fields.size() != (set.weighted ? 3U : 2U)) {
    return set.weighted
               ? GS_TRANSLATE_NOOP("CoreMessages",
                                   "нужны три числа через запятую: g, "
                                   "значение и σ")
               : GS_TRANSLATE_NOOP("CoreMessages", "нужны два числа через запятую: g и значение");
  }
  const NumberReading<double> g = ReadDouble(fields[0], CNumberFormat());
  if (!g.Ok() || !(g.value >= 0.0 && g.value <= 180.0)) {
    return GS_TRANSLATE_NOOP("CoreMessages", "фазовый угол — число градусов от 0 до 180");
  }
  const NumberReading<double> value = ReadDouble(fields[1], CNumberFormat());
  if (set.quantity == ObservedQuantity::kBrightness && !(value.Ok() && value.value > 0.0)) {
    return GS_TRANSLATE_NOOP("CoreMessages", "яркость — конечное число больше 0");
  }
  if (!value.Ok()) return GS_TRANSLATE_NOOP("CoreMessages", "звёздная величина — конечное число");
  point = Observation{g.value, value.value, 0.0};
  if (set.weighted) {
    const NumberReading<double> sigma = ReadDouble(fields[2], CNumberFormat());
    if (!sigma.Ok() || !(sigma.value > 0.0)) {
      return GS_TRANSLATE_NOOP("CoreMessages", "σ — конечное число больше 0");
    }
    point.sigma = sigma.value;
  }
  return nullptr;
}

}  // namespace

Message ObservationFileTooLarge(const std::string& fileName) {
  return FileMessage(fileName, GS_TRANSLATE_NOOP("CoreMessages", "файл наблюдений больше 1 МБ"));
}

ObservationReading ReadObservations(std::string_view text, const std::string& fileName) {
  if (text.size() > kMaxObservationBytes) {
    return std::vector<Message>{ObservationFileTooLarge(fileName)};
  }
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // the mark some editors add
  std::vector<Message> messages;
  std::optional<ObservationSet> set;
  size_t lineNumber = 0;
  for (size_t start = 0; start <= text.size() && messages.size() < kMaxObservationMessages;) {
    const size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = Trimmed(text.substr(start, end - start));
    start = end + 1;
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    if (line.find('\0') != std::string_view::npos) {
      messages.push_back(LineMessage(fileName, lineNumber, "",
                                     GS_TRANSLATE_NOOP("CoreMessages", "в строке байт NUL")));
      continue;
    }
    if (!set) {
      set = ReadHeader(Fields(line));
      if (!set) {
        messages.push_back(
            LineMessage(fileName, lineNumber, line,
                        GS_TRANSLATE_NOOP("CoreMessages",
                                          "нужен заголовок g,brightness или g,magnitude, "
                                          "с ,sigma для погрешностей")));
        break;
      }
      continue;
    }
    Observation point;
    if (const char* reason = ReadRow(Fields(line), *set, point)) {
      messages.push_back(LineMessage(fileName, lineNumber, line, reason));
    } else if (set->points.size() >= kMaxObservations) {
      messages.push_back(
          FileMessage(fileName, GS_TRANSLATE_NOOP("CoreMessages", "больше 10000 наблюдений")));
      break;
    } else {
      set->points.push_back(point);
    }
  }
  if (messages.size() >= kMaxObservationMessages) {
    messages.push_back(FileMessage(
        fileName, GS_TRANSLATE_NOOP("CoreMessages", "строки после этих не проверялись")));
  }
  if (messages.empty() && (!set || set->points.empty())) {
    messages.push_back(
        FileMessage(fileName, GS_TRANSLATE_NOOP("CoreMessages", "в файле нет наблюдений")));
  }
  if (!messages.empty()) return messages;
  return std::move(*set);
}
