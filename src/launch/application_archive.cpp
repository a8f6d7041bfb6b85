#include "launch/application_archive.h"

#include <cerrno>
#include <cstdio>

#include "archive/embedded_files.h"
#include "launcher/exceptions.h"
#include "launcher/process_state.h"
#include "platform/files.h"
#include "platform/path.h"
#include "platform/temp_files.h"
#include "ui/status.h"

namespace vd {
namespace {

constexpr size_t kCopyBlock = 4096;

std::string& cachedPath() { return processState().applicationArchivePath; }

std::string lastComponent(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Copies the whole of `source` to `target`; raises the disk-space error on a short write.
void copyFile(std::FILE* source, std::FILE* target) {
  char block[kCopyBlock];
  int writeError = 0;
  for (;;) {
    size_t read = std::fread(block, 1, sizeof block, source);
    if (read == 0) break;
    if (std::fwrite(block, 1, read, target) != read && writeError == 0) writeError = errno;
  }
  if (std::fflush(target) != 0 && writeError == 0) writeError = errno;
  if (writeError != 0)
    throw LauncherException(messageText(kMsgErrorWritingFile) + std::to_string(writeError) +
                            messageText(kMsgTempDiskSpace));
}

std::string copiedFromLauncherDirectory(const std::string& fileName) {
  std::string source = platform::joinPath(processState().settings.launcherDirectory(), fileName);
  platform::UniqueFile in = platform::openFile(source, "rb");
  if (!in) return std::string();
  std::string target = platform::joinPath(createTempDirectory(), lastComponent(fileName));
  platform::UniqueFile out = platform::openFile(target, "wb");
  if (!out) return std::string();
  copyFile(in.get(), out.get());
  return target;
}

std::string extractedFromArchive() {
  std::string directory = createTempDirectory();
  std::string path;
  const LauncherArchive& archive = processState().archive;
  for (int i = 0; i < archive.entryCount(); ++i) {
    const FileIndexEntry* entry = archive.entryAt(i);
    if (entry && entry->type == ApplicationArchive) path = extractEntry(*entry, directory);
  }
  return path;
}

}  // namespace

std::string applicationArchivePath() {
  if (cachedPath().empty()) cachedPath() = extractedFromArchive();
  return cachedPath();
}

std::string applicationArchivePath(const std::string& fileName) {
  if (cachedPath().empty()) cachedPath() = copiedFromLauncherDirectory(fileName);
  return cachedPath();
}

}  // namespace vd
