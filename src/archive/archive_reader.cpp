#include "archive/archive_reader.h"

#include "archive/archive_format.h"
#include "launcher/exceptions.h"
#include "platform/files.h"

namespace vd {

ArchiveReader::ArchiveReader(std::FILE* stream, int64_t limit) : stream_(stream) {
  int64_t position = platform::tellFile(stream);
  remaining_ = position < 0 || limit < position ? 0 : limit - position;
}

bool ArchiveReader::tryReadByte(uint8_t& value) {
  if (remaining_ < 1 || std::fread(&value, 1, 1, stream_) != 1) return false;
  --remaining_;
  return true;
}

uint8_t ArchiveReader::readByte(const char* message) {
  uint8_t value = 0;
  readExactly(&value, 1, message);
  return value;
}

uint16_t ArchiveReader::readBigEndian16(const char* message) {
  unsigned char bytes[2];
  readExactly(bytes, sizeof bytes, message);
  return decodeBigEndian16(bytes);
}

uint32_t ArchiveReader::readBigEndian32(const char* message) {
  unsigned char bytes[4];
  readExactly(bytes, sizeof bytes, message);
  return decodeBigEndian32(bytes);
}

std::string ArchiveReader::readBytes(size_t count, const char* message) {
  if (static_cast<uint64_t>(count) > static_cast<uint64_t>(remaining_))
    throw LauncherException(message);
  std::string bytes(count, '\0');
  readExactly(bytes.data(), count, message);
  return bytes;
}

void ArchiveReader::readExactly(void* buffer, size_t count, const char* message) {
  if (static_cast<uint64_t>(count) > static_cast<uint64_t>(remaining_) ||
      std::fread(buffer, 1, count, stream_) != count)
    throw LauncherException(message);
  remaining_ -= static_cast<int64_t>(count);
}

int64_t streamSize(std::FILE* stream) {
  int64_t position = platform::tellFile(stream);
  if (position < 0 || !platform::seekFile(stream, 0, SEEK_END)) return -1;
  int64_t size = platform::tellFile(stream);
  if (!platform::seekFile(stream, position, SEEK_SET)) return -1;
  return size;
}

}  // namespace vd
