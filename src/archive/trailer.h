#pragma once
// Finding the archive trailer at the end of a launcher file.
#include <cstdint>
#include <cstdio>

namespace vd {

// Searches backwards from the end of the stream for the identification value and returns the
// number of bytes after it (0 when it is the last four bytes, and 0 when there is none).
// A stream of fewer than 4 bytes raises "Unable to read launcher identification value.".
int64_t findTrailerTail(std::FILE* stream, int64_t streamBytes);

// The kind byte nine bytes before the tail, or -1 when it is not there.
int readLauncherKind(std::FILE* stream, int64_t streamBytes, int64_t tail);

}  // namespace vd
