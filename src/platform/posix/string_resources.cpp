#include "platform/string_resources.h"

namespace vd::platform {

std::string loadStringResource(unsigned id) {
  for (int i = 0; i < kStringTableSize; ++i)
    if (kStringTable[i].id == id) return kStringTable[i].text;
  return std::string();
}

}  // namespace vd::platform
