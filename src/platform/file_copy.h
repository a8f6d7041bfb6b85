#pragma once
// Copying a chunk between two open, unbuffered streams at their current positions.
#include <cstddef>
#include <cstdio>

namespace vd::platform {

struct ChunkCopy {
  size_t bytes = 0;          // bytes that reached the target
  bool sourceEnded = false;  // the source had fewer bytes than asked for
  bool writeFailed = false;
  int errorNumber = 0;  // the C run-time's error number of a failed write
};

// Copies `count` bytes; where the system can copy between the files itself the bytes do not
// pass through `buffer` (which holds at least `count` bytes).
ChunkCopy copyChunk(std::FILE* source, std::FILE* target, char* buffer, size_t count);

// The portable way: read into the buffer, write what was read.
ChunkCopy copyChunkThroughBuffer(std::FILE* source, std::FILE* target, char* buffer,
                                 size_t count);

}  // namespace vd::platform
