#include "platform/file_copy.h"

#include <cerrno>

namespace vd::platform {

ChunkCopy copyChunkThroughBuffer(std::FILE* source, std::FILE* target, char* buffer,
                                 size_t count) {
  ChunkCopy copy;
  size_t got = std::fread(buffer, 1, count, source);
  copy.sourceEnded = got < count;
  errno = 0;
  copy.bytes = std::fwrite(buffer, 1, got, target);
  if (copy.bytes < got || std::fflush(target) != 0) {
    copy.writeFailed = true;
    copy.errorNumber = errno;
  }
  return copy;
}

}  // namespace vd::platform
