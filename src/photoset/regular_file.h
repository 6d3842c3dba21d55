#pragma once
// Files a user names, opened so that a FIFO or a device never blocks the program: the name is
// opened without waiting, and anything but a regular file is refused before a byte is read. The
// bytes are read with a cap counted on what actually came, since /proc files report a size of 0.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

enum class FileRefusal {
  kMissing,     // no such file
  kNotRegular,  // a folder, a FIFO, a device
  kUnreadable,  // the system refuses to open it (the reason in words)
  kReadFailed,  // it opened, but a read failed (the reason in words)
  kTooLarge,    // more bytes than the cap
};

struct FileProblem {
  FileRefusal refusal = FileRefusal::kMissing;
  QString words;  // the system's reason, for kUnreadable and kReadFailed
};

// Nothing when `path` names a regular file that opens for reading; checked through a descriptor
// opened without waiting, so that a FIFO with no writer does not hold the caller.
std::optional<FileProblem> CheckRegularFile(const QString& path);

// The whole of regular file `path`, at most `cap` bytes; kTooLarge when more than that came (read
// in 64 KiB chunks, so at most one chunk past the cap is ever read).
std::variant<QByteArray, FileProblem> ReadRegularFile(const QString& path, int64_t cap);
