#pragma once
// The records of the file index: one per embedded file of the launcher archive.
#include <cstdint>
#include <memory>
#include <string>

#include "archive/tag_file.h"

namespace vd {

enum EmbeddedFileType : int {
  Instructions = 0,
  JvmFile = 1,
  LaunchScriptFile = 2,
  ClassPathArchive = 3,
  JvmInstaller = 4,
  VerifyArchive = 5,
  ApplicationArchive = 6,
  EmbeddedLauncher = 7,
  JvmMessage = 8,
};
inline constexpr int kEmbeddedFileTypeCount = 9;

// The type's name ("Instructions", ...), or null outside 0 to 8.
const char* embeddedFileTypeName(int type);
// The type of a name as embeddedFileTypeName gives it, or -1.
int embeddedFileTypeByName(const std::string& name);
// Whether the entry is a text file that is parsed when the archive is opened with loading.
bool isEmbeddedTextFile(int type);

struct FileIndexEntry {
  int type = 0;
  std::unique_ptr<TagFile> content;  // parsed text files (types 0, 1, 2, 8) once loaded
  int32_t fileId = -1;
  uint32_t length = 0;
  uint32_t offset = 0;
  std::string name;
  bool compressed = false;
  uint32_t decompressedCount = 0;
  uint32_t decompressedSize = 0;
};

}  // namespace vd
