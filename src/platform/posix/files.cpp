#include "platform/files.h"

#include <sys/stat.h>
#include <sys/types.h>

namespace vd::platform {

UniqueFile openFile(const std::string& path, const char* mode) {
  return UniqueFile(std::fopen(path.c_str(), mode));
}

bool seekFile(std::FILE* f, int64_t offset, int origin) {
  return fseeko(f, static_cast<off_t>(offset), origin) == 0;
}

int64_t tellFile(std::FILE* f) { return static_cast<int64_t>(ftello(f)); }

int64_t fileSize(std::FILE* f) {
  struct stat st;
  if (fstat(fileno(f), &st) != 0) return -1;
  return static_cast<int64_t>(st.st_size);
}

}  // namespace vd::platform
