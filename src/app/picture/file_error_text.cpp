#include "app/picture/file_error_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>

QString FileWriteReason(const WriteFailure& failure, const QString& path) {
  switch (failure.error) {
    case ENOSPC:
      return QCoreApplication::translate("FileErrors", "на диске нет места");
    case EDQUOT:
      return QCoreApplication::translate("FileErrors", "превышена дисковая квота");
    case EFBIG:
      return QCoreApplication::translate("FileErrors", "файл превысил допустимый размер");
    case EIO:
      return QCoreApplication::translate("FileErrors", "ошибка ввода-вывода");
    case EROFS:
      return QCoreApplication::translate("FileErrors", "диск доступен только для чтения");
    case EACCES:
    case EPERM:
      return QCoreApplication::translate("FileErrors",
                                         "нет прав на запись в эту папку или в этот файл");
    case EISDIR:
      return QCoreApplication::translate("FileErrors", "это папка, а не файл");
    case ENXIO:
      return QCoreApplication::translate("FileErrors",
                                         "канал никто не читает, или устройство недоступно");
    case EPIPE:
      return QCoreApplication::translate("FileErrors",
                                         "читающая сторона канала закрылась, не дочитав рисунок");
    case ENOENT:
    case ENOTDIR: {
      const QFileInfo info(path);
      if (!info.absoluteDir().exists()) {
        return QCoreApplication::translate("FileErrors", "папки «%1» нет")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
      }
      break;
    }
    default:
      break;
  }
  if (failure.error != 0 || !failure.qtReason.isEmpty()) return SystemReason(failure);
  return QCoreApplication::translate("FileErrors", "файловая система отказала в записи");
}
