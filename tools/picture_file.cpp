#include "picture_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

constexpr int kMaxComponent = 255;

unsigned char ComponentByte(int32_t component) {
  return static_cast<unsigned char>(
      component < 0 ? 0 : (component > kMaxComponent ? kMaxComponent : component));
}

std::string ErrnoText() { return std::generic_category().message(errno); }

// Permissions of an ordinary new file: rw for everyone the umask allows.
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

std::string EncodePpm(const ImageBuffer& picture) {
  std::string bytes = "P6\n" + std::to_string(picture.Width()) + " " +
                      std::to_string(picture.Height()) + "\n" + std::to_string(kMaxComponent) +
                      "\n";
  size_t at = bytes.size();
  bytes.resize(at + picture.Pixels().size() * 3);
  for (const Rgb& pixel : picture.Pixels()) {
    bytes[at++] = static_cast<char>(ComponentByte(pixel.r));
    bytes[at++] = static_cast<char>(ComponentByte(pixel.g));
    bytes[at++] = static_cast<char>(ComponentByte(pixel.b));
  }
  return bytes;
}

std::string EncodePng(const ImageBuffer& picture) {
  QImage image(picture.Width(), picture.Height(), QImage::Format_RGB888);
  if (image.isNull()) return {};
  for (int y = 0; y < picture.Height(); ++y) {
    uchar* line = image.scanLine(y);
    for (int x = 0; x < picture.Width(); ++x) {
      const Rgb pixel = picture.At(x, y);
      uchar* out = line + ptrdiff_t{3} * x;
      out[0] = ComponentByte(pixel.r);
      out[1] = ComponentByte(pixel.g);
      out[2] = ComponentByte(pixel.b);
    }
  }
  QByteArray encoded;
  QBuffer buffer(&encoded);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
  return std::string(encoded.constData(), static_cast<size_t>(encoded.size()));
}

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::filesystem::path target(path);
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  // Hidden, beside the target, unique: ".<name>.XXXXXX".
  std::string hiddenName = ".";
  hiddenName.append(target.filename().string()).append(".XXXXXX");
  std::string temporary = (folder / hiddenName).string();
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return "cannot write " + path + ": " + ErrnoText();

  const auto fail = [&](const std::string& message) {
    close(fd);
    unlink(temporary.c_str());
    return std::optional<std::string>("cannot write " + path + ": " + message);
  };
  if (!WriteAll(fd, bytes)) return fail(ErrnoText());
  if (fchmod(fd, NewFileMode()) != 0) return fail(ErrnoText());
  if (close(fd) != 0) {
    const std::string message = ErrnoText();
    unlink(temporary.c_str());
    return "cannot write " + path + ": " + message;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string message = ErrnoText();
    unlink(temporary.c_str());
    return "cannot write " + path + ": " + message;
  }
  return std::nullopt;
}

std::optional<std::string> WritePicture(const ImageBuffer& picture, const std::string& path,
                                        PictureFormat format) {
  const std::string bytes = format == PictureFormat::kPng ? EncodePng(picture) : EncodePpm(picture);
  if (bytes.empty()) return "cannot encode the picture as PNG for " + path;
  return WriteFileAtomically(path, bytes);
}
