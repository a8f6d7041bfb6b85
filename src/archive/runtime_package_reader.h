#pragma once
// Reading the package of the JVM installer (its layout is in runtime_package.h).
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "archive/file_index.h"
#include "platform/files.h"

namespace vd {

struct RuntimePackage {
  platform::UniqueFile file;
  std::vector<FileIndexEntry> entries;
  const FileIndexEntry* jvmFile = nullptr;  // one of `entries`
};

// Opens the package appended to the file at `path` and checks its whole index before anything
// is written: a trailer and index as the launcher reads them, known entry kinds, paths that
// stay below the destination, no path twice or below a file, directories without bytes and
// exactly one jvm file named "jvm". Raises LauncherException naming the first problem.
RuntimePackage openRuntimePackage(const std::string& path);

// Reads every entry's bytes and compares their CRC-32 with the index; raises
// LauncherException for the first entry that differs or is cut short.
void checkRuntimeChecksums(const RuntimePackage& package);

// Hands the entry's bytes to `chunk` in pieces of at most 64 KiB; raises LauncherException
// when the package ends inside the entry.
void readEntryChunks(std::FILE* package, const FileIndexEntry& entry,
                     const std::function<void(const char*, size_t)>& chunk);

}  // namespace vd
