#pragma once
#include <cstdint>
#include <cstdio>
#include <vector>

#include "archive/file_index.h"

namespace vd {

// Reads the file index of a launcher stream whose trailer ends `tail` bytes before its end.
// Without the identification value there the archive is empty. Every malformed index raises
// a LauncherException; so does an entry whose bytes lie beyond the end of the stream.
std::vector<FileIndexEntry> readFileIndex(std::FILE* stream, int64_t streamBytes, int64_t tail);

}  // namespace vd
