#include "platform/disk_space.h"

#include <windows.h>

#include "launcher/exceptions.h"
#include "platform/system_error.h"

namespace vd::platform {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// The root of the directory's drive ("C:\" or "\\server\share\"); empty for the current drive.
std::string rootOf(const std::string& directory) {
  if (directory.size() >= 2 && directory[1] == ':') return directory.substr(0, 2) + "\\";
  if (directory.size() > 2 && isSeparator(directory[0]) && isSeparator(directory[1])) {
    size_t server = directory.find_first_of("\\/", 2);
    if (server == std::string::npos) return directory + "\\";
    size_t share = directory.find_first_of("\\/", server + 1);
    return directory.substr(0, share) + "\\";
  }
  return std::string();
}

[[noreturn]] void queryFailed(const char* call) {
  throw LauncherException(std::string(call) + " failed  ==>  " + systemErrorText(lastErrorCode()));
}

}  // namespace

DiskSpace queryDiskSpace(const std::string& directory) {
  std::string root = rootOf(directory);
  const char* rootName = root.empty() ? nullptr : root.c_str();
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
  if (!GetDiskFreeSpaceA(rootName, &sectorsPerCluster, &bytesPerSector, &freeClusters,
                         &totalClusters))
    queryFailed("GetDiskFreeSpace");
  // The cluster counts above stop at 2 GB on large drives; the byte count below does not.
  ULARGE_INTEGER available, total, totalFree;
  if (!GetDiskFreeSpaceExA(rootName, &available, &total, &totalFree)) queryFailed("GetDiskFreeSpaceEx");
  uint64_t cluster = uint64_t{sectorsPerCluster} * bytesPerSector;
  return {cluster, cluster == 0 ? 0 : available.QuadPart / cluster};
}

}  // namespace vd::platform
