#include <cinttypes>

#include "archive/file_index.h"
#include "launcher_index.h"
#include "pack_writer.h"

namespace vd::pack {
namespace {

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
  for (const FileIndexEntry& entry : openLauncherIndex(path).entries) printEntry(out, entry);
}

}  // namespace vd::pack
