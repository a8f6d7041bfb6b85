#include "platform/temp_files.h"

#include <algorithm>
#include <cctype>

#include "launcher/exceptions.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "launcher/text.h"
#include "platform/file_operations.h"
#include "platform/file_removal.h"
#include "platform/self_deletion.h"
#include "platform/sleep.h"
#include "platform/system_error.h"
#include "platform/temp_names.h"

namespace vd {
namespace {

constexpr unsigned kTempDirMissingResource = 36;
constexpr const char* kNamePrefix = "LRE";
// A name the system refuses for a moment (access denied) is asked for again, for a while.
constexpr unsigned kNameRetryPause = 200;
constexpr int kNameAttempts = 50;
// A directory whose name was taken in the meantime is given up for a new name.
constexpr int kDirectoryAttempts = 10;
// A path still in use at exit is tried again, for a few seconds, and then left behind.
constexpr unsigned kRemovalRetryPause = 50;
constexpr int kRemovalAttempts = 60;

TempFileState& state() { return processState().tempFiles; }

// Keeps the worker thread and the window thread off the lists at the same time.
class ListsLock {
 public:
  ListsLock() {
    while (state().listsBusy.exchange(true, std::memory_order_acquire)) platform::sleepMilliseconds(1);
  }
  ~ListsLock() { state().listsBusy.store(false, std::memory_order_release); }
  ListsLock(const ListsLock&) = delete;
  ListsLock& operator=(const ListsLock&) = delete;
};

void registerPath(std::vector<std::string>& list, const std::string& path) {
  ListsLock lock;
  list.push_back(path);
}

std::string newTempName() {
  for (int attempt = 1;; ++attempt) {
    std::optional<std::string> name = platform::createUniqueFile(tempDirectory(), kNamePrefix);
    if (name) return *name;
    uint32_t code = platform::lastErrorCode();
    if (!platform::isTransientTempNameError(code) || attempt >= kNameAttempts)
      throw LauncherException("GetTempFileName failed  ==>  " + systemErrorText(code));
    platform::sleepMilliseconds(kNameRetryPause);
  }
}

bool equalIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

void forget(std::vector<std::string>& list, const std::string& path) {
  ListsLock lock;
  auto it = std::find_if(list.begin(), list.end(),
                         [&](const std::string& entry) { return equalIgnoringCase(entry, path); });
  if (it != list.end()) list.erase(it);
}

bool removeWithRetries(const std::string& path, const char* trace) {
  for (int attempt = 1;; ++attempt) {
    if (processState().debugLog.enabled) writeDebug(trace + path, true);
    try {
      deletePath(path);
    } catch (const LauncherException& e) {
      writeLog(e.message(), kLogWarning);
    }
    if (platform::pathInfo(path).kind == platform::PathKind::kMissing) return true;
    if (attempt >= kRemovalAttempts) return false;
    platform::sleepMilliseconds(kRemovalRetryPause);
  }
}

// Newest first; a path that stays is left behind so that the rest still goes.
void removeAll(std::vector<std::string>& list, const char* trace) {
  while (!list.empty()) {
    removeWithRetries(list.back(), trace);
    list.pop_back();
  }
}

}  // namespace

void setTempDirectory(const std::string& directory) { state().tempDirectory = directory; }

std::string tempDirectory() {
  std::string& dir = state().tempDirectory;
  if (dir.empty()) dir = platform::systemTempPath();
  if (!platform::isDirectory(dir))
    throw LauncherException(formatResource(kTempDirMissingResource, {dir}));
  return dir;
}

std::string createTempDirectory() {
  for (int attempt = 1;; ++attempt) {
    std::string path = newTempName();
    platform::removeFile(path);
    if (platform::createDirectory(path)) {
      registerPath(state().directories, path);
      return path;
    }
    if (attempt >= kDirectoryAttempts)
      throw LauncherException("CreateDirectory failed  ==>  " + lastErrorText());
  }
}

std::string createTempFileName() {
  std::string path = newTempName();
  registerPath(state().files, path);
  return path;
}

void forgetTempFile(const std::string& path) { forget(state().files, path); }
void forgetTempDirectory(const std::string& path) { forget(state().directories, path); }

void cleanupTempFiles() {
  {
    ListsLock lock;
    removeAll(state().directories, "Launcher: Deleting dir: ");
    removeAll(state().files, "Launcher: Deleting file: ");
  }
  if (processState().settings.origGiven && !state().selfDeletionScheduled.exchange(true))
    scheduleSelfDeletion();
}

TempFilesCleanup::~TempFilesCleanup() {
  try {
    cleanupTempFiles();
  } catch (...) {
  }
}

}  // namespace vd
