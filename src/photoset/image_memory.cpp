#include "photoset/image_memory.h"

#include <QImageReader>
#include <mutex>

#include "photoset/photo_set.h"

namespace {

constexpr int64_t kBytesASample = 8;  // QImage::Format_RGBX64

std::once_flag raised;

}  // namespace

void AllowImagesUpToTheSampleCap() {
  std::call_once(raised, [] {
    QImageReader::setAllocationLimit(static_cast<int>((kMaxPhotoSetSamples * kBytesASample) >> 20));
  });
}
