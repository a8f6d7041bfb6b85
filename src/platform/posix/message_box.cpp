#include "platform/message_box.h"

#include <cstdio>

namespace vd::platform {

void showMessageBox(const std::string& text, const std::string& caption) {
  if (caption.empty())
    std::fprintf(stderr, "%s\n", text.c_str());
  else
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  std::fflush(stderr);
}

}  // namespace vd::platform
