#pragma once
// A launcher file opened for reading its archive, shared by `vdpack list` and `extract`.
#include <string>
#include <vector>

#include "archive/file_index.h"
#include "platform/files.h"

namespace vd::pack {

struct LauncherIndex {
  platform::UniqueFile file;
  std::vector<FileIndexEntry> entries;
};

// Opens the file and reads its file index as the launcher does, trailer search included;
// raises LauncherException when it cannot be read or holds no launcher archive.
LauncherIndex openLauncherIndex(const std::string& path);

}  // namespace vd::pack
