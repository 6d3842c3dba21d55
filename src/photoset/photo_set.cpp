#include "photoset/photo_set.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <limits>

#include "photoset/camera_response.h"
#include "photoset/photo_folder.h"
#include "photoset/photo_lists.h"
#include "photoset/photo_messages.h"
#include "photoset/photo_pixels.h"
#include "recovery/light_check.h"

namespace {

// Every cell where mask.png is black becomes no data in every image; no mask, no change.
std::optional<Message> ApplyMask(const QDir& folder, RecoveryImages& images) {
  if (!QFileInfo::exists(folder.filePath(kMaskFile))) return std::nullopt;
  std::variant<std::vector<bool>, Message> black =
      ReadMaskBlackCells(folder, QSize(images.width, images.height));
  if (auto* message = std::get_if<Message>(&black)) return std::move(*message);
  for (std::vector<double>& image : images.intensity) {
    for (size_t cell = 0; cell < image.size(); ++cell) {
      if (std::get<std::vector<bool>>(black)[cell])
        image[cell] = std::numeric_limits<double>::quiet_NaN();
    }
  }
  return std::nullopt;
}

std::variant<RecoveryImages, Message> ReadFolder(const QDir& folder) {
  std::variant<std::vector<QString>, Message> listed = ReadImageNames(folder);
  if (auto* message = std::get_if<Message>(&listed)) return std::move(*message);
  const std::vector<QString>& names = std::get<std::vector<QString>>(listed);

  RecoveryImages images;
  std::variant<std::vector<LightAim>, Message> aims = ReadLightDirections(folder, names.size());
  if (auto* message = std::get_if<Message>(&aims)) return std::move(*message);
  images.sources = std::move(std::get<std::vector<LightAim>>(aims));
  auto intensities = ReadLightIntensities(folder, names.size());
  if (auto* message = std::get_if<Message>(&intensities)) return std::move(*message);
  // A set the solve cannot use is refused here, before its pixels are read.
  if (std::optional<LightsError> error = CheckLights(images.sources)) {
    return PhotoSetMessage(kDirectionsFile, std::move(error->reason));
  }

  auto response = ReadCameraResponse(folder);
  if (auto* message = std::get_if<Message>(&response)) return std::move(*message);
  const std::optional<CameraResponse>& linear = std::get<std::optional<CameraResponse>>(response);

  std::variant<QSize, Message> size = CommonPhotoSize(folder, names);
  if (auto* message = std::get_if<Message>(&size)) return std::move(*message);
  images.width = std::get<QSize>(size).width();
  images.height = std::get<QSize>(size).height();
  // The channels are kept for a colour albedo while the set with them stays within the samples'
  // cap (three more a cell and image); a larger set gives the grey albedo alone. A grey set reads
  // none: the first colour image reads its own and those of the grey ones before it, decoded again.
  const bool colourFits =
      static_cast<int64_t>(names.size()) * static_cast<int64_t>(images.Cells()) * 4 <=
      kMaxPhotoSetSamples;
  const CameraResponse* made = linear ? &*linear : nullptr;
  const auto& channelIntensities = std::get<std::vector<ChannelIntensity>>(intensities);
  for (size_t k = 0; k < names.size(); ++k) {
    std::variant<QImage, Message> decoded =
        DecodeSizedPhoto(folder, names[k], std::get<QSize>(size));
    if (auto* message = std::get_if<Message>(&decoded)) return std::move(*message);
    const QImage& image = std::get<QImage>(decoded);
    images.intensity.push_back(GreyIntensities(image, channelIntensities[k], made));
    if (!colourFits || (images.colour.empty() && !IsColourPhoto(image))) continue;
    for (size_t before = images.colour.size(); before < k; ++before) {
      std::variant<QImage, Message> again =
          DecodeSizedPhoto(folder, names[before], std::get<QSize>(size));
      if (auto* message = std::get_if<Message>(&again)) return std::move(*message);
      images.colour.push_back(
          ChannelIntensities(std::get<QImage>(again), channelIntensities[before], made));
    }
    images.colour.push_back(ChannelIntensities(image, channelIntensities[k], made));
  }
  if (std::optional<Message> message = ApplyMask(folder, images)) return std::move(*message);
  return images;
}

}  // namespace

std::variant<RecoveryImages, Message> ReadPhotoSetSaid(const QString& folder) {
  return ReadPhotoFolder(folder, ReadFolder);
}

std::variant<RecoveryImages, std::string> ReadPhotoSet(const QString& folder) {
  std::variant<RecoveryImages, Message> read = ReadPhotoSetSaid(folder);
  if (const auto* message = std::get_if<Message>(&read)) return RussianText(*message);
  return std::move(std::get<RecoveryImages>(read));
}
