#include "platform/drives.h"

#include <cstdlib>

namespace vd::platform {
namespace {

// For the end-to-end tests only: VD_TEST_DRIVE_ROOTS, a ':'-separated list of directories,
// stands in for the root file system, so that a drive scan (and a path hint starting at the
// root) covers a test's own trees instead of the whole machine.
constexpr const char* kTestRootsVariable = "VD_TEST_DRIVE_ROOTS";

std::vector<LogicalDrive> testDrives(const std::string& roots) {
  std::vector<LogicalDrive> drives;
  size_t start = 0;
  while (start <= roots.size()) {
    size_t end = roots.find(':', start);
    if (end == std::string::npos) end = roots.size();
    std::string root = roots.substr(start, end - start);
    if (!root.empty()) {
      if (root.back() != '/') root += '/';
      drives.push_back(LogicalDrive{root, DriveType::kFixed});
    }
    start = end + 1;
  }
  return drives;
}

}  // namespace

// One tree holds every mounted file system.
std::vector<LogicalDrive> logicalDrives() {
  if (const char* roots = std::getenv(kTestRootsVariable)) return testDrives(roots);
  return {LogicalDrive{"/", DriveType::kFixed}};
}

}  // namespace vd::platform
