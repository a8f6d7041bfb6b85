#include "platform/system_error.h"

#include <windows.h>

namespace vd::platform {

uint32_t lastErrorCode() { return GetLastError(); }

std::string systemErrorText(uint32_t code) {
  char* text = nullptr;
  DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0,
      nullptr);
  std::string result;
  if (length != 0 && text) result.assign(text, length);
  if (text) LocalFree(text);
  return result;
}

}  // namespace vd::platform
