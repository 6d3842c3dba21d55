#include "photoset/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace {

constexpr qint64 kChunkBytes = 64 << 10;

// A descriptor of `path` opened without waiting, or the problem; regular files only, and then
// back in blocking mode so that reads wait for the disk as usual.
std::variant<int, FileProblem> OpenWithoutWaiting(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) return FileProblem{FileRefusal::kMissing, {}};
    return FileProblem{FileRefusal::kUnreadable, QString::fromLocal8Bit(std::strerror(error))};
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return FileProblem{FileRefusal::kNotRegular, {}};
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

}  // namespace

std::optional<FileProblem> CheckRegularFile(const QString& path) {
  std::variant<int, FileProblem> opened = OpenWithoutWaiting(path);
  if (auto* problem = std::get_if<FileProblem>(&opened)) return std::move(*problem);
  ::close(std::get<int>(opened));
  return std::nullopt;
}

std::variant<QByteArray, FileProblem> ReadRegularFile(const QString& path, int64_t cap) {
  std::variant<int, FileProblem> opened = OpenWithoutWaiting(path);
  if (auto* problem = std::get_if<FileProblem>(&opened)) return std::move(*problem);
  QFile file;
  if (!file.open(std::get<int>(opened), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(std::get<int>(opened));
    return FileProblem{FileRefusal::kUnreadable, file.errorString()};
  }
  // Whole chunks (a /proc file may refuse a read of odd length) until the cap is passed: at most
  // one chunk more than the cap, whatever size the file reports.
  QByteArray bytes;
  while (bytes.size() <= cap) {
    const QByteArray chunk = file.read(kChunkBytes);
    if (file.error() != QFileDevice::NoError) {
      return FileProblem{FileRefusal::kReadFailed, file.errorString()};
    }
    if (chunk.isEmpty()) break;
    bytes += chunk;
  }
  if (bytes.size() > cap) return FileProblem{FileRefusal::kTooLarge, {}};
  return bytes;
}
