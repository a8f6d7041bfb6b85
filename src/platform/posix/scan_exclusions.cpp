#include "platform/scan_exclusions.h"

namespace vd::platform {

bool isSystemPseudoDirectory(const std::string& dir) {
  return dir == "/proc/" || dir == "/sys/" || dir == "/dev/" || dir == "/run/";
}

}  // namespace vd::platform
