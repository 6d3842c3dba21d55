#pragma once
// What GDAL would read as zeros without a word: an ASCII grid with a word among its numbers, an
// ENVI header whose offset or size runs past the end of its data file. Checked after the dataset
// opens and before its cells are read.

#include <cstdint>
#include <optional>
#include <string>

// The first token of an ASCII grid's cells that is not a number: its line (from 1) and its text.
// Only the grid's `cells` tokens are looked at: what follows them GDAL does not read either.
struct StrayToken {
  int64_t line = 0;
  std::string text;
};
std::optional<StrayToken> FirstStrayToken(const std::string& path, int64_t cells);

// The bytes an ENVI header asks of its data file (its header offset, then every band's cells) and
// the bytes the file has; nullopt when the file has enough or its size is not known.
struct ShortData {
  int64_t needed = 0;
  int64_t present = 0;
};
std::optional<ShortData> ShortEnviData(void* dataset);

// True when an ENVI header sits beside `path` (path.hdr, or the path with .hdr for its
// extension): the file is ENVI's data, whatever GDAL made of its header.
bool HasEnviHeader(const std::string& path);
