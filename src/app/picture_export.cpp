#include "app/picture_export.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include "app/picture_box.h"

namespace {

QString FileErrorReason(const QSaveFile& file, const QString& path) {
  const QFileInfo info(path);
  switch (file.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
      if (!info.absoluteDir().exists()) {
        return QStringLiteral("папки «%1» нет").arg(QDir::toNativeSeparators(info.absolutePath()));
      }
      if (info.isDir()) return QStringLiteral("это папка, а не файл");
      return QStringLiteral("нет прав на запись в эту папку или в этот файл");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
      return QStringLiteral("запись прервалась: возможно, на диске нет места");
    default:
      break;
  }
  return QStringLiteral("файловая система отказала в записи");
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

std::optional<QString> WritePictureFile(const QImage& image, const QString& path) {
  const bool bmp =
      QFileInfo(path).suffix().compare(QStringLiteral("bmp"), Qt::CaseInsensitive) == 0;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return FileErrorReason(file, path);
  QImageWriter writer(&file, bmp ? QByteArrayLiteral("bmp") : QByteArrayLiteral("png"));
  if (!writer.write(image)) {
    const QString reason = file.error() != QFileDevice::NoError
                               ? FileErrorReason(file, path)
                               : QStringLiteral("рисунок не удалось записать в формате %1")
                                     .arg(bmp ? QStringLiteral("BMP") : QStringLiteral("PNG"));
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return FileErrorReason(file, path);
  return std::nullopt;
}

QString SaveFailureMessage(const QString& path, const QString& reason) {
  return QStringLiteral("Не удалось сохранить рисунок в файл «%1»: %2.")
      .arg(QDir::toNativeSeparators(path), reason);
}
