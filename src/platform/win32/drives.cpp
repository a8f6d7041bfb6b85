#include "platform/drives.h"

#include <windows.h>

#include <cstring>

namespace vd::platform {
namespace {

DriveType driveType(const char* root) {
  switch (GetDriveTypeA(root)) {
    case DRIVE_FIXED:
      return DriveType::kFixed;
    case DRIVE_REMOTE:
      return DriveType::kRemote;
    default:
      return DriveType::kOther;
  }
}

}  // namespace

std::vector<LogicalDrive> logicalDrives() {
  std::vector<LogicalDrive> drives;
  DWORD needed = GetLogicalDriveStringsA(0, nullptr);
  if (needed == 0) return drives;
  std::string buffer(needed + 1, '\0');
  DWORD length = GetLogicalDriveStringsA(needed, buffer.data());
  if (length == 0 || length > needed) return drives;
  // NUL-separated roots, ended by an empty one.
  for (const char* root = buffer.c_str(); *root; root += std::strlen(root) + 1)
    drives.push_back(LogicalDrive{root, driveType(root)});
  return drives;
}

}  // namespace vd::platform
