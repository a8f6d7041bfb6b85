#include "platform/self_removal.h"

namespace vd::platform {

bool runningExecutableRemovable() { return true; }
std::string windowsDirectory() { return std::string(); }
bool startDetachedBatch(const std::string&) { return false; }

}  // namespace vd::platform
