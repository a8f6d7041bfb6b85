#include "platform/files.h"

#include <io.h>
#include <sys/stat.h>

namespace vd::platform {

UniqueFile openFile(const std::string& path, const char* mode) {
  return UniqueFile(std::fopen(path.c_str(), mode));
}

bool seekFile(std::FILE* f, int64_t offset, int origin) {
  return _fseeki64(f, offset, origin) == 0;
}

int64_t tellFile(std::FILE* f) { return _ftelli64(f); }

int64_t fileSize(std::FILE* f) {
  struct _stati64 st;
  if (_fstati64(_fileno(f), &st) != 0) return -1;
  return st.st_size;
}

}  // namespace vd::platform
