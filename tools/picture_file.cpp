#include "picture_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QSaveFile>

namespace {

constexpr int kMaxComponent = 255;

unsigned char ComponentByte(int32_t component) {
  return static_cast<unsigned char>(
      component < 0 ? 0 : (component > kMaxComponent ? kMaxComponent : component));
}

}  // namespace

std::string EncodePpm(const ImageBuffer& picture) {
  std::string bytes = "P6\n" + std::to_string(picture.Width()) + " " +
                      std::to_string(picture.Height()) + "\n" + std::to_string(kMaxComponent) +
                      "\n";
  size_t at = bytes.size();
  bytes.resize(at + picture.Pixels().size() * 3);
  for (const Rgb& pixel : picture.Pixels()) {
    bytes[at++] = static_cast<char>(ComponentByte(pixel.r));
    bytes[at++] = static_cast<char>(ComponentByte(pixel.g));
    bytes[at++] = static_cast<char>(ComponentByte(pixel.b));
  }
  return bytes;
}

std::string EncodePng(const ImageBuffer& picture) {
  QImage image(picture.Width(), picture.Height(), QImage::Format_RGB888);
  if (image.isNull()) return {};
  for (int y = 0; y < picture.Height(); ++y) {
    uchar* line = image.scanLine(y);
    for (int x = 0; x < picture.Width(); ++x) {
      const Rgb pixel = picture.At(x, y);
      uchar* out = line + ptrdiff_t{3} * x;
      out[0] = ComponentByte(pixel.r);
      out[1] = ComponentByte(pixel.g);
      out[2] = ComponentByte(pixel.b);
    }
  }
  QByteArray encoded;
  QBuffer buffer(&encoded);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
  return std::string(encoded.constData(), static_cast<size_t>(encoded.size()));
}

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
  // QSaveFile writes a temporary file beside the target and renames it into place on commit; a
  // symbolic link is followed, so its target gets the bytes and the link stays.
  QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
  const auto failure = [&] {
    return std::optional<std::string>("cannot write " + path + ": " +
                                      file.errorString().toStdString());
  };
  if (!file.open(QIODevice::WriteOnly)) return failure();
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) return failure();  // the destructor discards it
  if (!file.commit()) return failure();
  return std::nullopt;
}

std::optional<std::string> WritePicture(const ImageBuffer& picture, const std::string& path,
                                        PictureFormat format) {
  const std::string bytes = format == PictureFormat::kPng ? EncodePng(picture) : EncodePpm(picture);
  if (bytes.empty()) return "cannot encode the picture as PNG for " + path;
  return WriteFileAtomically(path, bytes);
}
