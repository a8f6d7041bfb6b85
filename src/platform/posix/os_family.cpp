#include "platform/os_family.h"

namespace vd::platform {

bool queryWindows9x() { return false; }

}  // namespace vd::platform
