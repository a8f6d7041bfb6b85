#include "platform/temp_names.h"

#include <windows.h>

#include <vector>

namespace vd::platform {

std::string systemTempPath() {
  DWORD needed = GetTempPathA(0, nullptr);
  if (needed == 0) return std::string();
  std::vector<char> buffer(needed + 1, '\0');
  DWORD length = GetTempPathA(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length == 0 || length >= buffer.size()) return std::string();
  return std::string(buffer.data(), length);
}

std::optional<std::string> createUniqueFile(const std::string& directory, const std::string& prefix) {
  char name[MAX_PATH + 1] = {};
  if (GetTempFileNameA(directory.c_str(), prefix.c_str(), 0, name) == 0) return std::nullopt;
  return std::string(name);
}

bool isTransientTempNameError(uint32_t code) { return code == ERROR_ACCESS_DENIED; }

}  // namespace vd::platform
