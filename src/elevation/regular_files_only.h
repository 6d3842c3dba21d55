#pragma once
// GDAL's reading of a dataset kept to regular files. A label (PDS, ISIS3, ENVI's header) names
// other files that GDAL opens by itself; one of them a FIFO without a writer would hold the
// reading for ever. Paths given with RegularFilesOnlyPath go through a file system of GDAL's
// that opens every file without waiting and refuses anything but a regular file, as if it did not
// open; the name of the refused file is kept for the message.

#include <string>

// A descriptor of `path` opened without waiting and back in blocking mode for its reads; -1 when
// it does not open, or is not a regular file (then *notRegular is set).
int OpenRegularFile(const std::string& path, bool* notRegular = nullptr);

// `path` (made absolute) under that file system; the file system is installed on first use.
std::string RegularFilesOnlyPath(const std::string& path);

// Back to the path as the user gave it: `words` (GDAL's text) with each name under the file
// system written as `path` names its folder.
std::string WithoutRegularFilesPrefix(const std::string& words, const std::string& path);

// The file this thread last refused (its path as GDAL formed it, prefix removed), and forgetting
// it; empty when none was.
std::string TakeRefusedFile();
