#include "photoset/photo_set.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <limits>
#include <new>

#include "photoset/photo_lists.h"
#include "photoset/photo_messages.h"
#include "photoset/photo_pixels.h"
#include "recovery/light_check.h"

namespace {

const QString kMaskFile = QStringLiteral("mask.png");

// The sizes of every image from their headers, checked against the first and against the cap
// before any pixel is decoded; the common size, or the message.
std::variant<QSize, std::string> CommonSize(const QDir& folder, const std::vector<QString>& names) {
  QSize first;
  for (size_t k = 0; k < names.size(); ++k) {
    std::variant<QSize, std::string> size = PhotoSize(folder, names[k]);
    if (auto* message = std::get_if<std::string>(&size)) return std::move(*message);
    const QSize found = std::get<QSize>(size);
    if (k == 0) {
      first = found;
      const int64_t samples =
          static_cast<int64_t>(found.width()) * found.height() * static_cast<int64_t>(names.size());
      if (samples > kMaxPhotoSetSamples) {
        return PhotoSetMessage(
            names[0],
            QStringLiteral("%1 по %2 — это %3 отсчётов, больше предела в %4 млн отсчётов на набор")
                .arg(CountedWord(static_cast<int64_t>(names.size()), "снимок", "снимка", "снимков"),
                     SizeText(found.width(), found.height()))
                .arg(samples)
                .arg(kMaxPhotoSetSamples / 1'000'000));
      }
    } else if (found != first) {
      return PhotoSetMessage(names[k], QStringLiteral("размер снимка %1, а у первого, «%2», — %3")
                                           .arg(SizeText(found.width(), found.height()), names[0],
                                                SizeText(first.width(), first.height())));
    }
  }
  return first;
}

// Every cell where mask.png is black becomes no data in every image; no mask, no change.
std::optional<std::string> ApplyMask(const QDir& folder, RecoveryImages& images) {
  if (!QFileInfo::exists(folder.filePath(kMaskFile))) return std::nullopt;
  std::variant<QSize, std::string> size = PhotoSize(folder, kMaskFile);
  if (auto* message = std::get_if<std::string>(&size)) return std::move(*message);
  const QSize found = std::get<QSize>(size);
  if (found != QSize(images.width, images.height)) {
    return PhotoSetMessage(kMaskFile, QStringLiteral("размер маски %1, а у снимков — %2")
                                          .arg(SizeText(found.width(), found.height()),
                                               SizeText(images.width, images.height)));
  }
  std::variant<QImage, std::string> mask = DecodePhoto(folder, kMaskFile);
  if (auto* message = std::get_if<std::string>(&mask)) return std::move(*message);
  const std::vector<bool> black = BlackCells(std::get<QImage>(mask));
  for (std::vector<double>& image : images.intensity) {
    for (size_t cell = 0; cell < image.size(); ++cell) {
      if (black[cell]) image[cell] = std::numeric_limits<double>::quiet_NaN();
    }
  }
  return std::nullopt;
}

std::variant<RecoveryImages, std::string> ReadFolder(const QDir& folder) {
  std::variant<std::vector<ListLine>, std::string> listed = ReadListFile(folder, kNamesFile);
  if (auto* message = std::get_if<std::string>(&listed)) return std::move(*message);
  std::vector<QString> names;
  for (const ListLine& line : std::get<std::vector<ListLine>>(listed)) names.push_back(line.text);
  if (names.empty())
    return PhotoSetMessage(kNamesFile, QStringLiteral("в списке нет ни одного снимка"));

  RecoveryImages images;
  std::variant<std::vector<LightAim>, std::string> aims = ReadLightDirections(folder, names.size());
  if (auto* message = std::get_if<std::string>(&aims)) return std::move(*message);
  images.sources = std::move(std::get<std::vector<LightAim>>(aims));
  auto intensities = ReadLightIntensities(folder, names.size());
  if (auto* message = std::get_if<std::string>(&intensities)) return std::move(*message);
  // A set the solve cannot use is refused here, before its pixels are read.
  if (std::optional<LightsError> error = CheckLights(images.sources)) {
    QString reason = QString::fromStdString(error->message).chopped(1);  // without its stop
    reason[0] = reason[0].toLower();
    return PhotoSetMessage(kDirectionsFile, reason);
  }

  std::variant<QSize, std::string> size = CommonSize(folder, names);
  if (auto* message = std::get_if<std::string>(&size)) return std::move(*message);
  images.width = std::get<QSize>(size).width();
  images.height = std::get<QSize>(size).height();
  for (size_t k = 0; k < names.size(); ++k) {
    std::variant<QImage, std::string> decoded = DecodePhoto(folder, names[k]);
    if (auto* message = std::get_if<std::string>(&decoded)) return std::move(*message);
    const QImage& image = std::get<QImage>(decoded);
    if (image.size() != QSize(images.width, images.height)) {
      return PhotoSetMessage(names[k], QStringLiteral("размер снимка после чтения %1, а не %2")
                                           .arg(SizeText(image.width(), image.height()),
                                                SizeText(images.width, images.height)));
    }
    images.intensity.push_back(
        GreyIntensities(image, std::get<std::vector<ChannelIntensity>>(intensities)[k]));
  }
  if (std::optional<std::string> message = ApplyMask(folder, images)) return std::move(*message);
  return images;
}

}  // namespace

std::variant<RecoveryImages, std::string> ReadPhotoSet(const QString& folder) {
  const QFileInfo info(folder);
  if (!info.exists()) return PhotoFolderMessage(folder, QStringLiteral("папка не найдена"));
  if (!info.isDir()) return PhotoFolderMessage(folder, QStringLiteral("это не папка"));
  try {
    return ReadFolder(QDir(folder));
  } catch (const std::bad_alloc&) {
    return PhotoFolderMessage(folder, QStringLiteral("не хватает памяти для снимков набора"));
  }
}
