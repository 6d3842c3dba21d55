#include "elevation/elevation_messages.h"

#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

namespace {

Message Said(const char* source, std::vector<MessagePart> parts = {}) {
  return CoreMessageOf(source, std::move(parts));
}

MessagePart Number(int64_t value) { return VerbatimPart(std::to_string(value)); }

MessagePart SizeText(const FailureFacts& facts) {
  return VerbatimPart(std::to_string(facts.width) + " × " + std::to_string(facts.height));
}

// A token quoted in a message (the template holds the quotation marks): its first 40 characters
// (UTF-8), and "…" if there are more.
MessagePart Quoted(const std::string& text) {
  constexpr int kQuotedCharacters = 40;
  int characters = 0;
  for (size_t at = 0; at < text.size(); ++at) {
    const bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
    if (starts && characters++ == kQuotedCharacters) return VerbatimPart(text.substr(0, at) + "…");
  }
  return VerbatimPart(text);
}

Message Reason(ElevationFailure failure, const FailureFacts& facts) {
  switch (failure) {
    case ElevationFailure::kBadOptions:
      return Said(GS_TRANSLATE_NOOP(
          "CoreMessages",
          "шаг сетки должен быть положительным числом, а масштаб высот — конечным"));
    case ElevationFailure::kMissing:
      return Said(GS_TRANSLATE_NOOP("CoreMessages", "файл не найден"));
    case ElevationFailure::kNotRegularFile:
    case ElevationFailure::kDataNotRegular:
    case ElevationFailure::kStrayText:
      break;  // whole messages of their own (Whole)
    case ElevationFailure::kUnreadable:
      return Said(GS_TRANSLATE_NOOP("CoreMessages", "файл не открывается для чтения"));
    case ElevationFailure::kEmpty:
      return Said(GS_TRANSLATE_NOOP("CoreMessages", "файл пуст"));
    case ElevationFailure::kUnknownFormat:
      return Said(GS_TRANSLATE_NOOP(
          "CoreMessages",
          "формат файла не распознан; читаются GeoTIFF, ASCII-сетка, ENVI, PDS, ISIS3 и PNG"));
    case ElevationFailure::kDamaged:
      return Said(GS_TRANSLATE_NOOP("CoreMessages", "заголовок файла повреждён или обрезан"));
    case ElevationFailure::kNoBand:
      return Said(GS_TRANSLATE_NOOP("CoreMessages", "в файле нет ни одного канала с данными"));
    case ElevationFailure::kNoSuchBand:
      return Said(GS_TRANSLATE_NOOP("CoreMessages", "канала %1 нет, каналов в файле: %2"),
                  {Number(facts.band), Number(facts.bandCount)});
    case ElevationFailure::kRotated:
      return Said(GS_TRANSLATE_NOOP(
          "CoreMessages", "сетка повёрнута относительно осей координат, такие сетки не читаются"));
    case ElevationFailure::kBadSpacing:
      return Said(GS_TRANSLATE_NOOP(
          "CoreMessages", "шаг сетки в географической привязке равен нулю или не является числом"));
    case ElevationFailure::kTooLarge:
      return Said(
          GS_TRANSLATE_NOOP("CoreMessages",
                            "сетка %1 слишком велика; читаются не более %2 млн ячеек и не "
                            "более %3 ячеек по стороне"),
          {SizeText(facts), Number(kMaxElevationCells / 1'000'000), Number(kMaxElevationSide)});
    case ElevationFailure::kOutOfMemory:
      return Said(GS_TRANSLATE_NOOP("CoreMessages", "не хватает памяти для сетки %1"),
                  {SizeText(facts)});
    case ElevationFailure::kReadFailed:
      return Said(
          GS_TRANSLATE_NOOP("CoreMessages", "данные не читаются, файл повреждён или обрезан"));
    case ElevationFailure::kShortData:
      return Said(GS_TRANSLATE_NOOP("CoreMessages",
                                    "данных в файле меньше, чем указано в заголовке: нужно %1 "
                                    "байт, в файле %2"),
                  {Number(facts.needed), Number(facts.present)});
    case ElevationFailure::kNoHeights:
      return Said(GS_TRANSLATE_NOOP(
          "CoreMessages", "нет ни одной ячейки с высотой, все ячейки помечены как пропуски"));
  }
  return Said(GS_TRANSLATE_NOOP("CoreMessages", "файл не открывается для чтения"));
}

// The failures whose reason holds brackets or quotes of its own have a whole message each, so
// that no reason reads as the general form's words in brackets; none of them has outside words.
std::optional<Message> Whole(ElevationFailure failure, MessagePart name,
                             const FailureFacts& facts) {
  switch (failure) {
    case ElevationFailure::kNotRegularFile:
      return Said(GS_TRANSLATE_NOOP("CoreMessages",
                                    "Не удалось прочитать модель рельефа «%1»: это не обычный файл "
                                    "(папка, канал или устройство)."),
                  {std::move(name)});
    case ElevationFailure::kDataNotRegular:
      return Said(GS_TRANSLATE_NOOP("CoreMessages",
                                    "Не удалось прочитать модель рельефа «%1»: файл данных «%2» — "
                                    "это не обычный файл (папка, канал или устройство)."),
                  {std::move(name),
                   VerbatimPart(std::filesystem::path(facts.otherFile).filename().string())});
    case ElevationFailure::kStrayText:
      return Said(GS_TRANSLATE_NOOP(
                      "CoreMessages",
                      "Не удалось прочитать модель рельефа «%1»: в строке %2 вместо числа «%3»."),
                  {std::move(name), Number(facts.line), Quoted(facts.token)});
    default:
      return std::nullopt;
  }
}

// GDAL's and the system's texts end in a full stop or not; the message adds its own.
std::string WithoutFinalStop(std::string text) {
  while (!text.empty() && (text.back() == '.' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

}  // namespace

ElevationError MakeElevationError(const std::string& path, ElevationFailure failure,
                                  const FailureFacts& facts) {
  // The name alone, as the user picked it; a path that ends in a slash has none.
  const std::string name = std::filesystem::path(path).filename().string();
  const MessagePart shownName = VerbatimPart(name.empty() ? path : name);
  // GDAL names the file by its whole path; the message names it once, by its name.
  std::string outside = WithoutFinalStop(facts.outsideWords);
  for (size_t at = 0; !name.empty() && (at = outside.find(path, at)) != std::string::npos;) {
    outside.replace(at, path.size(), name);
    at += name.size();
  }
  std::optional<Message> said = Whole(failure, shownName, facts);
  if (!said && outside.empty()) {
    said = Said(GS_TRANSLATE_NOOP("CoreMessages", "Не удалось прочитать модель рельефа «%1»: %2."),
                {shownName, MessagePartOf(Reason(failure, facts))});
  } else if (!said) {
    said = Said(
        GS_TRANSLATE_NOOP("CoreMessages", "Не удалось прочитать модель рельефа «%1»: %2 (%3)."),
        {shownName, MessagePartOf(Reason(failure, facts)), VerbatimPart(outside)});
  }
  std::string message = RussianText(*said);
  return ElevationError{failure, std::move(message), *std::move(said)};
}
