#include <vector>

#include "archive/entry_name.h"
#include "launcher/exceptions.h"
#include "launcher_index.h"
#include "pack_writer.h"
#include "platform/file_copy.h"
#include "platform/file_operations.h"
#include "platform/path.h"

namespace vd::pack {
namespace {

constexpr size_t kCopyChunk = 1 << 20;

void writeEntry(std::FILE* launcher, const FileIndexEntry& entry, const std::string& target) {
  if (!platform::seekFile(launcher, entry.offset, SEEK_SET))
    throw LauncherException("cannot read " + entry.name + " from the launcher file");
  platform::UniqueFile out = platform::openFile(target, "wb");
  if (!out) throw LauncherException("cannot create " + target);
  std::vector<char> buffer(kCopyChunk);
  uint64_t remaining = entry.length;
  while (remaining > 0) {
    size_t wanted = remaining < kCopyChunk ? static_cast<size_t>(remaining) : kCopyChunk;
    platform::ChunkCopy copy =
        platform::copyChunkThroughBuffer(launcher, out.get(), buffer.data(), wanted);
    if (copy.writeFailed) throw LauncherException("cannot write " + target);
    if (copy.sourceEnded) throw LauncherException("the launcher file ends inside " + entry.name);
    remaining -= copy.bytes;
  }
  if (std::fclose(out.release()) != 0) throw LauncherException("cannot write " + target);
}

}  // namespace

void extractLauncher(const std::string& path, const std::string& directory) {
  LauncherIndex index = openLauncherIndex(path);
  // Every name is checked before anything is written, as the launcher's extract mode does.
  for (const FileIndexEntry& entry : index.entries) checkEntryName(entry.name);
  if (!platform::isDirectory(directory) && !platform::createDirectory(directory))
    throw LauncherException("cannot create the directory " + directory);
  for (const FileIndexEntry& entry : index.entries)
    writeEntry(index.file.get(), entry, platform::joinPath(directory, entry.name));
}

}  // namespace vd::pack
