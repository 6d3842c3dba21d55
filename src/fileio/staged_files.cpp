#include "fileio/staged_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <cstdio>

namespace {

constexpr mode_t kNewFileMode = 0666;  // as a new file is made: less the umask
constexpr mode_t kPermissionBits = 07777;

// A fresh empty file beside `target` under a short name of its own (a long target name plus a
// suffix could pass the system's limit), with the target's permissions when it exists.
std::optional<QString> MakeStagingFile(const QString& target, int& error) {
  static std::atomic<int> counter = 0;  // sets may be staged on several threads at once
  const QString folder = QFileInfo(target).absolutePath();
  struct stat info {};
  const bool exists = ::stat(QFile::encodeName(target).constData(), &info) == 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const QString name = QDir(folder).filePath(
        QStringLiteral(".staged-%1-%2.part").arg(::getpid()).arg(counter.fetch_add(1)));
    const QByteArray encoded = QFile::encodeName(name);
    const int fd =
        ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) {
      error = errno;
      return std::nullopt;
    }
    if (exists) ::fchmod(fd, info.st_mode & kPermissionBits);
    ::close(fd);
    return name;
  }
  error = EEXIST;
  return std::nullopt;
}

}  // namespace

StagedFiles::~StagedFiles() {
  for (const Staged& file : staged_) QFile::remove(file.staging);
}

std::optional<WriteFailure> StagedFiles::Stage(const QString& path, std::string_view bytes,
                                               FifoOpening fifo) {
  if (IsStreamTarget(path)) return WriteWholeFile(path, bytes, fifo);
  const QFileInfo info(path);
  QString target = path;
  if (info.isSymLink() && info.exists()) target = info.canonicalFilePath();
  if (info.isDir()) return WriteFailure{EISDIR, {}};
  int error = 0;
  const std::optional<QString> staging = MakeStagingFile(target, error);
  if (!staging) return WriteFailure{error, {}};
  staged_.push_back({*staging, target});
  return WriteWholeFile(*staging, bytes);
}

std::optional<std::pair<QString, WriteFailure>> StagedFiles::Commit() {
  while (!staged_.empty()) {
    const Staged& file = staged_.front();
    if (std::rename(QFile::encodeName(file.staging).constData(),
                    QFile::encodeName(file.target).constData()) != 0) {
      return std::pair{file.target, WriteFailure{errno, {}}};
    }
    staged_.erase(staged_.begin());
  }
  return std::nullopt;
}
