#include "platform/drives.h"

namespace vd::platform {

// One tree holds every mounted file system.
std::vector<LogicalDrive> logicalDrives() { return {LogicalDrive{"/", DriveType::kFixed}}; }

}  // namespace vd::platform
