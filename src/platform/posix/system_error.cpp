#include "platform/system_error.h"

#include <cerrno>
#include <cstring>

namespace vd::platform {

uint32_t lastErrorCode() { return static_cast<uint32_t>(errno); }

std::string systemErrorText(uint32_t code) {
  if (code == 0) return std::string();
  return std::string(std::strerror(static_cast<int>(code)));
}

}  // namespace vd::platform
