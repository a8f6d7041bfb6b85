#include "archive/runtime_package_reader.h"

#include <set>
#include <vector>

#include "archive/archive_reader.h"
#include "archive/file_index_reader.h"
#include "archive/runtime_package.h"
#include "archive/trailer.h"
#include "launcher/exceptions.h"

namespace vd {
namespace {

constexpr size_t kChunk = 64 * 1024;

[[noreturn]] void damaged(const std::string& detail) {
  throw LauncherException("The runtime package is damaged: " + detail);
}

void checkEntry(const FileIndexEntry& entry) {
  if (entry.type >= kRuntimeEntryKindCount)
    damaged("the entry " + entry.name + " has the unknown type " + std::to_string(entry.type) +
            ".");
  std::string problem = runtimePathProblem(entry.name);
  if (!problem.empty()) damaged("the entry name \"" + entry.name + "\" " + problem + ".");
  if (entry.type == kRuntimeDirectory && entry.length != 0)
    damaged("the directory " + entry.name + " has bytes.");
  if (entry.type == kRuntimeJvmFile && entry.name != kRuntimeJvmFileName)
    damaged("the jvm file is named " + entry.name + " instead of " + kRuntimeJvmFileName + ".");
}

// A path given twice would be written twice; one below a file could not be written at all.
void checkPaths(const std::vector<FileIndexEntry>& entries) {
  std::set<std::string> names;
  std::set<std::string> files;
  for (const FileIndexEntry& entry : entries) {
    if (!names.insert(entry.name).second) damaged(entry.name + " is in it twice.");
    if (entry.type != kRuntimeDirectory) files.insert(entry.name);
  }
  for (const std::string& name : names)
    for (size_t slash = name.find('/'); slash != std::string::npos;
         slash = name.find('/', slash + 1))
      if (files.count(name.substr(0, slash)))
        damaged(name + " lies below the file " + name.substr(0, slash) + ".");
}

const FileIndexEntry* findJvmFile(const std::vector<FileIndexEntry>& entries) {
  const FileIndexEntry* found = nullptr;
  for (const FileIndexEntry& entry : entries) {
    if (entry.type != kRuntimeJvmFile) continue;
    if (found) damaged("it holds two jvm files.");
    found = &entry;
  }
  if (!found) damaged("it holds no jvm file.");
  return found;
}

}  // namespace

RuntimePackage openRuntimePackage(const std::string& path) {
  RuntimePackage package;
  package.file = platform::openFile(path, "rb");
  if (!package.file) throw LauncherException("Cannot open " + path + ".");
  std::FILE* file = package.file.get();
  int64_t size = streamSize(file);
  withContext("The runtime package is damaged: ", [&] {
    package.entries = readFileIndex(file, size, findTrailerTail(file, size));
  });
  // Without its trailer the file has no index at all: the end of the package was cut off.
  if (package.entries.empty()) damaged("no file index at the end of " + path + ".");
  for (const FileIndexEntry& entry : package.entries) checkEntry(entry);
  checkPaths(package.entries);
  package.jvmFile = findJvmFile(package.entries);
  return package;
}

void readEntryChunks(std::FILE* package, const FileIndexEntry& entry,
                     const std::function<void(const char*, size_t)>& chunk) {
  if (!platform::seekFile(package, entry.offset, SEEK_SET)) damaged("cannot read " + entry.name);
  std::vector<char> buffer(kChunk);
  uint64_t remaining = entry.length;
  while (remaining > 0) {
    size_t wanted = remaining < kChunk ? static_cast<size_t>(remaining) : kChunk;
    size_t got = std::fread(buffer.data(), 1, wanted, package);
    if (got == 0) damaged("the package ends inside " + entry.name + ".");
    chunk(buffer.data(), got);
    remaining -= got;
  }
}

void checkRuntimeChecksums(const RuntimePackage& package) {
  for (const FileIndexEntry& entry : package.entries) {
    uint32_t crc = 0;
    readEntryChunks(package.file.get(), entry,
                    [&crc](const char* bytes, size_t size) { crc = updateCrc32(crc, bytes, size); });
    if (crc != static_cast<uint32_t>(entry.fileId))
      damaged(entry.name + " does not match its checksum.");
  }
}

}  // namespace vd
