#pragma once
#include <string>
#include <vector>

namespace vd {

// The temporary directory and what the launcher created below it, removed at exit.
struct TempFileState {
  std::string tempDirectory;
  std::vector<std::string> directories;
  std::vector<std::string> files;
};

}  // namespace vd
