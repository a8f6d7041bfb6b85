#include "platform/file_permissions.h"

namespace vd::platform {

bool copyFilePermissions(const std::string&, const std::string&) { return true; }

}  // namespace vd::platform
