#include "picture_file.h"

#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <memory>

#include "fileio/whole_file.h"

namespace {

constexpr int kBytesPerPixel = 4;
constexpr size_t kPieceBytes = size_t{1} << 18;  // rows are encoded in pieces of about this size

// The picture's own rows seen as a 32-bit QImage, without a copy: Format_RGB32 holds the same
// 0xffRRGGBB words. Qt's writers store it as 24-bit RGB.
QImage ImageView(const ImageBuffer& picture) {
  if (picture.Width() <= 0 || picture.Height() <= 0) return {};
  return QImage(reinterpret_cast<const uchar*>(picture.Row(0)), picture.Width(), picture.Height(),
                qsizetype{picture.Width()} * kBytesPerPixel, QImage::Format_RGB32);
}

// The picture encoded by Qt's writer for `format` ("PNG", "BMP").
std::string EncodeWithQt(const ImageBuffer& picture, const char* format) {
  const QImage image = ImageView(picture);
  if (image.isNull()) return {};
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

QString FileName(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

// "cannot write PATH: No space left on device"
std::string FailureMessage(const std::string& path, const WriteFailure& failure) {
  return "cannot write " + (path == "-" ? std::string("the picture to standard output") : path) +
         ": " + SystemReason(failure).toStdString();
}

}  // namespace

ByteSource PpmSource(const ImageBuffer& picture) {
  // Shared, so that a copy of the source goes on where the original stopped.
  struct Progress {
    std::string piece;
    int nextRow = -1;  // -1 until the header has been given
  };
  auto progress = std::make_shared<Progress>();
  return [&picture, progress]() -> std::string_view {
    std::string& piece = progress->piece;
    if (progress->nextRow < 0) {
      progress->nextRow = 0;
      piece = "P6\n" + std::to_string(picture.Width()) + " " + std::to_string(picture.Height()) +
              "\n" + std::to_string(kComponentMax) + "\n";
      return piece;
    }
    piece.clear();
    const auto width = static_cast<size_t>(picture.Width());
    while (progress->nextRow < picture.Height() && piece.size() < kPieceBytes) {
      const uint32_t* row = picture.Row(progress->nextRow++);
      for (size_t x = 0; x < width; ++x) {
        const Rgb pixel = UnpackedPixel(row[x]);
        piece.push_back(static_cast<char>(pixel.r));
        piece.push_back(static_cast<char>(pixel.g));
        piece.push_back(static_cast<char>(pixel.b));
      }
    }
    return piece;
  };
}

std::string EncodePpm(const ImageBuffer& picture) {
  std::string bytes;
  const ByteSource source = PpmSource(picture);
  for (std::string_view piece = source(); !piece.empty(); piece = source()) bytes += piece;
  return bytes;
}

std::string EncodePng(const ImageBuffer& picture) { return EncodeWithQt(picture, "PNG"); }

std::string EncodeBmp(const ImageBuffer& picture) { return EncodeWithQt(picture, "BMP"); }

std::optional<std::string> WriteOutputFile(const std::string& path, std::string_view bytes) {
  return WriteOutputFile(path, OnePiece(bytes));
}

std::optional<std::string> WriteOutputFile(const std::string& path, const ByteSource& source) {
  const bool toStdout = path == "-";
  const std::optional<WriteFailure> failure =
      toStdout ? WriteAllTo(STDOUT_FILENO, source) : WriteWholeFile(FileName(path), source);
  if (!failure) return std::nullopt;
  return FailureMessage(path, *failure);
}

std::optional<std::string> CheckOutputFile(const std::string& path) {
  if (path == "-") return std::nullopt;
  const std::optional<WriteFailure> failure = CheckWritable(FileName(path));
  if (!failure) return std::nullopt;
  return FailureMessage(path, *failure);
}

std::optional<std::string> WritePicture(const ImageBuffer& picture, const std::string& path,
                                        PictureFormat format) {
  // PPM is written row by row as it is encoded: a big picture is never held twice.
  if (format == PictureFormat::kPpm) return WriteOutputFile(path, PpmSource(picture));
  const std::string bytes = format == PictureFormat::kPng ? EncodePng(picture) : EncodeBmp(picture);
  if (bytes.empty()) {
    return std::string("cannot encode the picture as ") + FormatName(format) + " for " + path;
  }
  return WriteOutputFile(path, bytes);
}
