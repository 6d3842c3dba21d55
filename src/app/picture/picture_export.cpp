#include "app/picture/picture_export.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
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

}  // namespace

QImage ExportedPicture(const PictureBox& picture, QWidget* label) {
  QImage image = picture.ImageWithArrowShown();
  if (label != nullptr && !label->isHidden()) {
    QPainter painter(&image);
    label->render(&painter, label->pos(), QRegion(), QWidget::DrawChildren);
  }
  return image;
}

std::optional<QString> PictureFileName(const QString& path, const QString& filterSuffix) {
  if (QFileInfo(path).suffix().isEmpty()) {
    return path.endsWith(u'.') ? path + filterSuffix : path + u'.' + filterSuffix;
  }
  if (PictureFormatOf(path).isEmpty()) return std::nullopt;
  return path;
}

QString UnsupportedExtensionReason() {
  return QStringLiteral("рисунок сохраняется только в файл PNG (.png) или BMP (.bmp)");
}

std::optional<QString> WritePictureFile(const QImage& image, const QString& path) {
  const QByteArray format = PictureFormatOf(path);
  if (format.isEmpty()) return UnsupportedExtensionReason();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (!writer.write(image)) {
    return QStringLiteral("рисунок не удалось записать в формате %1")
        .arg(QString::fromLatin1(format.toUpper()));
  }
  const std::optional<WriteFailure> failure =
      WriteWholeFile(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                     FifoOpening::kFailWithoutReader);
  if (failure) return FileWriteReason(*failure, path);
  return std::nullopt;
}

QString SaveFailureMessage(const QString& path, const QString& reason) {
  return QStringLiteral("Не удалось сохранить рисунок в файл «%1»: %2.")
      .arg(QDir::toNativeSeparators(path), reason);
}
