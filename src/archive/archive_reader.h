#pragma once
// Reads the archive's big-endian numbers from an open stream without passing a limit: a read
// that cannot get its bytes before the end of the stream or the limit raises the caller's text.
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

namespace vd {

class ArchiveReader {
 public:
  // `limit` is the absolute stream position reads must not pass.
  explicit ArchiveReader(std::FILE* stream, int64_t limit = std::numeric_limits<int64_t>::max());

  // False (and nothing consumed) at the end of the stream or the limit.
  bool tryReadByte(uint8_t& value);
  uint8_t readByte(const char* message);
  uint16_t readBigEndian16(const char* message);
  uint32_t readBigEndian32(const char* message);
  std::string readBytes(size_t count, const char* message);

 private:
  void readExactly(void* buffer, size_t count, const char* message);

  std::FILE* stream_;
  int64_t remaining_;
};

// Size of an open stream (by seeking to its end; the position is restored), or -1.
int64_t streamSize(std::FILE* stream);

}  // namespace vd
