#include "platform/file_permissions.h"

#include <sys/stat.h>

namespace vd::platform {

bool copyFilePermissions(const std::string& from, const std::string& to) {
  struct stat st;
  return stat(from.c_str(), &st) == 0 && chmod(to.c_str(), st.st_mode & 07777) == 0;
}

}  // namespace vd::platform
