#include "picture_file.h"

#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <memory>

#include "figure/png_bytes.h"
#include "fileio/whole_file.h"

namespace {

constexpr int kBytesPerPixel = 4;
constexpr size_t kPieceBytes = size_t{1} << 18;  // rows are encoded in pieces of about this size

// BMP: a 14-byte file header and a 40-byte BITMAPINFOHEADER, then 24-bit rows from the bottom
// up, each blue, green, red a pixel and padded with zeros to a multiple of 4 bytes.
constexpr uint32_t kBmpFileHeaderBytes = 14;
constexpr uint32_t kBmpInfoHeaderBytes = 40;
constexpr uint32_t kBmpBitsPerPixel = 24;
constexpr uint32_t kBmpPixelsPerMetre = 3937;  // 100 dots per inch, as Qt's writer gave them

uint32_t BmpRowBytes(int width) { return (3 * static_cast<uint32_t>(width) + 3) & ~uint32_t{3}; }

std::string BmpHeader(const ImageBuffer& picture) {
  const uint32_t pixelBytes =
      BmpRowBytes(picture.Width()) * static_cast<uint32_t>(picture.Height());
  const uint32_t headerBytes = kBmpFileHeaderBytes + kBmpInfoHeaderBytes;
  const struct {
    uint32_t value;
    int bytes;
  } kFields[] = {
      {'B' | ('M' << 8), 2},
      {headerBytes + pixelBytes, 4},  // the file's size
      {0, 4},
      {headerBytes, 4},  // where the rows start
      {kBmpInfoHeaderBytes, 4},
      {static_cast<uint32_t>(picture.Width()), 4},
      {static_cast<uint32_t>(picture.Height()), 4},  // positive: rows from the bottom up
      {1, 2},                                        // one plane
      {kBmpBitsPerPixel, 2},
      {0, 4},  // not compressed
      {pixelBytes, 4},
      {kBmpPixelsPerMetre, 4},
      {kBmpPixelsPerMetre, 4},
      {0, 4},  // no palette: no colours used,
      {0, 4},  // none important
  };
  std::string header;
  for (const auto& field : kFields) {
    for (int k = 0; k < field.bytes; ++k)
      header.push_back(static_cast<char>(field.value >> (8 * k)));
  }
  return header;
}

void AppendPpmRow(const uint32_t* row, size_t width, std::string& piece) {
  for (size_t x = 0; x < width; ++x) {
    const Rgb pixel = UnpackedPixel(row[x]);
    piece.push_back(static_cast<char>(pixel.r));
    piece.push_back(static_cast<char>(pixel.g));
    piece.push_back(static_cast<char>(pixel.b));
  }
}

void AppendBmpRow(const uint32_t* row, size_t width, std::string& piece) {
  for (size_t x = 0; x < width; ++x) {
    const Rgb pixel = UnpackedPixel(row[x]);
    piece.push_back(static_cast<char>(pixel.b));
    piece.push_back(static_cast<char>(pixel.g));
    piece.push_back(static_cast<char>(pixel.r));
  }
  piece.append(BmpRowBytes(static_cast<int>(width)) - 3 * width, '\0');
}

using RowEncoder = void (*)(const uint32_t* row, size_t width, std::string& piece);

// `header`, then pieces of whole rows, each about kPieceBytes, encoded as they are asked for:
// from the top row down, or from the bottom row up. `picture` must outlive the source.
ByteSource RowSource(const ImageBuffer& picture, std::string header, bool bottomUp,
                     RowEncoder appendRow) {
  // Shared, so that a copy of the source goes on where the original stopped.
  struct Progress {
    std::string piece;
    int rowsGiven = -1;  // -1 until the header has been given
  };
  auto progress = std::make_shared<Progress>(Progress{std::move(header)});
  return [&picture, progress, bottomUp, appendRow]() -> std::string_view {
    std::string& piece = progress->piece;
    if (progress->rowsGiven < 0) {
      progress->rowsGiven = 0;
      return piece;
    }
    piece.clear();
    const int height = picture.Height();
    while (progress->rowsGiven < height && piece.size() < kPieceBytes) {
      const int y = bottomUp ? height - 1 - progress->rowsGiven : progress->rowsGiven;
      appendRow(picture.Row(y), static_cast<size_t>(picture.Width()), piece);
      ++progress->rowsGiven;
    }
    return piece;
  };
}

std::string Concatenated(const ByteSource& source) {
  std::string bytes;
  for (std::string_view piece = source(); !piece.empty(); piece = source()) bytes += piece;
  return bytes;
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

std::string OutputFailureMessage(const std::string& path, const WriteFailure& failure) {
  return FailureMessage(path, failure);
}

ByteSource PpmSource(const ImageBuffer& picture) {
  return RowSource(picture,
                   "P6\n" + std::to_string(picture.Width()) + " " +
                       std::to_string(picture.Height()) + "\n" + std::to_string(kComponentMax) +
                       "\n",
                   false, AppendPpmRow);
}

ByteSource BmpSource(const ImageBuffer& picture) {
  return RowSource(picture, BmpHeader(picture), true, AppendBmpRow);
}

std::string EncodePpm(const ImageBuffer& picture) { return Concatenated(PpmSource(picture)); }

std::string EncodeBmp(const ImageBuffer& picture) { return Concatenated(BmpSource(picture)); }

std::string EncodePng(const ImageBuffer& picture) {
  if (picture.Width() <= 0 || picture.Height() <= 0) return {};
  // The picture's own rows seen as a 32-bit QImage, without a copy: Format_RGB32 holds the same
  // 0xffRRGGBB words, and Qt's writer stores it as 24-bit RGB.
  const QImage image(reinterpret_cast<const uchar*>(picture.Row(0)), picture.Width(),
                     picture.Height(), qsizetype{picture.Width()} * kBytesPerPixel,
                     QImage::Format_RGB32);
  const std::optional<QByteArray> encoded = PngBytes(image);
  if (!encoded) return {};
  return std::string(encoded->constData(), static_cast<size_t>(encoded->size()));
}

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
  // PPM and BMP are written row by row as they are encoded: a big picture is never held twice.
  if (format == PictureFormat::kPpm) return WriteOutputFile(path, PpmSource(picture));
  if (format == PictureFormat::kBmp) return WriteOutputFile(path, BmpSource(picture));
  const std::string bytes = EncodePng(picture);
  if (bytes.empty()) return "cannot encode the picture as PNG for " + path;
  return WriteOutputFile(path, bytes);
}

bool IsVectorFormat(PictureFormat format) {
  return format == PictureFormat::kSvg || format == PictureFormat::kPdf;
}

std::optional<std::string> WriteVectorPicture(const QImage& raster, const OverlayPainter& overlay,
                                              const std::string& path, PictureFormat format) {
  const bool svg = format == PictureFormat::kSvg;
  const std::optional<QByteArray> bytes =
      EncodeVectorFigure(raster, overlay, svg ? VectorFormat::kSvg : VectorFormat::kPdf);
  if (!bytes)
    return "cannot encode the picture as " + std::string(svg ? "SVG" : "PDF") + " for " + path;
  return WriteOutputFile(path,
                         std::string_view(bytes->constData(), static_cast<size_t>(bytes->size())));
}
