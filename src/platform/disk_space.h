#pragma once
#include <cstdint>
#include <string>

namespace vd::platform {

// Whether the file system of `directory` (the current directory's when it is empty) has room
// for `bytes` written as `files` files, counted in whole clusters. A failed query raises a
// LauncherException naming the system call, followed by the system's text.
bool hasEnoughDiskSpace(const std::string& directory, uint64_t bytes, uint64_t files);

// What the backend reports for a directory's file system.
struct DiskSpace {
  uint64_t clusterBytes = 0;
  uint64_t freeClusters = 0;
};

// The backend's query; it raises the failure itself.
DiskSpace queryDiskSpace(const std::string& directory);

}  // namespace vd::platform
