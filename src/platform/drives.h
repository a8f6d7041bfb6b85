#pragma once
// The logical drives of the system, in the order the system lists them.
#include <string>
#include <vector>

namespace vd::platform {

enum class DriveType { kOther, kFixed, kRemote };

struct LogicalDrive {
  std::string root;  // with its trailing separator, such as "C:\" or "/"
  DriveType type = DriveType::kOther;
};

std::vector<LogicalDrive> logicalDrives();

}  // namespace vd::platform
