#include "app/picture/file_error_text.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

QString FileWriteReason(const WriteFailure& failure, const QString& path) {
  switch (failure.error) {
    case ENOSPC:
      return QStringLiteral("на диске нет места");
    case EDQUOT:
      return QStringLiteral("превышена дисковая квота");
    case EFBIG:
      return QStringLiteral("файл превысил допустимый размер");
    case EIO:
      return QStringLiteral("ошибка ввода-вывода");
    case EROFS:
      return QStringLiteral("диск доступен только для чтения");
    case EACCES:
    case EPERM:
      return QStringLiteral("нет прав на запись в эту папку или в этот файл");
    case EISDIR:
      return QStringLiteral("это папка, а не файл");
    case ENXIO:
      return QStringLiteral("канал никто не читает, или устройство недоступно");
    case EPIPE:
      return QStringLiteral("читающая сторона канала закрылась, не дочитав рисунок");
    case ENOENT:
    case ENOTDIR: {
      const QFileInfo info(path);
      if (!info.absoluteDir().exists()) {
        return QStringLiteral("папки «%1» нет").arg(QDir::toNativeSeparators(info.absolutePath()));
      }
      break;
    }
    default:
      break;
  }
  if (failure.error != 0 || !failure.qtReason.isEmpty()) return SystemReason(failure);
  return QStringLiteral("файловая система отказала в записи");
}
