#include "platform/file_copy.h"

namespace vd::platform {

ChunkCopy copyChunk(std::FILE* source, std::FILE* target, char* buffer, size_t count) {
  return copyChunkThroughBuffer(source, target, buffer, count);
}

}  // namespace vd::platform
