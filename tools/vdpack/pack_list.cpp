#include <cinttypes>

#include "archive/archive_format.h"
#include "archive/archive_reader.h"
#include "archive/file_index_reader.h"
#include "archive/trailer.h"
#include "launcher/exceptions.h"
#include "pack_writer.h"
#include "platform/files.h"

namespace vd::pack {
namespace {

bool hasIdentification(std::FILE* file, int64_t size, int64_t tail) {
  int64_t at = size - tail - 4;
  if (at < 0 || !platform::seekFile(file, at, SEEK_SET)) return false;
  ArchiveReader reader(file);
  return reader.readBigEndian32("truncated") == kLauncherIdentification;
}

void printEntry(std::FILE* out, const FileIndexEntry& entry) {
  std::fprintf(out, "%d %s id=%" PRId32 " length=%" PRIu32 " offset=%" PRIu32, entry.type,
               embeddedFileTypeName(entry.type), entry.fileId, entry.length, entry.offset);
  if (entry.compressed)
    std::fprintf(out, " compressed=%" PRIu32 ":%" PRIu32, entry.decompressedCount,
                 entry.decompressedSize);
  std::fprintf(out, " name=%s\n", entry.name.c_str());
}

}  // namespace

void listLauncher(const std::string& path, std::FILE* out) {
  platform::UniqueFile file = platform::openFile(path, "rb");
  if (!file) throw LauncherException("cannot open " + path);
  int64_t size = streamSize(file.get());
  int64_t tail = findTrailerTail(file.get(), size);
  if (!hasIdentification(file.get(), size, tail))
    throw LauncherException(path + " holds no launcher archive");
  for (const FileIndexEntry& entry : readFileIndex(file.get(), size, tail))
    printEntry(out, entry);
}

}  // namespace vd::pack
