#include "platform/disk_space.h"

#include <sys/statvfs.h>

#include <cerrno>

#include "launcher/exceptions.h"
#include "platform/system_error.h"

namespace vd::platform {
namespace {

// The directory may not exist yet: its nearest existing ancestor holds its file system.
std::string parentOf(const std::string& path) {
  size_t end = path.find_last_not_of('/');
  if (end == std::string::npos) return "/";
  size_t slash = path.find_last_of('/', end);
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

DiskSpace queryDiskSpace(const std::string& directory) {
  std::string path = directory.empty() ? "." : directory;
  struct statvfs info;
  while (statvfs(path.c_str(), &info) != 0) {
    int error = errno;
    std::string parent = parentOf(path);
    if ((error != ENOENT && error != ENOTDIR) || parent == path)
      throw LauncherException("statvfs failed  ==>  " +
                              systemErrorText(static_cast<uint32_t>(error)));
    path = parent;
  }
  return {static_cast<uint64_t>(info.f_frsize), static_cast<uint64_t>(info.f_bavail)};
}

}  // namespace vd::platform
