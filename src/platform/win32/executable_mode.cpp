#include "platform/executable_mode.h"

namespace vd::platform {

bool makeExecutable(const std::string&) { return true; }

}  // namespace vd::platform
