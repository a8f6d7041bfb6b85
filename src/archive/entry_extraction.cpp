// Writing embedded files to disk: one entry into a directory, or all of them for extract mode.
#include <cerrno>
#include <vector>

#include "archive/embedded_files.h"
#include "archive/entry_name.h"
#include "launcher/exceptions.h"
#include "launcher/process_state.h"
#include "platform/disk_space.h"
#include "platform/file_copy.h"
#include "platform/files.h"
#include "platform/path.h"
#include "ui/status.h"

namespace vd {
namespace {

constexpr size_t kCopyChunk = 61439;
constexpr const char* kInputFileName = "input.tag";

[[noreturn]] void writeFailed(const std::string& detail) {
  throw LauncherException(messageText(kMsgErrorWritingFile) + detail +
                          messageText(kMsgTempDiskSpace));
}

void checkDiskSpace(const FileIndexEntry& entry, const std::string& directory) {
  uint64_t bytes = entry.length;
  uint64_t files = 1;
  if (entry.compressed) {
    bytes += entry.decompressedSize;
    files += entry.decompressedCount;
  }
  if (!platform::hasEnoughDiskSpace(directory, bytes, files)) writeFailed(std::string());
}

platform::UniqueFile openEntrySource(const FileIndexEntry& entry) {
  platform::UniqueFile source = platform::openFile(processState().settings.launcherFile, "rb");
  if (!source) throw LauncherException("Cannot open launcher file.");
  // Chunks go straight between the files (or through the one buffer below), not via stdio's.
  std::setvbuf(source.get(), nullptr, _IONBF, 0);
  if (!platform::seekFile(source.get(), entry.offset, SEEK_SET))
    throw LauncherException("Invalid file index offset.");
  return source;
}

struct CopyOutcome {
  bool failed = false;
  int errorNumber = 0;
  bool sourceEnded = false;
};

// A flush and a progress step after every chunk; the cancel request is read between chunks.
void copyChunks(std::FILE* source, std::FILE* target, uint32_t length, CopyOutcome& outcome) {
  std::vector<char> buffer(kCopyChunk);
  uint64_t remaining = length;
  while (remaining > 0 && !outcome.failed && !outcome.sourceEnded &&
         !processState().cancelRequested) {
    size_t wanted = remaining < kCopyChunk ? static_cast<size_t>(remaining) : kCopyChunk;
    platform::ChunkCopy copy = platform::copyChunk(source, target, buffer.data(), wanted);
    outcome.failed = copy.writeFailed;
    outcome.errorNumber = copy.errorNumber;
    outcome.sourceEnded = copy.sourceEnded;
    remaining -= copy.bytes;
    stepProgress(1);
  }
}

void closeTarget(platform::UniqueFile& target, CopyOutcome& outcome) {
  errno = 0;
  if (std::fclose(target.release()) != 0 && !outcome.failed) {
    outcome.failed = true;
    outcome.errorNumber = errno;
  }
}

}  // namespace

std::string extractEntry(const FileIndexEntry& entry, const std::string& directory) {
  checkEntryName(entry.name);
  checkDiskSpace(entry, directory);
  std::string targetPath = platform::joinPath(directory, entry.name);
  platform::UniqueFile source = openEntrySource(entry);
  CopyOutcome outcome;
  errno = 0;
  platform::UniqueFile target = platform::openFile(targetPath, "wb");
  if (!target) {
    outcome.failed = true;
    outcome.errorNumber = errno;
  } else {
    std::setvbuf(target.get(), nullptr, _IONBF, 0);  // before anything else is done with it
    copyChunks(source.get(), target.get(), entry.length, outcome);
    closeTarget(target, outcome);
  }
  if (outcome.failed) writeFailed(std::to_string(outcome.errorNumber));
  if (processState().cancelRequested) throw LauncherException(messageText(kMsgCanceled));
  // The index was checked against the file moments ago; a shorter file now is not a copy.
  if (outcome.sourceEnded)
    throw LauncherException("The launcher file ended inside the embedded file " + entry.name +
                            ".");
  return targetPath;
}

void extractAll(LauncherArchive& archive) {
  for (int i = 0; i < archive.entryCount(); ++i) checkEntryName(archive.entryAt(i)->name);
  TagFile inputFile;
  inputFile.set("ACTION", "RUN_INSTRUCTIONS");
  for (int i = 0; i < archive.entryCount(); ++i) {
    const FileIndexEntry& entry = *archive.entryAt(i);
    if (entry.type == JvmFile) inputFile.add("JVM", entry.name);
    if (entry.type == LaunchScriptFile) inputFile.set("LAUNCHSCRIPT", entry.name);
    if (entry.type == Instructions) inputFile.set("INSTRUCTIONS", entry.name);
    if (entry.type == JvmMessage) inputFile.set("JVMMESSAGE", entry.name);
    extractEntry(entry, std::string());
  }
  inputFile.write(kInputFileName);
}

}  // namespace vd
