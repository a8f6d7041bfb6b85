// The launcher kind of a launcher file, cached for the running executable. Apart from the
// trailer search so that programs reading an archive without the launcher's state (the JVM
// installer stub) do not link that state.
#include <string>

#include "archive/archive_reader.h"
#include "archive/launcher_archive.h"
#include "archive/trailer.h"
#include "launcher/process_state.h"
#include "platform/files.h"

namespace vd {
namespace {

constexpr int kUnknownKind = -2;

struct TrailerFound {
  int kind;
  int64_t tail;
};

TrailerFound searchLauncherFile(const std::string& path) {
  platform::UniqueFile file = platform::openFile(path, "rb");
  if (!file) return {-1, 0};
  int64_t size = streamSize(file.get());
  int64_t tail = findTrailerTail(file.get(), size);
  return {readLauncherKind(file.get(), size, tail), tail};
}

}  // namespace

int launcherKind(const std::string& path) {
  LauncherArchive& archive = processState().archive;
  bool own = path == processState().settings.launcherFile;
  if (own && archive.cachedLauncherKind != kUnknownKind) return archive.cachedLauncherKind;
  TrailerFound found = searchLauncherFile(path);
  if (own) {
    archive.cachedLauncherKind = found.kind;
    archive.tailSize = found.tail;
  }
  return found.kind;
}

}  // namespace vd
