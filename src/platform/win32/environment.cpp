#include "platform/environment.h"

#include <windows.h>

#include <vector>

namespace vd::platform {

std::optional<std::string> getEnvironmentVariable(const std::string& name) {
  DWORD needed = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  if (needed == 0) {
    if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
    return std::string();
  }
  std::vector<char> buffer(needed);
  DWORD length = GetEnvironmentVariableA(name.c_str(), buffer.data(), needed);
  if (length >= needed) return std::nullopt;
  return std::string(buffer.data(), length);
}

void setEnvironmentVariable(const std::string& name, const std::optional<std::string>& value) {
  SetEnvironmentVariableA(name.c_str(), value ? value->c_str() : nullptr);
}

}  // namespace vd::platform
