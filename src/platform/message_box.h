#pragma once
#include <string>

namespace vd::platform {

// A plain OK message box (standard error on POSIX). Blocks until answered.
void showMessageBox(const std::string& text, const std::string& caption);

}  // namespace vd::platform
