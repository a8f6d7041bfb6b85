#include "jvm/drive_list.h"

#include "launcher/exceptions.h"
#include "launcher/text.h"

namespace vd {
namespace {

constexpr unsigned kNoDrivesResource = 17;

}  // namespace

std::vector<std::string> driveList(const HintSources& sources) {
  std::vector<platform::LogicalDrive> drives = sources.logicalDrives();
  if (drives.empty()) throw LauncherException(resourceText(kNoDrivesResource));
  std::vector<std::string> roots;
  for (const platform::LogicalDrive& drive : drives) {
    if (drive.type != platform::DriveType::kFixed && drive.type != platform::DriveType::kRemote)
      continue;
    std::string root = drive.root;
    if (!root.empty()) root.pop_back();
    roots.push_back(root);
  }
  return roots;
}

}  // namespace vd
