#include "platform/module.h"

#include <unistd.h>

#include <climits>

namespace vd::platform {

std::string moduleFileName() {
  char buffer[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return std::string();
  return std::string(buffer, static_cast<size_t>(length));
}

}  // namespace vd::platform
