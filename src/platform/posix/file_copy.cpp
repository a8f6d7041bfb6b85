#include "platform/file_copy.h"

#include <unistd.h>

#include <cerrno>

namespace vd::platform {
namespace {

// The kernel cannot copy between these files; the buffer does it.
bool needsBuffer(int error) {
  return error == EXDEV || error == ENOSYS || error == EINVAL || error == EOPNOTSUPP ||
         error == EBADF;
}

}  // namespace

// The kernel copies page to page, without the round trip through user memory.
ChunkCopy copyChunk(std::FILE* source, std::FILE* target, char* buffer, size_t count) {
  ChunkCopy copy;
  while (copy.bytes < count) {
    ssize_t done = copy_file_range(fileno(source), nullptr, fileno(target), nullptr,
                                   count - copy.bytes, 0);
    if (done > 0) {
      copy.bytes += static_cast<size_t>(done);
      continue;
    }
    if (done == 0) {
      copy.sourceEnded = true;
      return copy;
    }
    if (copy.bytes == 0 && needsBuffer(errno))
      return copyChunkThroughBuffer(source, target, buffer, count);
    copy.writeFailed = true;
    copy.errorNumber = errno;
    return copy;
  }
  return copy;
}

}  // namespace vd::platform
