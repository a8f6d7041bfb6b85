#include "platform/file_operations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vd::platform {

PathInfo pathInfo(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return PathInfo{};
  PathInfo info;
  info.kind = S_ISDIR(st.st_mode) ? PathKind::kDirectory : PathKind::kFile;
  info.readOnly = !S_ISLNK(st.st_mode) && (st.st_mode & S_IWUSR) == 0;
  return info;
}

bool isDirectory(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A directory also needs search permission for its entries to be removed.
bool clearReadOnly(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return false;
  mode_t wanted = st.st_mode | S_IWUSR | (S_ISDIR(st.st_mode) ? S_IXUSR : 0);
  return chmod(path.c_str(), wanted & 07777) == 0;
}

bool createDirectory(const std::string& path) { return mkdir(path.c_str(), 0700) == 0; }
bool removeFile(const std::string& path) { return unlink(path.c_str()) == 0; }
bool removeDirectory(const std::string& path) { return rmdir(path.c_str()) == 0; }

ProbeResult probeFileForReading(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    errno = EISDIR;
    return ProbeResult::kFailed;
  }
  int fd = open(path.c_str(), O_RDONLY);
  if (fd >= 0) {
    close(fd);
    return ProbeResult::kOpened;
  }
  if (errno == ENOENT || errno == ENOTDIR) return ProbeResult::kMissing;
  return ProbeResult::kFailed;
}

std::string systemShortPath(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 ? path : std::string();
}

}  // namespace vd::platform
