#pragma once
// Builds launcher files for the archive tests: a stub, the embedded files back to back, the
// file index and the trailer, optionally followed by a tail.
#include <cstdint>
#include <string>
#include <vector>

#include "archive/archive_format.h"

namespace vd::testing {

struct ArchiveFile {
  int type = 0;
  int32_t id = 0;
  std::string name;
  std::string bytes;
  bool compressed = false;
  uint32_t decompressedCount = 0;
  uint32_t decompressedSize = 0;
};

struct BuiltLauncher {
  std::string bytes;
  size_t indexOffset = 0;
  // The bytes after the index: kind, index offset, identification value and tail.
  std::string trailer() const { return bytes.substr(bytes.size() - tailBytes - kTrailerSize); }
  size_t tailBytes = 0;
};

inline BuiltLauncher buildLauncher(const std::vector<ArchiveFile>& files,
                                   const std::string& stub = "STUB-EXECUTABLE", uint8_t kind = 0,
                                   size_t tailBytes = 0) {
  BuiltLauncher built;
  built.bytes = stub;
  std::vector<FileIndexEntry> entries;
  for (const ArchiveFile& file : files) {
    FileIndexEntry entry;
    entry.type = file.type;
    entry.fileId = file.id;
    entry.name = file.name;
    entry.length = static_cast<uint32_t>(file.bytes.size());
    entry.offset = static_cast<uint32_t>(built.bytes.size());
    entry.compressed = file.compressed;
    entry.decompressedCount = file.decompressedCount;
    entry.decompressedSize = file.decompressedSize;
    built.bytes += file.bytes;
    entries.push_back(std::move(entry));
  }
  built.indexOffset = built.bytes.size();
  built.bytes += encodeFileIndex(entries);
  built.bytes += encodeTrailer(kind, static_cast<uint32_t>(built.indexOffset));
  built.bytes += std::string(tailBytes, '\x5A');
  built.tailBytes = tailBytes;
  return built;
}

// Overwrites the bytes at `position` with those of `replacement`.
inline std::string patched(std::string bytes, size_t position, const std::string& replacement) {
  bytes.replace(position, replacement.size(), replacement);
  return bytes;
}

inline std::string bigEndian32(uint32_t value) {
  std::string out;
  appendBigEndian32(out, value);
  return out;
}

}  // namespace vd::testing
