#pragma once
// Files written as one set, all of them or none: each is written whole (whole_file.h) under a
// name of its own beside its target, and only once every one was written are they renamed into
// place. A failure while writing (a full disk at the third frame) leaves every target with its
// old bytes and removes what was staged. Renaming in one folder does not fail for want of space;
// should it fail all the same, the targets renamed before it keep their new bytes.
//
// A target that is a stream (a FIFO, a device: whole_file.h) cannot be staged: it is written at
// once. A symbolic link is followed, as WriteWholeFile follows it.

#include <QString>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "fileio/whole_file.h"

class StagedFiles {
 public:
  StagedFiles() = default;
  ~StagedFiles();  // removes every staged file that was not renamed into place
  StagedFiles(const StagedFiles&) = delete;
  StagedFiles& operator=(const StagedFiles&) = delete;

  // Writes `bytes` for `path`; the failure is the caller's to word, naming `path`.
  std::optional<WriteFailure> Stage(const QString& path, std::string_view bytes,
                                    FifoOpening fifo = FifoOpening::kWaitForReader);

  // Renames every staged file into place, in the order staged; on a failure, the target it
  // stopped at and why.
  std::optional<std::pair<QString, WriteFailure>> Commit();

 private:
  struct Staged {
    QString staging;
    QString target;
  };
  std::vector<Staged> staged_;
};
