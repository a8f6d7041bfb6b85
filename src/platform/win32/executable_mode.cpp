#include "platform/executable_mode.h"

namespace vd::platform {

bool makeExecutable(const std::string&) { return true; }

bool isExecutableFile(const std::string&) { return false; }

}  // namespace vd::platform
