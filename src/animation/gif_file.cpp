#include "animation/gif_file.h"

#include <gif_lib.h>

#include <memory>

namespace {

int AppendBytes(GifFileType* gif, const GifByteType* bytes, int count) {
  static_cast<std::string*>(gif->UserData)
      ->append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(count));
  return count;
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    EGifCloseFile(gif, &error);
  }
};

struct MapFree {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// The Netscape extension that makes the animation loop for ever.
bool PutLoop(GifFileType* gif) {
  static const GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  static const GifByteType kForever[] = {1, 0, 0};
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kApplication, kApplication) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kForever, kForever) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutDelay(GifFileType* gif, int delay) {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.DelayTime = delay;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType block[4];
  const size_t length = EGifGCBToExtension(&control, block);
  return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), block) == GIF_OK;
}

}  // namespace

std::optional<std::string> EncodeGif(const std::vector<ImageBuffer>& frames, int delay) {
  if (frames.empty()) return std::nullopt;
  const int width = frames.front().Width();
  const int height = frames.front().Height();
  if (width <= 0 || height <= 0) return std::nullopt;
  for (const ImageBuffer& frame : frames) {
    if (frame.Width() != width || frame.Height() != height) return std::nullopt;
  }
  // All frames stacked, so that one palette serves them all.
  const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
  const size_t all = pixels * frames.size();
  std::vector<GifByteType> red(all), green(all), blue(all), indices(all);
  size_t at = 0;
  for (const ImageBuffer& frame : frames) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x, ++at) {
        const Rgb colour = frame.At(x, y);
        red[at] = static_cast<GifByteType>(colour.r);
        green[at] = static_cast<GifByteType>(colour.g);
        blue[at] = static_cast<GifByteType>(colour.b);
      }
    }
  }
  int colours = 256;
  std::unique_ptr<ColorMapObject, MapFree> palette(GifMakeMapObject(colours, nullptr));
  if (!palette ||
      GifQuantizeBuffer(static_cast<unsigned>(width), static_cast<unsigned>(height * frames.size()),
                        &colours, red.data(), green.data(), blue.data(), indices.data(),
                        palette->Colors) != GIF_OK) {
    return std::nullopt;
  }
  std::string bytes;
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, AppendBytes, &error));
  if (!gif) return std::nullopt;
  EGifSetGifVersion(gif.get(), true);
  if (EGifPutScreenDesc(gif.get(), width, height, 8, 0, palette.get()) != GIF_OK ||
      !PutLoop(gif.get())) {
    return std::nullopt;
  }
  for (size_t k = 0; k < frames.size(); ++k) {
    if (!PutDelay(gif.get(), delay) ||
        EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr) != GIF_OK) {
      return std::nullopt;
    }
    for (int y = 0; y < height; ++y) {
      GifByteType* line = indices.data() + k * pixels + static_cast<size_t>(y) * width;
      if (EGifPutLine(gif.get(), line, width) != GIF_OK) return std::nullopt;
    }
  }
  GifFileType* done = gif.release();
  if (EGifCloseFile(done, &error) != GIF_OK) return std::nullopt;
  return bytes;
}
