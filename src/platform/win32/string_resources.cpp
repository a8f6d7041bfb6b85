#include "platform/string_resources.h"

#include <windows.h>

#include <vector>

namespace vd::platform {

std::string loadStringResource(unsigned id) {
  // LoadString truncates silently, so grow the buffer until the text leaves room to spare.
  std::vector<char> buffer(64, '\0');
  for (;;) {
    int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer.data(),
                             static_cast<int>(buffer.size()));
    if (length <= 0) return std::string();
    if (static_cast<size_t>(length) + 1 < buffer.size()) return std::string(buffer.data(), length);
    buffer.assign(buffer.size() + 64, '\0');
  }
}

}  // namespace vd::platform
