#include "platform/string_resources.h"

#include <windows.h>

#include <vector>

namespace vd::platform {

namespace {

// LoadString truncates silently, and in a multi-byte code page (UTF-8, the East Asian ones) a
// character that does not fit is left out whole, leaving up to its length minus one unused.
constexpr size_t kLongestCharacter = 4;

}  // namespace

std::string loadStringResource(unsigned id) {
  // Grow the buffer until the text leaves more room than any character could need.
  std::vector<char> buffer(64, '\0');
  for (;;) {
    int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer.data(),
                             static_cast<int>(buffer.size()));
    if (length <= 0) return std::string();
    if (static_cast<size_t>(length) + kLongestCharacter < buffer.size())
      return std::string(buffer.data(), length);
    buffer.assign(buffer.size() + 64, '\0');
  }
}

}  // namespace vd::platform
