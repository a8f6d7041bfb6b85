#pragma once
// The byte layout of the launcher archive, shared by the launcher's reader and the build tool.
// After the launcher executable come the embedded files, the file index, one kind byte, the
// index offset and the identification value; numbers are unsigned big-endian.
#include <cstdint>
#include <string>
#include <vector>

#include "archive/file_index.h"

namespace vd {

inline constexpr uint32_t kLauncherIdentification = 0xCA82CA82u;
// Kind byte, index offset and identification value.
inline constexpr int64_t kTrailerSize = 9;
inline constexpr int kMaxEntryNameLength = 32767;
// The compressed byte that announces the decompressed count and size.
inline constexpr uint8_t kCompressedMarker = 1;
// The smallest index entry: type, id, length, offset, name length, compressed byte.
inline constexpr int64_t kMinimumEntrySize = 1 + 4 + 4 + 4 + 2 + 1;

void appendBigEndian32(std::string& out, uint32_t value);
void appendBigEndian16(std::string& out, uint16_t value);
uint32_t decodeBigEndian32(const unsigned char* bytes);
uint16_t decodeBigEndian16(const unsigned char* bytes);

// The file index for the entries, in order: the count, then each entry.
std::string encodeFileIndex(const std::vector<FileIndexEntry>& entries);
// The nine bytes after the index.
std::string encodeTrailer(uint8_t launcherKind, uint32_t indexOffset);

}  // namespace vd
