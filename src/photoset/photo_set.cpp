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

std::variant<QSize, Message> CommonPhotoSize(const QDir& folder,
                                             const std::vector<QString>& names) {
  QSize first;
  for (size_t k = 0; k < names.size(); ++k) {
    std::variant<QSize, Message> size = PhotoSize(folder, names[k]);
    if (auto* message = std::get_if<Message>(&size)) return std::move(*message);
    const QSize found = std::get<QSize>(size);
    if (k == 0) {
      first = found;
      const int64_t samples =
          static_cast<int64_t>(found.width()) * found.height() * static_cast<int64_t>(names.size());
      if (samples > kMaxPhotoSetSamples) {
        return PhotoSetMessage(
            names[0],
            PhotoReason(
                GS_TRANSLATE_NOOP("CoreMessages",
                                  "%1 по %2 — это %3 отсчётов, больше предела в %4 млн "
                                  "отсчётов на набор"),
                {MessagePartOf(CountedWord(static_cast<int64_t>(names.size()),
                                           GS_TRANSLATE_N_NOOP("CoreMessages", "%n снимок"),
                                           GS_TRANSLATE_N_NOOP("CoreMessages", "%n снимка"),
                                           GS_TRANSLATE_N_NOOP("CoreMessages", "%n снимков"))),
                 SizeText(found.width(), found.height()), VerbatimPart(std::to_string(samples)),
                 VerbatimPart(std::to_string(kMaxPhotoSetSamples / 1'000'000))}));
      }
    } else if (found != first) {
      return PhotoSetMessage(
          names[k], PhotoReason(GS_TRANSLATE_NOOP("CoreMessages",
                                                  "размер снимка %1, а у первого, «%2», — %3"),
                                {SizeText(found.width(), found.height()), PhotoText(names[0]),
                                 SizeText(first.width(), first.height())}));
    }
  }
  return first;
}

namespace {

// Every cell where mask.png is black becomes no data in every image; no mask, no change.
std::optional<Message> ApplyMask(const QDir& folder, RecoveryImages& images) {
  if (!QFileInfo::exists(folder.filePath(kMaskFile))) return std::nullopt;
  std::variant<QSize, Message> size = PhotoSize(folder, kMaskFile);
  if (auto* message = std::get_if<Message>(&size)) return std::move(*message);
  const QSize found = std::get<QSize>(size);
  if (found != QSize(images.width, images.height)) {
    return PhotoSetMessage(
        kMaskFile,
        PhotoReason(
            GS_TRANSLATE_NOOP("CoreMessages", "размер маски %1, а у снимков — %2"),
            {SizeText(found.width(), found.height()), SizeText(images.width, images.height)}));
  }
  std::variant<QImage, Message> mask = DecodePhoto(folder, kMaskFile);
  if (auto* message = std::get_if<Message>(&mask)) return std::move(*message);
  const std::vector<bool> black = BlackCells(std::get<QImage>(mask));
  for (std::vector<double>& image : images.intensity) {
    for (size_t cell = 0; cell < image.size(); ++cell) {
      if (black[cell]) image[cell] = std::numeric_limits<double>::quiet_NaN();
    }
  }
  return std::nullopt;
}

std::variant<RecoveryImages, Message> ReadFolder(const QDir& folder) {
  std::variant<std::vector<ListLine>, Message> listed = ReadListFile(folder, kNamesFile);
  if (auto* message = std::get_if<Message>(&listed)) return std::move(*message);
  std::vector<QString> names;
  for (const ListLine& line : std::get<std::vector<ListLine>>(listed)) names.push_back(line.text);
  if (names.empty())
    return PhotoSetMessage(kNamesFile, PhotoReason(GS_TRANSLATE_NOOP(
                                           "CoreMessages", "в списке нет ни одного снимка")));

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

  std::variant<QSize, Message> size = CommonPhotoSize(folder, names);
  if (auto* message = std::get_if<Message>(&size)) return std::move(*message);
  images.width = std::get<QSize>(size).width();
  images.height = std::get<QSize>(size).height();
  for (size_t k = 0; k < names.size(); ++k) {
    std::variant<QImage, Message> decoded = DecodePhoto(folder, names[k]);
    if (auto* message = std::get_if<Message>(&decoded)) return std::move(*message);
    const QImage& image = std::get<QImage>(decoded);
    if (image.size() != QSize(images.width, images.height)) {
      return PhotoSetMessage(
          names[k],
          PhotoReason(
              GS_TRANSLATE_NOOP("CoreMessages", "размер снимка после чтения %1, а не %2"),
              {SizeText(image.width(), image.height()), SizeText(images.width, images.height)}));
    }
    images.intensity.push_back(
        GreyIntensities(image, std::get<std::vector<ChannelIntensity>>(intensities)[k]));
  }
  if (std::optional<Message> message = ApplyMask(folder, images)) return std::move(*message);
  return images;
}

}  // namespace

std::variant<RecoveryImages, Message> ReadPhotoSetSaid(const QString& folder) {
  const QFileInfo info(folder);
  if (!info.exists()) {
    return PhotoFolderMessage(folder,
                              PhotoReason(GS_TRANSLATE_NOOP("CoreMessages", "папка не найдена")));
  }
  if (!info.isDir()) {
    return PhotoFolderMessage(folder,
                              PhotoReason(GS_TRANSLATE_NOOP("CoreMessages", "это не папка")));
  }
  try {
    return ReadFolder(QDir(folder));
  } catch (const std::bad_alloc&) {
    return PhotoFolderMessage(folder, PhotoReason(GS_TRANSLATE_NOOP(
                                          "CoreMessages", "не хватает памяти для снимков набора")));
  }
}

std::variant<RecoveryImages, std::string> ReadPhotoSet(const QString& folder) {
  std::variant<RecoveryImages, Message> read = ReadPhotoSetSaid(folder);
  if (const auto* message = std::get_if<Message>(&read)) return RussianText(*message);
  return std::move(std::get<RecoveryImages>(read));
}
