#include "platform/message_format.h"

#include <windows.h>

namespace vd::platform {

std::optional<std::string> formatMessage(const std::string& pattern,
                                         const std::vector<std::string>& inserts) {
  std::vector<DWORD_PTR> arguments;
  for (const std::string& insert : inserts)
    arguments.push_back(reinterpret_cast<DWORD_PTR>(insert.c_str()));
  char* text = nullptr;
  DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY,
      pattern.c_str(), 0, 0, reinterpret_cast<char*>(&text), 0,
      arguments.empty() ? nullptr : reinterpret_cast<va_list*>(arguments.data()));
  if (length == 0 && !pattern.empty()) {
    if (text) LocalFree(text);
    return std::nullopt;
  }
  std::string result = text ? std::string(text, length) : std::string();
  if (text) LocalFree(text);
  return result;
}

}  // namespace vd::platform
