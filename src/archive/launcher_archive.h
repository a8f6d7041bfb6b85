#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

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

class InstructionInterpreter;

// The embedded files of the running executable and what was loaded from them.
class LauncherArchive {
 public:
  LauncherArchive();
  ~LauncherArchive();
  LauncherArchive(const LauncherArchive&) = delete;
  LauncherArchive& operator=(const LauncherArchive&) = delete;

  // Reads the file index of the launcher file once per process; with `load`, then parses the
  // embedded text files from the same stream.
  void open(bool load);
  bool opened() const { return opened_; }

  int entryCount() const { return static_cast<int>(entries_.size()); }
  const FileIndexEntry* entryAt(int position) const;
  const FileIndexEntry* entryById(int32_t fileId) const;

  // What loading filled in (the embedded files or the files an input file names).
  std::vector<std::unique_ptr<TagFile>> loadedTagFiles;
  const TagFile* instructionsFile = nullptr;  // not owned: an entry's content or a loaded file
  std::unique_ptr<InstructionInterpreter> program;
  const TagFile* launchScriptFile = nullptr;
  std::vector<const TagFile*> jvmFiles;
  bool jvmListSupplied = false;
  std::string jvmNotFoundMessage;
  std::string verifyClassPath;
  std::string verifyClassName;

  // Remembered by the trailer search: bytes after the identification value, and the kind of
  // the launcher's own file (-2 while unknown).
  int64_t tailSize = 0;
  int cachedLauncherKind = -2;

 private:
  std::vector<FileIndexEntry> entries_;
  bool opened_ = false;
};

// The kind byte of the named launcher file, or -1 when the file cannot be opened.
int launcherKind(const std::string& path);

}  // namespace vd
