#include "pack_paths.h"

#include "platform/path.h"

namespace vd::pack {
namespace {

bool isAbsolutePath(const std::string& path) {
  if (!path.empty() && platform::isPathSeparator(path[0])) return true;
#ifdef _WIN32
  if (path.size() > 2 && path[1] == ':' && platform::isPathSeparator(path[2])) return true;
#endif
  return false;
}

}  // namespace

std::string directoryOf(const std::string& path) {
  size_t end = path.size();
  while (end > 0 && !platform::isPathSeparator(path[end - 1])) --end;
  if (end == 0) return std::string();
  return end == 1 ? path.substr(0, 1) : path.substr(0, end - 1);
}

std::string baseName(const std::string& path) {
  size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string relativeTo(const std::string& baseDirectory, const std::string& path) {
  if (baseDirectory.empty() || isAbsolutePath(path)) return path;
  return platform::joinPath(baseDirectory, path);
}

}  // namespace vd::pack
