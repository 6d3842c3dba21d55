#include "photoset/camera_response.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "intake/number_text.h"
#include "photoset/photo_lists.h"
#include "photoset/photo_messages.h"

CameraResponse CameraResponse::Gamma(double gamma) {
  CameraResponse response;
  response.gamma_ = gamma;
  return response;
}

CameraResponse CameraResponse::Table(std::vector<double> linear) {
  CameraResponse response;
  response.table_ = std::move(linear);
  return response;
}

double CameraResponse::Linear(double value) const {
  const double clamped = std::clamp(value, 0.0, 1.0);
  if (table_.empty()) return std::pow(clamped, gamma_);
  const double at = clamped * static_cast<double>(table_.size() - 1);
  const auto below = static_cast<size_t>(std::floor(at));
  if (below + 1 >= table_.size()) return table_.back();
  const double share = at - static_cast<double>(below);
  return table_[below] + share * (table_[below + 1] - table_[below]);
}

std::variant<std::optional<CameraResponse>, Message> ReadCameraResponse(const QDir& folder) {
  if (!QFileInfo::exists(folder.filePath(kResponseFile))) return std::optional<CameraResponse>();
  auto read = ReadListFile(folder, kResponseFile);
  if (auto* message = std::get_if<Message>(&read)) return std::move(*message);
  const std::vector<ListLine>& lines = std::get<std::vector<ListLine>>(read);
  if (lines.empty() || lines.size() > kMaxResponseEntries) {
    return PhotoSetMessage(
        kResponseFile,
        PhotoReason(GS_TRANSLATE_NOOP("CoreMessages",
                                      "нужна одна гамма или таблица от 2 до %1 значений, по одному "
                                      "в строке"),
                    {VerbatimPart(std::to_string(kMaxResponseEntries))}));
  }
  std::vector<double> values;
  for (const ListLine& line : lines) {
    const NumberReading<double> reading = ReadDouble(line.text.toStdString(), CNumberFormat());
    const bool gamma = lines.size() == 1;
    const bool fits = reading.Ok() && (gamma ? reading.value > 0.0 && reading.value <= kMaxGamma
                                             : reading.value >= 0.0);
    if (!fits) {
      return PhotoSetLineMessage(
          kResponseFile, line.number,
          gamma ? PhotoReason(GS_TRANSLATE_NOOP("CoreMessages",
                                                "гамма — число больше 0 и не больше 10, а не «%1»"),
                              {QuotedLine(line.text)})
                : PhotoReason(GS_TRANSLATE_NOOP("CoreMessages",
                                                "значение таблицы — конечное число не меньше 0, а "
                                                "не «%1»"),
                              {QuotedLine(line.text)}));
    }
    if (!values.empty() && reading.value < values.back()) {
      return PhotoSetLineMessage(
          kResponseFile, line.number,
          PhotoReason(GS_TRANSLATE_NOOP("CoreMessages",
                                        "значения таблицы не должны убывать: больше света — "
                                        "не меньшее значение")));
    }
    values.push_back(reading.value);
  }
  if (values.size() == 1) return std::optional<CameraResponse>(CameraResponse::Gamma(values[0]));
  return std::optional<CameraResponse>(CameraResponse::Table(std::move(values)));
}
