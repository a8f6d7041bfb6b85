#pragma once
#include <string>

namespace vd::platform {

// Full path of the running executable.
std::string moduleFileName();

}  // namespace vd::platform
