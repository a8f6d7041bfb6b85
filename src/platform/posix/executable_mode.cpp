#include "platform/executable_mode.h"

#include <sys/stat.h>

namespace vd::platform {

bool makeExecutable(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return false;
  mode_t readable = st.st_mode & (S_IRUSR | S_IRGRP | S_IROTH);
  // Each read bit (0444) has its execute bit two places lower (0111).
  return chmod(path.c_str(), st.st_mode | (readable >> 2)) == 0;
}

bool isExecutableFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR) != 0;
}

}  // namespace vd::platform
