#include "elevation/data_completeness.h"

#include <cpl_vsi.h>
#include <gdal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "elevation/regular_files_only.h"

namespace {

constexpr size_t kChunkBytes = 64 << 10;
constexpr size_t kKeptTokenLength = 64;  // enough to quote; a longer token is no number anyway

bool IsHeaderKeyword(std::string word) {
  std::transform(word.begin(), word.end(), word.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  static constexpr std::array<std::string_view, 10> kKeywords{
      "ncols",     "nrows",    "xllcorner", "yllcorner", "xllcenter",
      "yllcenter", "cellsize", "dx",        "dy",        "nodata_value"};
  return std::find(kKeywords.begin(), kKeywords.end(), word) != kKeywords.end();
}

bool IsNumber(std::string_view token) {
  if (token.size() > 1 && token.front() == '+') token.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  return error == std::errc() && end == token.data() + token.size();
}

// Reads the grid token by token: the header's lines (a keyword and its value) first, then every
// token must be a number.
class TokenScan {
 public:
  std::optional<StrayToken> Take(char c) {
    if (c == '\n' || c == ' ' || c == '\t' || c == '\r' || c == ',') {
      std::optional<StrayToken> stray = EndToken();
      if (c == '\n') {
        ++line_;
        tokenOfLine_ = 0;
      }
      return stray;
    }
    if (token_.size() < kKeptTokenLength) token_ += c;
    ++tokenLength_;
    return std::nullopt;
  }
  std::optional<StrayToken> EndToken() {
    if (tokenLength_ == 0) return std::nullopt;
    const bool first = tokenOfLine_++ == 0;
    if (inHeader_ && first && IsHeaderKeyword(token_)) headerLine_ = line_;
    if (line_ != headerLine_) inHeader_ = false;
    std::optional<StrayToken> stray;
    if (!inHeader_) {
      ++cells_;
      if (tokenLength_ > kKeptTokenLength || !IsNumber(token_)) stray = StrayToken{line_, token_};
    }
    token_.clear();
    tokenLength_ = 0;
    return stray;
  }
  int64_t Cells() const { return cells_; }

 private:
  int64_t cells_ = 0;
  int64_t line_ = 1;
  int64_t headerLine_ = 0;
  int tokenOfLine_ = 0;
  bool inHeader_ = true;
  std::string token_;
  size_t tokenLength_ = 0;
};

}  // namespace

std::optional<StrayToken> FirstStrayToken(const std::string& path, int64_t cells) {
  // The name was checked to be a regular file; opened again without waiting, and checked again.
  const int fd = OpenRegularFile(path);
  if (fd < 0) return std::nullopt;
  TokenScan scan;
  std::string chunk(kChunkBytes, '\0');
  std::optional<StrayToken> stray;
  for (ssize_t count = 0;
       !stray && scan.Cells() < cells && (count = ::read(fd, chunk.data(), chunk.size())) > 0;) {
    for (ssize_t k = 0; k < count && !stray && scan.Cells() < cells; ++k) {
      stray = scan.Take(chunk[static_cast<size_t>(k)]);
    }
  }
  ::close(fd);
  if (stray || scan.Cells() >= cells) return stray;
  return scan.EndToken();
}

std::optional<ShortData> ShortEnviData(void* dataset) {
  const char* offsetText = GDALGetMetadataItem(dataset, "header_offset", "ENVI");
  const int64_t offset = offsetText == nullptr ? 0 : std::strtoll(offsetText, nullptr, 10);
  int64_t needed = offset;
  for (int band = 1; band <= GDALGetRasterCount(dataset); ++band) {
    const GDALRasterBandH handle = GDALGetRasterBand(dataset, band);
    needed += static_cast<int64_t>(GDALGetRasterXSize(dataset)) * GDALGetRasterYSize(dataset) *
              GDALGetDataTypeSizeBytes(GDALGetRasterDataType(handle));
  }
  VSIStatBufL info{};
  if (VSIStatL(GDALGetDescription(dataset), &info) != 0) return std::nullopt;
  const auto present = static_cast<int64_t>(info.st_size);
  if (present >= needed) return std::nullopt;
  return ShortData{needed, present};
}

bool HasEnviHeader(const std::string& path) {
  const std::filesystem::path file(path);
  for (const std::filesystem::path& header :
       {std::filesystem::path(path + ".hdr"),
        std::filesystem::path(file).replace_extension(".hdr")}) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(header, error)) continue;
    std::ifstream stream(header, std::ios::binary);
    std::string start(4, '\0');
    if (stream.read(start.data(), 4) && start == "ENVI") return true;
  }
  return false;
}
