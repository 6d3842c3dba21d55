#include "picture_file.h"

#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>

#include "fileio/whole_file.h"

namespace {

constexpr int kMaxComponent = 255;

unsigned char ComponentByte(int32_t component) {
  return static_cast<unsigned char>(
      component < 0 ? 0 : (component > kMaxComponent ? kMaxComponent : component));
}

// The picture in a 24-bit QImage, encoded by Qt's writer for `format` ("PNG", "BMP").
std::string EncodeWithQt(const ImageBuffer& picture, const char* format) {
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
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format)) return {};
  return std::string(encoded.constData(), static_cast<size_t>(encoded.size()));
}

const char* FormatName(PictureFormat format) {
  switch (format) {
    case PictureFormat::kPng:
      return "PNG";
    case PictureFormat::kBmp:
      return "BMP";
    case PictureFormat::kPpm:
      break;
  }
  return "PPM";
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

std::string EncodePng(const ImageBuffer& picture) { return EncodeWithQt(picture, "PNG"); }

std::string EncodeBmp(const ImageBuffer& picture) { return EncodeWithQt(picture, "BMP"); }

std::optional<std::string> WriteOutputFile(const std::string& path, std::string_view bytes) {
  const bool toStdout = path == "-";
  const std::optional<WriteFailure> failure =
      toStdout ? WriteAllTo(STDOUT_FILENO, bytes)
               : WriteWholeFile(QFile::decodeName(QByteArray::fromStdString(path)), bytes);
  if (!failure) return std::nullopt;
  return "cannot write " + (toStdout ? std::string("the picture to standard output") : path) +
         ": " + SystemReason(*failure).toStdString();
}

std::optional<std::string> WritePicture(const ImageBuffer& picture, const std::string& path,
                                        PictureFormat format) {
  const std::string bytes = format == PictureFormat::kPng   ? EncodePng(picture)
                            : format == PictureFormat::kBmp ? EncodeBmp(picture)
                                                            : EncodePpm(picture);
  if (bytes.empty()) {
    return std::string("cannot encode the picture as ") + FormatName(format) + " for " + path;
  }
  return WriteOutputFile(path, bytes);
}
