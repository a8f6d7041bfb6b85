#include "platform/module.h"

#include <windows.h>

namespace vd::platform {

std::string moduleFileName() {
  char buffer[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH - 1);
  return std::string(buffer, length);
}

}  // namespace vd::platform
