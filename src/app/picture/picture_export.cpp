#include "app/picture/picture_export.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QPointer>
#include <string_view>

#include "app/picture/file_error_text.h"
#include "app/picture/picture_box.h"
#include "fileio/whole_file.h"

namespace {

// "png" or "bmp" for a name ending in that extension (any letter case); empty for any other.
QByteArray PictureFormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == u"png" || suffix == u"bmp") return suffix.toLatin1();
  return {};
}

// SVG or PDF for a name ending in .svg or .pdf (any letter case).
std::optional<VectorFormat> FigureFormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == u"svg") return VectorFormat::kSvg;
  if (suffix == u"pdf") return VectorFormat::kPdf;
  return std::nullopt;
}

// Writes the bytes of a file encoded in memory; the reason in Russian if it failed.
std::optional<QString> WriteEncoded(const QByteArray& bytes, const QString& path) {
  const std::optional<WriteFailure> failure =
      WriteWholeFile(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                     FifoOpening::kFailWithoutReader);
  if (failure) return FileWriteReason(*failure, path);
  return std::nullopt;
}

QString EncodingFailure(const QString& format) {
  return QCoreApplication::translate("PictureExport", "рисунок не удалось записать в формате %1")
      .arg(format);
}

}  // namespace

QImage ExportedPicture(const PictureBox& picture, QWidget* label) {
  QImage image = picture.ImageWithArrowShown();
  if (label != nullptr && !label->isHidden()) {
    QPainter painter(&image);
    label->render(&painter, label->pos(), QRegion(), QWidget::DrawChildren);
  }
  return image;
}

PictureLayers ExportedLayers(const PictureBox& picture, QWidget* label) {
  const QPointer<QWidget> shownLabel = label != nullptr && !label->isHidden() ? label : nullptr;
  return {picture.ImageWithArrowShownAlone(),
          [overlay = picture.CurrentOverlay(), shownLabel](QPainter& painter) {
            if (overlay) overlay(painter);
            if (shownLabel) {
              shownLabel->render(&painter, shownLabel->pos(), QRegion(), QWidget::DrawChildren);
            }
          }};
}

std::optional<QString> PictureFileName(const QString& path, const QString& filterSuffix) {
  if (QFileInfo(path).suffix().isEmpty()) {
    return path.endsWith(u'.') ? path + filterSuffix : path + u'.' + filterSuffix;
  }
  if (PictureFormatOf(path).isEmpty() && !FigureFormatOf(path)) return std::nullopt;
  return path;
}

bool IsFigureFileName(const QString& path) { return FigureFormatOf(path).has_value(); }

QString UnsupportedExtensionReason() {
  return QCoreApplication::translate(
      "PictureExport",
      "рисунок сохраняется только в файл PNG (.png), BMP (.bmp), SVG (.svg) или PDF (.pdf)");
}

std::optional<QString> WritePictureFile(const QImage& image, const QString& path) {
  const QByteArray format = PictureFormatOf(path);
  if (format.isEmpty()) return UnsupportedExtensionReason();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (!writer.write(image)) return EncodingFailure(QString::fromLatin1(format.toUpper()));
  return WriteEncoded(bytes, path);
}

std::optional<QString> WriteFigureFile(const PictureLayers& layers, const QString& path) {
  const std::optional<VectorFormat> format = FigureFormatOf(path);
  if (!format) return UnsupportedExtensionReason();
  const std::optional<QByteArray> bytes =
      EncodeVectorFigure(layers.raster, layers.overlay, *format);
  if (!bytes) {
    return EncodingFailure(*format == VectorFormat::kSvg ? QStringLiteral("SVG")
                                                         : QStringLiteral("PDF"));
  }
  return WriteEncoded(*bytes, path);
}

QString SaveFailureMessage(const QString& path, const QString& reason) {
  return QCoreApplication::translate("PictureExport",
                                     "Не удалось сохранить рисунок в файл «%1»: %2.")
      .arg(QDir::toNativeSeparators(path), reason);
}
