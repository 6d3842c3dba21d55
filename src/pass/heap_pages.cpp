#include "pass/heap_pages.h"

#include <malloc.h>

void KeepFreedHeapPages() {
  constexpr int kMegabyte = 1 << 20;
  // Fixed thresholds also stop glibc from moving them with each freed block.
  mallopt(M_MMAP_THRESHOLD, 32 * kMegabyte);
  mallopt(M_TRIM_THRESHOLD, 64 * kMegabyte);
}
