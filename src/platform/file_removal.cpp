#include "platform/file_removal.h"

#include "launcher/log.h"
#include "launcher/text.h"
#include "platform/directory_walker.h"
#include "platform/file_operations.h"

namespace vd {
namespace {

// Removes every file it is shown; the directories are left for afterwards, when they are empty.
class TreeDeleter : public DirectoryWalker {
 public:
  TreeDeleter() : DirectoryWalker(false) {}
  bool onFile(const std::string& path) override {
    deleteFileOrEmptyDirectory(path);
    return false;
  }
};

void deleteTree(const std::string& dir) {
  TreeDeleter deleter;
  deleter.walk(dir);
  const std::vector<std::string>& visited = deleter.visited();
  for (auto it = visited.rbegin(); it != visited.rend(); ++it) deleteFileOrEmptyDirectory(*it);
}

}  // namespace

void deletePath(const std::string& path) {
  platform::PathKind kind = platform::pathInfo(path).kind;
  if (kind == platform::PathKind::kMissing) return;
  if (kind == platform::PathKind::kDirectory)
    deleteTree(path);
  else
    deleteFileOrEmptyDirectory(path);
}

bool deleteFileOrEmptyDirectory(const std::string& path) {
  platform::PathInfo info = platform::pathInfo(path);
  if (info.kind != platform::PathKind::kMissing && info.readOnly) platform::clearReadOnly(path);
  bool asDirectory = info.kind == platform::PathKind::kDirectory ||
                     info.kind == platform::PathKind::kDirectoryLink;
  bool removed = asDirectory ? platform::removeDirectory(path) : platform::removeFile(path);
  if (!removed)
    writeLog("Could not delete " + path + " :  " + lastErrorText(), kLogWarning);
  return removed;
}

}  // namespace vd
