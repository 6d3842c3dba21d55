#pragma once
// Writing bytes that are already in memory to a file, whole or not at all, as the window's
// «Сохранить рисунок…» and the renderer's -o need it.
//
// - A regular file, or a name that does not exist yet, is written through QSaveFile opened
//   unbuffered: every write's count is checked (a short write is retried, so the system's error
//   shows), the data is synced to disk and only then renamed into place. On any failure (full
//   disk, quota, file-size limit, I/O error) the target keeps its old bytes and no temporary file
//   is left. A symbolic link is followed: its target gets the bytes and the link stays.
// - An existing file that is neither a regular file nor a folder (a FIFO, a character device, or
//   a symbolic link to one) is opened and written as a stream; it is never replaced. A failed
//   stream write cannot be undone: what was written stays written.
// - A folder is refused (EISDIR).
//
// SIGXFSZ and SIGPIPE must be ignored by the program for a file-size limit to arrive as EFBIG, and
// a reader that has gone as EPIPE, instead of killing it; both programs ignore them in main.

#include <QString>
#include <functional>
#include <optional>
#include <string_view>

struct WriteFailure {
  int error = 0;     // the errno value; 0 when the system gave none (see qtReason)
  QString qtReason;  // Qt's description, for when error is 0
};

// How a FIFO without a reader is opened: the renderer waits for one as a shell redirection does;
// the window must not hang, so it fails at once (ENXIO).
enum class FifoOpening { kWaitForReader, kFailWithoutReader };

std::optional<WriteFailure> WriteWholeFile(const QString& path, std::string_view bytes,
                                           FifoOpening fifo = FifoOpening::kWaitForReader);

// A file's bytes handed over piece by piece, as they are encoded: each call returns the next
// piece (valid until the following call), an empty one once every byte has been given.
using ByteSource = std::function<std::string_view()>;

// `bytes` as a source of one piece (the bytes must outlive it).
ByteSource OnePiece(std::string_view bytes);

// As above, the bytes taken from `source` and each piece written (and checked) before the next
// is asked for; a regular file is still committed only after the last piece was written. The
// call that gives the empty piece comes after every write and before the sync and the commit (or
// a stream's close), so a test's source can make those fail.
std::optional<WriteFailure> WriteWholeFile(const QString& path, const ByteSource& source,
                                           FifoOpening fifo = FifoOpening::kWaitForReader);

// Writes all of `bytes` (or of every piece of `source`) to the open descriptor `fd` (standard
// output for "-o -"), retrying after a signal and after a short write.
std::optional<WriteFailure> WriteAllTo(int fd, std::string_view bytes);
std::optional<WriteFailure> WriteAllTo(int fd, const ByteSource& source);

// Whether WriteWholeFile could write `path`, without writing, opening or making anything: a
// folder is refused (EISDIR); an existing file must be writable, and a file that is not a stream
// needs its folder (a link's target's) to exist and be writable, as its replacement is made there.
std::optional<WriteFailure> CheckWritable(const QString& path);

// True when `path` names an existing file that is written as a stream: not a regular file and
// not a folder, symbolic links followed.
bool IsStreamTarget(const QString& path);

// The system's own words for the failure: strerror's text for an errno value (in the language of
// the C library's locale), else Qt's reason, else a generic English text.
QString SystemReason(const WriteFailure& failure);
