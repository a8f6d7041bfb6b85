#pragma once
#include <string>
#include <vector>

namespace vd::platform {

// The process's arguments in the 8-bit system code page, the program name first.
std::vector<std::string> processArguments();

}  // namespace vd::platform
