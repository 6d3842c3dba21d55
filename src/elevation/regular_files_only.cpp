#include "elevation/regular_files_only.h"

#include <cpl_vsi.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <utility>

namespace {

constexpr const char* kPrefix = "/vsiregular";
// GDAL's handler takes it with a final slash, and keeps both by pointer: they live as long as the
// program.
constexpr const char* kHandlerPrefix = "/vsiregular/";

std::once_flag installed;
thread_local std::string refused;

struct OpenFile {
  int fd = -1;
  bool atEnd = false;
};

// GDAL hands the callbacks the name without "/vsiregular/"; every name under it is absolute.
std::string RealPath(const char* name) {
  const size_t length = std::strlen(kPrefix);
  if (std::strncmp(name, kPrefix, length) == 0) return name + length;
  return std::string("/") + name;
}

void* Open(void* /*data*/, const char* name, const char* access) {
  if (std::strpbrk(access, "wa+") != nullptr) {
    errno = EACCES;
    return nullptr;
  }
  bool notRegular = false;
  const int fd = OpenRegularFile(RealPath(name), &notRegular);
  if (fd < 0) {
    if (notRegular) {
      refused = RealPath(name);
      errno = EACCES;
    }
    return nullptr;
  }
  return new OpenFile{fd};
}

vsi_l_offset Tell(void* file) {
  const off_t at = ::lseek(static_cast<OpenFile*>(file)->fd, 0, SEEK_CUR);
  return at < 0 ? 0 : static_cast<vsi_l_offset>(at);
}

int Seek(void* file, vsi_l_offset offset, int whence) {
  auto* open = static_cast<OpenFile*>(file);
  open->atEnd = false;
  return ::lseek(open->fd, static_cast<off_t>(offset), whence) < 0 ? -1 : 0;
}

size_t Read(void* file, void* buffer, size_t size, size_t count) {
  auto* open = static_cast<OpenFile*>(file);
  const size_t wanted = size * count;
  size_t got = 0;
  while (got < wanted) {
    const ssize_t read = ::read(open->fd, static_cast<char*>(buffer) + got, wanted - got);
    if (read < 0 && errno == EINTR) continue;
    if (read <= 0) break;
    got += static_cast<size_t>(read);
  }
  if (got < wanted) open->atEnd = true;
  return size == 0 ? 0 : got / size;
}

int AtEnd(void* file) { return static_cast<OpenFile*>(file)->atEnd ? 1 : 0; }

int Close(void* file) {
  auto* open = static_cast<OpenFile*>(file);
  const int result = ::close(open->fd);
  delete open;
  return result;
}

int Stat(void* /*data*/, const char* name, VSIStatBufL* info, int flags) {
  return VSIStatExL(RealPath(name).c_str(), info, flags);
}

char** ReadFolder(void* /*data*/, const char* name, int maxFiles) {
  return VSIReadDirEx(RealPath(name).c_str(), maxFiles);
}

void Install() {
  VSIFilesystemPluginCallbacksStruct* callbacks = VSIAllocFilesystemPluginCallbacksStruct();
  callbacks->open = Open;
  callbacks->tell = Tell;
  callbacks->seek = Seek;
  callbacks->read = Read;
  callbacks->eof = AtEnd;
  callbacks->close = Close;
  callbacks->stat = Stat;
  callbacks->read_dir = ReadFolder;
  VSIInstallPluginHandler(kHandlerPrefix, callbacks);
  VSIFreeFilesystemPluginCallbacksStruct(callbacks);  // the handler keeps a copy
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = 0; !from.empty() && (at = text.find(from, at)) != std::string::npos;) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

}  // namespace

int OpenRegularFile(const std::string& path, bool* notRegular) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    if (notRegular != nullptr) *notRegular = true;
    return -1;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

std::string RegularFilesOnlyPath(const std::string& path) {
  std::call_once(installed, Install);
  std::error_code error;
  const std::filesystem::path whole = std::filesystem::absolute(path, error);
  return kPrefix + (error ? path : whole.string());
}

std::string WithoutRegularFilesPrefix(const std::string& words, const std::string& path) {
  std::string text = words;
  std::error_code error;
  const std::filesystem::path whole = std::filesystem::absolute(path, error);
  if (!error) {
    ReplaceAll(text, kPrefix + whole.string(), path);
    const std::string folder = std::filesystem::path(path).parent_path().string();
    ReplaceAll(text, kPrefix + whole.parent_path().string() + "/",
               folder.empty() ? std::string() : folder + "/");
  }
  ReplaceAll(text, kPrefix, "");
  return text;
}

std::string TakeRefusedFile() { return std::exchange(refused, std::string()); }
