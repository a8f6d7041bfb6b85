#include "archive/launcher_archive.h"

#include <algorithm>

#include "archive/archive_reader.h"
#include "archive/embedded_files.h"
#include "archive/file_index_reader.h"
#include "archive/trailer.h"
#include "instructions/interpreter.h"
#include "launcher/exceptions.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "platform/files.h"

namespace vd {
namespace {

// The tail of the launcher's own file. The trailer search normally ran before (the progress
// window asks for the kind when it is created); a file too short for it has no tail.
int64_t ownTail(const std::string& launcherFile) {
  try {
    launcherKind(launcherFile);
  } catch (const LauncherException&) {
    return 0;
  }
  return processState().archive.tailSize;
}

std::string describeEntry(const FileIndexEntry& entry) {
  return "file type: " + std::to_string(entry.type) + "\n  file id: " +
         std::to_string(entry.fileId) + "\n  length: " + std::to_string(entry.length) +
         "\n  offset: " + std::to_string(entry.offset) + "\n  file name: " + entry.name;
}

}  // namespace

LauncherArchive::LauncherArchive() = default;
LauncherArchive::~LauncherArchive() = default;

void LauncherArchive::open(bool load) {
  if (opened_) return;
  platform::UniqueFile launcher = platform::openFile(processState().settings.launcherFile, "rb");
  if (!launcher) throw LauncherException("Cannot open launcher file.");
  try {
    readIndex(launcher.get(), load);
  } catch (const LauncherException&) {
    discardEntries();
    throw;
  } catch (...) {
    // Anything else ends the work quietly with what was read so far.
  }
  opened_ = true;
}

void LauncherArchive::readIndex(std::FILE* launcher, bool load) {
  int64_t tail = ownTail(processState().settings.launcherFile);
  entries_ = readFileIndex(launcher, streamSize(launcher), tail);
  logEntries();
  if (load) loadEmbeddedTextFiles(*this, launcher);
}

void LauncherArchive::logEntries() const {
  for (const FileIndexEntry& entry : entries_) writeLog(describeEntry(entry));
}

void LauncherArchive::discardEntries() {
  for (const FileIndexEntry& entry : entries_) {
    const TagFile* content = entry.content.get();
    if (!content) continue;
    if (instructionsFile == content) {
      program.reset();
      instructionsFile = nullptr;
    }
    if (launchScriptFile == content) launchScriptFile = nullptr;
    std::erase(jvmFiles, content);
  }
  entries_.clear();
}

const FileIndexEntry* LauncherArchive::entryAt(int position) const {
  if (position < 0 || position >= entryCount()) return nullptr;
  return &entries_[static_cast<size_t>(position)];
}

const FileIndexEntry* LauncherArchive::entryById(int32_t fileId) const {
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [&](const FileIndexEntry& entry) { return entry.fileId == fileId; });
  return it == entries_.end() ? nullptr : &*it;
}

}  // namespace vd
