#include "archive/trailer.h"

#include <vector>

#include "archive/archive_format.h"
#include "archive/archive_reader.h"
#include "launcher/exceptions.h"
#include "platform/files.h"

namespace vd {
namespace {

constexpr const char* kIdentificationUnreadable = "Unable to read launcher identification value.";
constexpr int64_t kSearchBlock = 64 * 1024;
constexpr int64_t kIdentificationBytes = 4;

bool readAt(std::FILE* stream, int64_t position, unsigned char* buffer, size_t count) {
  return platform::seekFile(stream, position, SEEK_SET) &&
         std::fread(buffer, 1, count, stream) == count;
}

// The highest position in [low, high - 4] where the identification value starts, or -1.
int64_t searchBlock(std::FILE* stream, int64_t low, int64_t high) {
  std::vector<unsigned char> block(static_cast<size_t>(high - low));
  if (!readAt(stream, low, block.data(), block.size()))
    throw LauncherException(kIdentificationUnreadable);
  for (int64_t at = high - kIdentificationBytes; at >= low; --at)
    if (decodeBigEndian32(&block[static_cast<size_t>(at - low)]) == kLauncherIdentification)
      return at;
  return -1;
}

// A real trailer follows the launcher executable, so its index starts after the file's first
// byte and before the trailer. The executable's own code and data may hold the identification
// bytes too; such a match is passed over.
bool plausibleTrailerAt(std::FILE* stream, int64_t at) {
  constexpr int64_t kOffsetAndKind = 5;
  if (at < kOffsetAndKind) return false;
  unsigned char bytes[4];
  if (!readAt(stream, at - 4, bytes, sizeof bytes)) return false;
  int64_t indexOffset = decodeBigEndian32(bytes);
  return indexOffset > 0 && indexOffset <= at - kOffsetAndKind;
}

}  // namespace

int64_t findTrailerTail(std::FILE* stream, int64_t streamBytes) {
  if (streamBytes < kIdentificationBytes) throw LauncherException(kIdentificationUnreadable);
  int64_t high = streamBytes;
  for (;;) {
    int64_t low = high > kSearchBlock ? high - kSearchBlock : 0;
    int64_t found = searchBlock(stream, low, high);
    if (found >= 0 && plausibleTrailerAt(stream, found))
      return streamBytes - found - kIdentificationBytes;
    if (found >= 0) {
      high = found + kIdentificationBytes - 1;
      continue;
    }
    if (low == 0) return 0;
    // The next block overlaps by three bytes so that a value across the border is seen.
    high = low + kIdentificationBytes - 1;
  }
}

int readLauncherKind(std::FILE* stream, int64_t streamBytes, int64_t tail) {
  int64_t position = streamBytes - tail - kTrailerSize;
  unsigned char kind = 0;
  if (position < 0 || !readAt(stream, position, &kind, 1)) return -1;
  return kind;
}

}  // namespace vd
