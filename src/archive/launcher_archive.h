#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "archive/file_index.h"
#include "archive/tag_file.h"
#include "jvm/jvm_search.h"
#include "launch/launch_script.h"

namespace vd {

class InstructionInterpreter;

// The embedded files of the running executable and what was loaded from them.
class LauncherArchive {
 public:
  LauncherArchive();
  ~LauncherArchive();
  LauncherArchive(const LauncherArchive&) = delete;
  LauncherArchive& operator=(const LauncherArchive&) = delete;

  // Reads the file index of the launcher file once per process; with `load`, then parses the
  // embedded text files from the same stream. A failed open leaves the archive unopened.
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
  // Made from the files above: the launch script (the first one loaded) and the JVM search
  // with one descriptor per jvm file, in load order.
  std::unique_ptr<LaunchScript> launchScript;
  JvmSearch jvmSearch;
  bool jvmListSupplied = false;
  std::string jvmNotFoundMessage;
  std::string verifyClassPath;
  std::string verifyClassName;

  // Remembered by the trailer search of the launcher's own file: bytes after the
  // identification value, and the file's kind (-2 while unknown).
  int64_t tailSize = 0;
  int cachedLauncherKind = -2;

 private:
  friend void loadEmbeddedTextFiles(LauncherArchive& archive, std::FILE* launcher);
  void readIndex(std::FILE* launcher, bool load);
  void logEntries() const;
  // Forgets the entries and everything loaded from their content.
  void discardEntries();

  std::vector<FileIndexEntry> entries_;
  bool opened_ = false;
};

// The kind byte of the named launcher file, or -1 when the file cannot be opened or is too
// short for it; a file of fewer than 4 bytes raises "Unable to read launcher identification
// value.". The result for the launcher's own file is found once and kept, with its tail.
int launcherKind(const std::string& path);

}  // namespace vd
