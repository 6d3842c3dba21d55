#include "elevation/elevation_messages.h"

#include <filesystem>

namespace {

std::string SizeText(const FailureFacts& facts) {
  return std::to_string(facts.width) + " × " + std::to_string(facts.height);
}

// A token quoted in a message: its first 40 characters (UTF-8), and "…" if there are more.
std::string Quoted(const std::string& text) {
  constexpr int kQuotedCharacters = 40;
  int characters = 0;
  for (size_t at = 0; at < text.size(); ++at) {
    const bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
    if (starts && characters++ == kQuotedCharacters) return "«" + text.substr(0, at) + "…»";
  }
  return "«" + text + "»";
}

std::string Reason(ElevationFailure failure, const FailureFacts& facts) {
  switch (failure) {
    case ElevationFailure::kBadOptions:
      return "шаг сетки должен быть положительным числом, а масштаб высот — конечным";
    case ElevationFailure::kMissing:
      return "файл не найден";
    case ElevationFailure::kNotRegularFile:
      return "это не обычный файл (папка, канал или устройство)";
    case ElevationFailure::kDataNotRegular:
      return "файл данных «" + std::filesystem::path(facts.otherFile).filename().string() +
             "» — это не обычный файл (папка, канал или устройство)";
    case ElevationFailure::kUnreadable:
      return "файл не открывается для чтения";
    case ElevationFailure::kEmpty:
      return "файл пуст";
    case ElevationFailure::kUnknownFormat:
      return "формат файла не распознан; читаются GeoTIFF, ASCII-сетка, ENVI, PDS, ISIS3 и PNG";
    case ElevationFailure::kDamaged:
      return "заголовок файла повреждён или обрезан";
    case ElevationFailure::kNoBand:
      return "в файле нет ни одного канала с данными";
    case ElevationFailure::kNoSuchBand:
      return "канала " + std::to_string(facts.band) +
             " нет, каналов в файле: " + std::to_string(facts.bandCount);
    case ElevationFailure::kRotated:
      return "сетка повёрнута относительно осей координат, такие сетки не читаются";
    case ElevationFailure::kBadSpacing:
      return "шаг сетки в географической привязке равен нулю или не является числом";
    case ElevationFailure::kTooLarge:
      return "сетка " + SizeText(facts) + " слишком велика; читаются не более " +
             std::to_string(kMaxElevationCells / 1'000'000) + " млн ячеек и не более " +
             std::to_string(kMaxElevationSide) + " ячеек по стороне";
    case ElevationFailure::kOutOfMemory:
      return "не хватает памяти для сетки " + SizeText(facts);
    case ElevationFailure::kReadFailed:
      return "данные не читаются, файл повреждён или обрезан";
    case ElevationFailure::kStrayText:
      return "в строке " + std::to_string(facts.line) + " вместо числа " + Quoted(facts.token);
    case ElevationFailure::kShortData:
      return "данных в файле меньше, чем указано в заголовке: нужно " +
             std::to_string(facts.needed) + " байт, в файле " + std::to_string(facts.present);
    case ElevationFailure::kNoHeights:
      return "нет ни одной ячейки с высотой, все ячейки помечены как пропуски";
  }
  return "неизвестная ошибка";
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
  std::string message = "Не удалось прочитать модель рельефа «" + (name.empty() ? path : name) +
                        "»: " + Reason(failure, facts);
  // GDAL names the file by its whole path; the message names it once, by its name.
  std::string outside = WithoutFinalStop(facts.outsideWords);
  for (size_t at = 0; !name.empty() && (at = outside.find(path, at)) != std::string::npos;) {
    outside.replace(at, path.size(), name);
    at += name.size();
  }
  if (!outside.empty()) message += " (" + outside + ")";
  return ElevationError{failure, message + "."};
}
