#include "animation/gif_file.h"

#include <gif_lib.h>

#include <algorithm>
#include <memory>
#include <optional>

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

constexpr int kPaletteSize = 256;

struct PixelColours {
  std::vector<GifByteType>& red;
  std::vector<GifByteType>& green;
  std::vector<GifByteType>& blue;
  std::vector<GifByteType>& indices;
  bool Is(size_t at, Rgb colour) const {
    return red[at] == colour.r && green[at] == colour.g && blue[at] == colour.b;
  }
};

// giflib's median cut into at most `count` entries; the entries made, or -1.
int Quantise(int width, int height, int count, PixelColours& pixels, ColorMapObject& palette) {
  int colours = count;
  if (GifQuantizeBuffer(static_cast<unsigned>(width), static_cast<unsigned>(height), &colours,
                        pixels.red.data(), pixels.green.data(), pixels.blue.data(),
                        pixels.indices.data(), palette.Colors) != GIF_OK) {
    return -1;
  }
  return colours;
}

constexpr Rgb kPureColours[] = {{255, 255, 255}, {0, 0, 0}};

bool EntryIs(const GifColorType& entry, Rgb colour) {
  return entry.Red == colour.r && entry.Green == colour.g && entry.Blue == colour.b;
}

// The first pixel of exactly `colour`, if any.
std::optional<size_t> FirstPixelOf(const PixelColours& pixels, Rgb colour) {
  for (size_t at = 0; at < pixels.indices.size(); ++at) {
    if (pixels.Is(at, colour)) return at;
  }
  return std::nullopt;
}

// Whether every pixel of palette entry `index` is exactly `colour`.
bool EntryHoldsOnly(const PixelColours& pixels, GifByteType index, Rgb colour) {
  for (size_t at = 0; at < pixels.indices.size(); ++at) {
    if (pixels.indices[at] == index && !pixels.Is(at, colour)) return false;
  }
  return true;
}

// The pure colours the frames hold whose entry is another colour shared with other colours: each
// needs an entry of its own.
std::vector<Rgb> PureColoursToKeep(const PixelColours& pixels, const ColorMapObject& palette) {
  std::vector<Rgb> needed;
  for (const Rgb colour : kPureColours) {
    const std::optional<size_t> at = FirstPixelOf(pixels, colour);
    if (!at) continue;
    const GifByteType index = pixels.indices[*at];
    if (EntryIs(palette.Colors[index], colour) || EntryHoldsOnly(pixels, index, colour)) continue;
    needed.push_back(colour);
  }
  return needed;
}

// Pure white and pure black painted exactly: an entry that holds only the colour is set to it,
// otherwise the colour's pixels move to a new entry after the `colours` made.
void KeepPureColours(PixelColours& pixels, ColorMapObject& palette, int colours) {
  for (const Rgb colour : kPureColours) {
    const std::optional<size_t> first = FirstPixelOf(pixels, colour);
    if (!first) continue;
    const GifByteType index = pixels.indices[*first];
    GifColorType& entry = palette.Colors[index];
    if (EntryIs(entry, colour)) continue;
    const GifColorType pure{static_cast<GifByteType>(colour.r), static_cast<GifByteType>(colour.g),
                            static_cast<GifByteType>(colour.b)};
    if (EntryHoldsOnly(pixels, index, colour) || colours >= kPaletteSize) {
      entry = pure;
      continue;
    }
    palette.Colors[colours] = pure;
    for (size_t at = *first; at < pixels.indices.size(); ++at) {
      if (pixels.Is(at, colour)) pixels.indices[at] = static_cast<GifByteType>(colours);
    }
    ++colours;
  }
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
  std::unique_ptr<ColorMapObject, MapFree> palette(GifMakeMapObject(kPaletteSize, nullptr));
  if (!palette) return std::nullopt;
  PixelColours stacked{red, green, blue, indices};
  int colours =
      Quantise(width, height * static_cast<int>(frames.size()), kPaletteSize, stacked, *palette);
  if (colours < 0) return std::nullopt;
  // Median cut keeps 5 bits a channel: white comes out as 248. Pure white and pure black get
  // entries of their own, the palette made again with room for them if it is full.
  const std::vector<Rgb> pure = PureColoursToKeep(stacked, *palette);
  if (!pure.empty() && colours + static_cast<int>(pure.size()) > kPaletteSize) {
    std::fill(palette->Colors, palette->Colors + kPaletteSize, GifColorType{});
    colours = Quantise(width, height * static_cast<int>(frames.size()),
                       kPaletteSize - static_cast<int>(pure.size()), stacked, *palette);
    if (colours < 0) return std::nullopt;
  }
  KeepPureColours(stacked, *palette, colours);
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
