#include "platform/posix/program_search.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace vd::platform {
namespace {

std::string currentDirectory() {
  std::string buffer(4096, '\0');
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return std::string();
    buffer.resize(buffer.size() * 2);
  }
  buffer.resize(buffer.find('\0'));
  return buffer;
}

std::string absolute(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  std::string base = currentDirectory();
  if (base.empty()) return path;
  return path.empty() ? base : base + "/" + path;
}

bool isExecutableFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::optional<std::string> searchPath(const std::string& name) {
  const char* variable = std::getenv("PATH");
  std::string path = variable ? variable : "/bin:/usr/bin";
  size_t start = 0;
  for (;;) {
    size_t end = path.find(':', start);
    std::string directory = path.substr(start, end == std::string::npos ? end : end - start);
    // An empty entry stands for the current directory, as for the shell.
    std::string candidate = absolute(directory.empty() ? name : directory + "/" + name);
    if (isExecutableFile(candidate)) return candidate;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  errno = ENOENT;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> findProgram(const std::string& name) {
  if (name.empty()) {
    errno = ENOENT;
    return std::nullopt;
  }
  if (name.find('/') == std::string::npos) return searchPath(name);
  // A path is handed to the spawn as it is, so its own error (not found, not executable)
  // reaches the caller; only its base changes.
  return absolute(name);
}

}  // namespace vd::platform
