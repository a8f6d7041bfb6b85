#include "archive/archive_format.h"

namespace vd {
namespace {

void encodeEntry(std::string& out, const FileIndexEntry& entry) {
  out += static_cast<char>(entry.type);
  appendBigEndian32(out, static_cast<uint32_t>(entry.fileId));
  appendBigEndian32(out, entry.length);
  appendBigEndian32(out, entry.offset);
  appendBigEndian16(out, static_cast<uint16_t>(entry.name.size()));
  out += entry.name;
  out += static_cast<char>(entry.compressed ? kCompressedMarker : 0);
  if (!entry.compressed) return;
  appendBigEndian32(out, entry.decompressedCount);
  appendBigEndian32(out, entry.decompressedSize);
}

}  // namespace

void appendBigEndian32(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void appendBigEndian16(std::string& out, uint16_t value) {
  out += static_cast<char>((value >> 8) & 0xFF);
  out += static_cast<char>(value & 0xFF);
}

uint32_t decodeBigEndian32(const unsigned char* bytes) {
  return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) |
         uint32_t{bytes[3]};
}

uint16_t decodeBigEndian16(const unsigned char* bytes) {
  return static_cast<uint16_t>((bytes[0] << 8) | bytes[1]);
}

std::string encodeFileIndex(const std::vector<FileIndexEntry>& entries) {
  std::string out;
  appendBigEndian32(out, static_cast<uint32_t>(entries.size()));
  for (const FileIndexEntry& entry : entries) encodeEntry(out, entry);
  return out;
}

std::string encodeTrailer(uint8_t launcherKind, uint32_t indexOffset) {
  std::string out(1, static_cast<char>(launcherKind));
  appendBigEndian32(out, indexOffset);
  appendBigEndian32(out, kLauncherIdentification);
  return out;
}

}  // namespace vd
