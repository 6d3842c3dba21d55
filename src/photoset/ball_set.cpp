#include "photoset/ball_set.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <new>

#include "photoset/photo_lists.h"
#include "photoset/photo_messages.h"
#include "photoset/photo_pixels.h"
#include "photoset/photo_set.h"
#include "recovery/mirror_ball.h"

namespace {

// The ball outlined by mask.png, which must be there and of the images' size.
std::variant<MirrorBall, Message> BallOfMaskFile(const QDir& folder, const QSize& size) {
  if (!QFileInfo::exists(folder.filePath(kMaskFile))) {
    return PhotoSetMessage(
        kMaskFile, PhotoReason(GS_TRANSLATE_NOOP(
                       "CoreMessages", "маски нет, а по ней находятся центр и радиус шара")));
  }
  std::variant<QSize, Message> found = PhotoSize(folder, kMaskFile);
  if (auto* message = std::get_if<Message>(&found)) return std::move(*message);
  const QSize maskSize = std::get<QSize>(found);
  if (maskSize != size) {
    return PhotoSetMessage(
        kMaskFile,
        PhotoReason(GS_TRANSLATE_NOOP("CoreMessages", "размер маски %1, а у снимков — %2"),
                    {SizeText(maskSize.width(), maskSize.height()),
                     SizeText(size.width(), size.height())}));
  }
  std::variant<QImage, Message> mask = DecodePhoto(folder, kMaskFile);
  if (auto* message = std::get_if<Message>(&mask)) return std::move(*message);
  const std::vector<bool> black = BlackCells(std::get<QImage>(mask));
  std::vector<char> inside(black.size());
  for (size_t cell = 0; cell < black.size(); ++cell) inside[cell] = black[cell] ? 0 : 1;
  const std::optional<MirrorBall> ball = BallOfMask(inside, size.width(), size.height());
  if (!ball) {
    return PhotoSetMessage(kMaskFile, PhotoReason(GS_TRANSLATE_NOOP(
                                          "CoreMessages", "в маске нет шара: она вся чёрная")));
  }
  return *ball;
}

std::variant<std::vector<LightAim>, Message> ReadBallLights(const QDir& folder) {
  std::variant<std::vector<ListLine>, Message> listed = ReadListFile(folder, kNamesFile);
  if (auto* message = std::get_if<Message>(&listed)) return std::move(*message);
  std::vector<QString> names;
  for (const ListLine& line : std::get<std::vector<ListLine>>(listed)) names.push_back(line.text);
  if (names.empty())
    return PhotoSetMessage(kNamesFile, PhotoReason(GS_TRANSLATE_NOOP(
                                           "CoreMessages", "в списке нет ни одного снимка")));
  std::variant<QSize, Message> common = CommonPhotoSize(folder, names);
  if (auto* message = std::get_if<Message>(&common)) return std::move(*message);
  const QSize size = std::get<QSize>(common);
  std::variant<MirrorBall, Message> ball = BallOfMaskFile(folder, size);
  if (auto* message = std::get_if<Message>(&ball)) return std::move(*message);

  std::vector<LightAim> lights;
  for (const QString& name : names) {
    std::variant<QImage, Message> decoded = DecodePhoto(folder, name);
    if (auto* message = std::get_if<Message>(&decoded)) return std::move(*message);
    const QImage& image = std::get<QImage>(decoded);
    if (image.size() != size) {
      return PhotoSetMessage(
          name,
          PhotoReason(
              GS_TRANSLATE_NOOP("CoreMessages", "размер снимка после чтения %1, а не %2"),
              {SizeText(image.width(), image.height()), SizeText(size.width(), size.height())}));
    }
    const std::optional<LightAim> light =
        LightOfHighlight(GreyIntensities(image, {1.0, 1.0, 1.0}), size.width(), size.height(),
                         std::get<MirrorBall>(ball));
    if (!light) {
      return PhotoSetMessage(
          name, PhotoReason(GS_TRANSLATE_NOOP(
                    "CoreMessages", "на шаре нет блика: шар тёмный, или блик вне маски")));
    }
    lights.push_back(*light);
  }
  return lights;
}

}  // namespace

std::variant<std::vector<LightAim>, Message> BallLightsSaid(const QString& folder) {
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
    return ReadBallLights(QDir(folder));
  } catch (const std::bad_alloc&) {
    return PhotoFolderMessage(folder, PhotoReason(GS_TRANSLATE_NOOP(
                                          "CoreMessages", "не хватает памяти для снимков набора")));
  }
}
