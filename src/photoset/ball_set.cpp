#include "photoset/ball_set.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <iomanip>
#include <sstream>

#include "photoset/photo_folder.h"
#include "photoset/photo_messages.h"
#include "photoset/photo_pixels.h"
#include "recovery/mirror_ball.h"

namespace {

// The ball outlined by mask.png, which must be there and of the images' size.
std::variant<MirrorBall, Message> BallOfMaskFile(const QDir& folder, const QSize& size) {
  if (!QFileInfo::exists(folder.filePath(kMaskFile))) {
    return PhotoSetMessage(
        kMaskFile, PhotoReason(GS_TRANSLATE_NOOP(
                       "CoreMessages", "маски нет, а по ней находятся центр и радиус шара")));
  }
  std::variant<std::vector<bool>, Message> black = ReadMaskBlackCells(folder, size);
  if (auto* message = std::get_if<Message>(&black)) return std::move(*message);
  std::vector<char> inside;
  for (const bool cell : std::get<std::vector<bool>>(black)) inside.push_back(cell ? 0 : 1);
  const std::optional<MirrorBall> ball = BallOfMask(inside, size.width(), size.height());
  if (!ball) {
    return PhotoSetMessage(kMaskFile, PhotoReason(GS_TRANSLATE_NOOP(
                                          "CoreMessages", "в маске нет шара: она вся чёрная")));
  }
  return *ball;
}

std::variant<std::vector<LightAim>, Message> ReadBallLights(const QDir& folder) {
  std::variant<std::vector<QString>, Message> listed = ReadImageNames(folder);
  if (auto* message = std::get_if<Message>(&listed)) return std::move(*message);
  const std::vector<QString>& names = std::get<std::vector<QString>>(listed);
  std::variant<QSize, Message> common = CommonPhotoSize(folder, names);
  if (auto* message = std::get_if<Message>(&common)) return std::move(*message);
  const QSize size = std::get<QSize>(common);
  std::variant<MirrorBall, Message> ball = BallOfMaskFile(folder, size);
  if (auto* message = std::get_if<Message>(&ball)) return std::move(*message);

  std::vector<LightAim> lights;
  for (const QString& name : names) {
    std::variant<QImage, Message> decoded = DecodeSizedPhoto(folder, name, size);
    if (auto* message = std::get_if<Message>(&decoded)) return std::move(*message);
    const std::optional<LightAim> light =
        LightOfHighlight(GreyIntensities(std::get<QImage>(decoded), {1.0, 1.0, 1.0}), size.width(),
                         size.height(), std::get<MirrorBall>(ball));
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
  return ReadPhotoFolder(folder, ReadBallLights);
}

std::string LightDirectionsText(const std::vector<LightAim>& lights) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << std::setprecision(9);
  for (const LightAim& light : lights) {
    const SourceDirection direction = DirectionOf(light);
    text << direction.x << ' ' << direction.y << ' ' << direction.z << '\n';
  }
  return text.str();
}
