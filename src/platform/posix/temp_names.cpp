#include "platform/temp_names.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "platform/environment.h"
#include "platform/path.h"

namespace vd::platform {

std::string systemTempPath() {
  std::optional<std::string> dir = getEnvironmentVariable("TMPDIR");
  std::string path = dir && !dir->empty() ? *dir : std::string("/tmp");
  return path.back() == kPathSeparator ? path : path + kPathSeparator;
}

namespace {

constexpr unsigned kUniqueNumbers = 0xFFFF;

std::string candidateName(const std::string& directory, const std::string& prefix, unsigned number) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "%X", number);
  return joinPath(directory, prefix + hex + ".tmp");
}

}  // namespace

// As the Windows call does: a 16-bit number from the clock, counted up past names in use.
std::optional<std::string> createUniqueFile(const std::string& directory, const std::string& prefix) {
  unsigned start = static_cast<unsigned>(std::time(nullptr)) ^ static_cast<unsigned>(getpid());
  for (unsigned i = 0; i < kUniqueNumbers; ++i) {
    unsigned number = (start + i) % kUniqueNumbers + 1;
    std::string name = candidateName(directory, prefix, number);
    int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd >= 0) {
      close(fd);
      return name;
    }
    if (errno != EEXIST) return std::nullopt;
  }
  errno = EEXIST;
  return std::nullopt;
}

bool isTransientTempNameError(uint32_t) { return false; }

}  // namespace vd::platform
