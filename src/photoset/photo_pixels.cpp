#include "photoset/photo_pixels.h"

#include <QImageReader>
#include <optional>

#include "photoset/image_memory.h"
#include "photoset/photo_messages.h"
#include "photoset/regular_file.h"

namespace {

constexpr double kFullScale8 = 255.0;
constexpr double kFullScale16 = 65535.0;
constexpr double kChannels = 3.0;

// The message of an image file that cannot be opened; nothing when it is a regular file.
std::optional<Message> RefusedFile(const QString& name, const QString& path) {
  const std::optional<FileProblem> problem = CheckRegularFile(path);
  if (!problem) return std::nullopt;
  switch (problem->refusal) {
    case FileRefusal::kMissing:
      return PhotoSetMessage(
          name, PhotoReason(GS_TRANSLATE_NOOP("CoreMessages", "файла нет в папке набора")));
    case FileRefusal::kNotRegular:
      return PhotoSetMessage(
          name, PhotoReason(GS_TRANSLATE_NOOP(
                    "CoreMessages", "это не обычный файл (папка, канал или устройство)")));
    case FileRefusal::kUnreadable:
    case FileRefusal::kReadFailed:
    case FileRefusal::kTooLarge:
      break;
  }
  return PhotoSetMessage(
      name, PhotoReason(GS_TRANSLATE_NOOP("CoreMessages", "файл не открывается для чтения (%1)"),
                        {PhotoText(problem->words)}));
}

Message NotAnImage(const QString& name, const QImageReader& reader) {
  return PhotoSetMessage(
      name, PhotoReason(GS_TRANSLATE_NOOP("CoreMessages", "файл не читается как изображение (%1)"),
                        {PhotoText(reader.errorString())}));
}

// A grey cell's value over the three intensities: a grey value v is v / r, v / g, v / b in its
// channels, whose mean is v times this factor (exactly v for intensities of 1).
double GreyFactor(const ChannelIntensity& intensity) {
  return (1.0 / intensity[0] + 1.0 / intensity[1] + 1.0 / intensity[2]) / kChannels;
}

double ColourMean(double red, double green, double blue, double fullScale,
                  const ChannelIntensity& intensity, const CameraResponse* response) {
  if (response != nullptr) {
    return (response->Linear(red / fullScale) / intensity[0] +
            response->Linear(green / fullScale) / intensity[1] +
            response->Linear(blue / fullScale) / intensity[2]) /
           kChannels;
  }
  return (red / intensity[0] + green / intensity[1] + blue / intensity[2]) /
         (kChannels * fullScale);
}

}  // namespace

std::variant<QSize, Message> PhotoSize(const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  if (std::optional<Message> refused = RefusedFile(name, path)) return *std::move(refused);
  AllowImagesUpToTheSampleCap();
  QImageReader reader(path);
  if (!reader.canRead()) return NotAnImage(name, reader);
  QSize size = reader.size();
  if (!size.isValid()) {
    const QImage image = reader.read();
    if (image.isNull()) return NotAnImage(name, reader);
    size = image.size();
  }
  return size;
}

std::variant<QImage, Message> DecodePhoto(const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  if (std::optional<Message> refused = RefusedFile(name, path)) return *std::move(refused);
  AllowImagesUpToTheSampleCap();
  QImageReader reader(path);
  QImage image = reader.read();
  if (image.isNull()) return NotAnImage(name, reader);
  return image;
}

std::vector<double> GreyIntensities(const QImage& image, const ChannelIntensity& intensity,
                                    const CameraResponse* response) {
  const int width = image.width();
  const int height = image.height();
  std::vector<double> grey(static_cast<size_t>(width) * static_cast<size_t>(height));
  const double greyFactor = GreyFactor(intensity);
  const auto cell = [width](int row, int column) {
    return static_cast<size_t>(row) * static_cast<size_t>(width) + static_cast<size_t>(column);
  };
  if (image.format() == QImage::Format_Grayscale16 || image.format() == QImage::Format_Grayscale8) {
    const bool sixteen = image.format() == QImage::Format_Grayscale16;
    const double fullScale = sixteen ? kFullScale16 : kFullScale8;
    for (int row = 0; row < height; ++row) {
      const uchar* line = image.constScanLine(row);
      for (int column = 0; column < width; ++column) {
        const double value =
            sixteen ? reinterpret_cast<const quint16*>(line)[column] : line[column];
        grey[cell(row, column)] =
            (response != nullptr ? response->Linear(value / fullScale) : value / fullScale) *
            greyFactor;
      }
    }
  } else if (image.depth() > 32) {  // 16 bits a channel, or floating point
    const QImage wide = image.convertToFormat(QImage::Format_RGBX64);
    for (int row = 0; row < height; ++row) {
      const QRgba64* line = reinterpret_cast<const QRgba64*>(wide.constScanLine(row));
      for (int column = 0; column < width; ++column) {
        const QRgba64 pixel = line[column];
        grey[cell(row, column)] =
            ColourMean(pixel.red(), pixel.green(), pixel.blue(), kFullScale16, intensity, response);
      }
    }
  } else {
    const QImage narrow = image.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < height; ++row) {
      const QRgb* line = reinterpret_cast<const QRgb*>(narrow.constScanLine(row));
      for (int column = 0; column < width; ++column) {
        const QRgb pixel = line[column];
        grey[cell(row, column)] =
            ColourMean(qRed(pixel), qGreen(pixel), qBlue(pixel), kFullScale8, intensity, response);
      }
    }
  }
  return grey;
}

bool IsColourPhoto(const QImage& image) { return !image.isGrayscale(); }

std::array<std::vector<double>, 3> ChannelIntensities(const QImage& image,
                                                      const ChannelIntensity& intensity,
                                                      const CameraResponse* response) {
  // Through 16 bits a channel, which holds an 8-bit value exactly (v * 257 over 65535).
  const QImage wide = image.convertToFormat(QImage::Format_RGBX64);
  std::array<std::vector<double>, 3> channels;
  for (std::vector<double>& channel : channels) {
    channel.reserve(static_cast<size_t>(wide.width()) * static_cast<size_t>(wide.height()));
  }
  const auto linear = [response](double value) {
    return response != nullptr ? response->Linear(value / kFullScale16) : value / kFullScale16;
  };
  for (int row = 0; row < wide.height(); ++row) {
    const QRgba64* line = reinterpret_cast<const QRgba64*>(wide.constScanLine(row));
    for (int column = 0; column < wide.width(); ++column) {
      const QRgba64 pixel = line[column];
      channels[0].push_back(linear(pixel.red()) / intensity[0]);
      channels[1].push_back(linear(pixel.green()) / intensity[1]);
      channels[2].push_back(linear(pixel.blue()) / intensity[2]);
    }
  }
  return channels;
}

std::vector<bool> BlackCells(const QImage& mask) {
  // At 16 bits a channel, so that a dark grey of a 16-bit mask is not rounded to black.
  const QImage wide = mask.convertToFormat(QImage::Format_RGBX64);
  std::vector<bool> black;
  black.reserve(static_cast<size_t>(wide.width()) * static_cast<size_t>(wide.height()));
  for (int row = 0; row < wide.height(); ++row) {
    const QRgba64* line = reinterpret_cast<const QRgba64*>(wide.constScanLine(row));
    for (int column = 0; column < wide.width(); ++column) {
      const QRgba64 pixel = line[column];
      black.push_back(pixel.red() == 0 && pixel.green() == 0 && pixel.blue() == 0);
    }
  }
  return black;
}
