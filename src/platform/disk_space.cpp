#include "platform/disk_space.h"

namespace vd::platform {
namespace {

// A single file needs its bytes rounded up to whole clusters; for several files the bytes
// are rounded down and one cluster per file is added.
double clustersNeeded(uint64_t bytes, uint64_t files, uint64_t cluster) {
  if (files == 1) return static_cast<double>(bytes / cluster + (bytes % cluster != 0));
  return static_cast<double>(bytes / cluster) + static_cast<double>(files > 1 ? files : 0);
}

}  // namespace

bool hasEnoughDiskSpace(const std::string& directory, uint64_t bytes, uint64_t files) {
  DiskSpace space = queryDiskSpace(directory);
  if (space.clusterBytes == 0) return bytes == 0;
  double cluster = static_cast<double>(space.clusterBytes);
  return cluster * static_cast<double>(space.freeClusters) >=
         cluster * clustersNeeded(bytes, files, space.clusterBytes);
}

}  // namespace vd::platform
