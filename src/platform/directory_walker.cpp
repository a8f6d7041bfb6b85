#include "platform/directory_walker.h"

#include "launcher/exceptions.h"
#include "launcher/process_state.h"
#include "launcher/text.h"
#include "platform/directory_listing.h"
#include "platform/path.h"
#include "ui/status.h"

namespace vd {
namespace {

constexpr int kFilesPerProgressStep = 100;

std::string withSeparator(const std::string& dir) {
  if (dir.empty() || dir.back() == platform::kPathSeparator) return dir;
  return dir + platform::kPathSeparator;
}

bool isDotEntry(const std::string& name) { return name == "." || name == ".."; }

}  // namespace

bool DirectoryWalker::walk(const std::string& startDir) {
  stack_.clear();
  visited_.clear();
  stack_.push_back(startDir);
  bool found = false;
  int files = 0;
  while (!stack_.empty() && !found && !cancelled()) {
    std::string dir = stack_.back();
    stack_.pop_back();
    visited_.push_back(dir);
    dir = withSeparator(dir);
    if (!skipDirectory(dir)) found = listDirectory(dir, files);
  }
  return found;
}

bool DirectoryWalker::skipDirectory(const std::string&) { return false; }

bool DirectoryWalker::cancelled() const {
  return cancellable_ && processState().cancelRequested.load();
}

bool DirectoryWalker::listDirectory(const std::string& dir, int& files) {
  platform::DirectoryListing listing(dir);
  if (!listing.isOpen()) return false;
  platform::DirectoryEntry entry;
  for (;;) {
    platform::DirectoryListing::Step step = listing.next(entry);
    if (step == platform::DirectoryListing::Step::kEnd) return false;
    if (step == platform::DirectoryListing::Step::kError)
      throw LauncherException(systemErrorText(listing.error()));
    if (isDotEntry(entry.name)) continue;
    std::string full = dir + entry.name;
    if (entry.directory) {
      stack_.push_back(full);
    } else {
      bool found = onFile(full);
      if (++files % kFilesPerProgressStep == 0) stepProgress(1);
      if (found) return true;
    }
    if (cancelled()) return false;
  }
}

}  // namespace vd
