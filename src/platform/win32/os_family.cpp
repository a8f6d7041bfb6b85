#include "platform/os_family.h"

#include <windows.h>

namespace vd::platform {

// Older systems know only the basic record and reject the extended one.
bool queryWindows9x() {
  OSVERSIONINFOEXA info{};
  info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
  auto* basic = reinterpret_cast<OSVERSIONINFOA*>(&info);
  if (!GetVersionExA(basic)) {
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    if (!GetVersionExA(basic)) return false;
  }
  return info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

}  // namespace vd::platform
