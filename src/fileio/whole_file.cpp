#include "fileio/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace {

WriteFailure Failure(int error, const QString& qtReason = QString()) {
  return WriteFailure{error, qtReason};
}

// The target's kind, links followed; false when it does not exist (or cannot be looked at).
bool StatTarget(const QByteArray& path, struct stat& info) {
  return ::stat(path.constData(), &info) == 0;
}

bool IsStream(const struct stat& info) { return !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode); }

std::optional<WriteFailure> WriteStream(const QByteArray& path, const ByteSource& source,
                                        bool isFifo, FifoOpening fifo) {
  const bool failWithoutReader = isFifo && fifo == FifoOpening::kFailWithoutReader;
  int flags = O_WRONLY | O_CLOEXEC | O_NOCTTY;
  if (failWithoutReader) flags |= O_NONBLOCK;  // ENXIO at once when nobody reads
  int fd = -1;
  do {
    fd = ::open(path.constData(), flags);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return Failure(errno);
  if (failWithoutReader) {
    const int current = ::fcntl(fd, F_GETFL);
    if (current < 0 || ::fcntl(fd, F_SETFL, current & ~O_NONBLOCK) < 0) {
      const int error = errno;
      ::close(fd);
      return Failure(error);
    }
  }
  std::optional<WriteFailure> failure = WriteAllTo(fd, source);
  // close() may report a late failure of a device; EINTR leaves the descriptor closed on Linux.
  if (::close(fd) != 0 && errno != EINTR && !failure) failure = Failure(errno);
  return failure;
}

// Writes one piece to `file`, every count checked.
std::optional<WriteFailure> WritePiece(QSaveFile& file, std::string_view bytes) {
  const char* next = bytes.data();
  qint64 left = static_cast<qint64>(bytes.size());
  while (left > 0) {
    errno = 0;
    const qint64 written = file.write(next, left);
    if (written <= 0) {
      // A short write was followed by this one, so errno holds the system's reason (ENOSPC,
      // EDQUOT, EFBIG, EIO).
      const int error = errno != 0 ? errno : EIO;
      return Failure(error, file.errorString());
    }
    next += written;
    left -= written;
  }
  return std::nullopt;
}

std::optional<WriteFailure> WriteRegular(const QString& path, const ByteSource& source) {
  QSaveFile file(path);
  // Unbuffered: each write goes to the system at once, so a short or failed write is seen here
  // and not in a final flush whose failure QSaveFile::commit() does not notice.
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return Failure(errno, file.errorString());
  }
  for (std::string_view piece = source(); !piece.empty(); piece = source()) {
    if (std::optional<WriteFailure> failure = WritePiece(file, piece)) {
      file.cancelWriting();  // the destructor removes the temporary file
      return failure;
    }
  }
  // The final flush to the disk: commit() syncs too but ignores a failure, and a file system
  // that delays its errors (NFS, delayed allocation) reports them here. EINVAL and EROFS mean
  // the file cannot be synced, not that its data is lost.
  if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
    const int error = errno;
    file.cancelWriting();
    return Failure(error);
  }
  errno = 0;
  if (!file.commit()) return Failure(errno, file.errorString());
  return std::nullopt;
}

}  // namespace

ByteSource OnePiece(std::string_view bytes) {
  return [bytes, given = false]() mutable {
    if (given) return std::string_view();
    given = true;
    return bytes;
  };
}

std::optional<WriteFailure> WriteWholeFile(const QString& path, std::string_view bytes,
                                           FifoOpening fifo) {
  return WriteWholeFile(path, OnePiece(bytes), fifo);
}

std::optional<WriteFailure> WriteWholeFile(const QString& path, const ByteSource& source,
                                           FifoOpening fifo) {
  const QByteArray encoded = QFile::encodeName(path);
  if (encoded.isEmpty()) return Failure(ENOENT);
  struct stat info {};
  if (StatTarget(encoded, info)) {
    if (S_ISDIR(info.st_mode)) return Failure(EISDIR);
    if (IsStream(info)) return WriteStream(encoded, source, S_ISFIFO(info.st_mode), fifo);
  }
  return WriteRegular(path, source);
}

std::optional<WriteFailure> WriteAllTo(int fd, const ByteSource& source) {
  for (std::string_view piece = source(); !piece.empty(); piece = source()) {
    if (std::optional<WriteFailure> failure = WriteAllTo(fd, piece)) return failure;
  }
  return std::nullopt;
}

std::optional<WriteFailure> WriteAllTo(int fd, std::string_view bytes) {
  const char* next = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, next, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return Failure(errno);
    }
    if (written == 0) return Failure(EIO);  // no progress and no reason: never loop forever
    next += written;
    left -= static_cast<size_t>(written);
  }
  return std::nullopt;
}

std::optional<WriteFailure> CheckWritable(const QString& path) {
  const QByteArray encoded = QFile::encodeName(path);
  if (encoded.isEmpty()) return Failure(ENOENT);
  struct stat info {};
  const bool exists = StatTarget(encoded, info);
  if (exists && S_ISDIR(info.st_mode)) return Failure(EISDIR);
  if (exists && ::access(encoded.constData(), W_OK) != 0) return Failure(errno);
  if (exists && IsStream(info)) return std::nullopt;
  // QSaveFile follows a link and makes the new file beside its target.
  const QFileInfo file(path);
  const QByteArray folder = QFile::encodeName(
      QFileInfo(file.isSymLink() ? file.symLinkTarget() : file.absoluteFilePath()).absolutePath());
  if (!StatTarget(folder, info)) return Failure(errno);
  if (!S_ISDIR(info.st_mode)) return Failure(ENOTDIR);
  if (::access(folder.constData(), W_OK | X_OK) != 0) return Failure(errno);
  return std::nullopt;
}

bool IsStreamTarget(const QString& path) {
  struct stat info {};
  return StatTarget(QFile::encodeName(path), info) && IsStream(info);
}

QString SystemReason(const WriteFailure& failure) {
  if (failure.error != 0) return QString::fromLocal8Bit(std::strerror(failure.error));
  if (!failure.qtReason.isEmpty()) return failure.qtReason;
  return QStringLiteral("the file system refused the write");
}
