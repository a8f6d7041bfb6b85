#include "launcher_index.h"

#include "archive/archive_format.h"
#include "archive/archive_reader.h"
#include "archive/file_index_reader.h"
#include "archive/trailer.h"
#include "launcher/exceptions.h"

namespace vd::pack {
namespace {

bool hasIdentification(std::FILE* file, int64_t size, int64_t tail) {
  int64_t at = size - tail - 4;
  if (at < 0 || !platform::seekFile(file, at, SEEK_SET)) return false;
  ArchiveReader reader(file);
  return reader.readBigEndian32("truncated") == kLauncherIdentification;
}

}  // namespace

LauncherIndex openLauncherIndex(const std::string& path) {
  LauncherIndex index;
  index.file = platform::openFile(path, "rb");
  if (!index.file) throw LauncherException("cannot open " + path);
  std::FILE* file = index.file.get();
  int64_t size = streamSize(file);
  int64_t tail = findTrailerTail(file, size);
  if (!hasIdentification(file, size, tail))
    throw LauncherException(path + " holds no launcher archive");
  index.entries = readFileIndex(file, size, tail);
  return index;
}

}  // namespace vd::pack
