#include "platform/directory_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace vd::platform {

struct DirectoryListing::Handle {
  DIR* dir = nullptr;
};

DirectoryListing::DirectoryListing(const std::string& directory) : handle_(new Handle) {
  handle_->dir = opendir(directory.empty() ? "." : directory.c_str());
  if (!handle_->dir) error_ = static_cast<uint32_t>(errno);
}

DirectoryListing::~DirectoryListing() {
  if (handle_->dir) closedir(handle_->dir);
}

bool DirectoryListing::isOpen() const { return handle_->dir != nullptr; }

namespace {

bool isRealDirectory(DIR* dir, const dirent* entry) {
  if (entry->d_type != DT_UNKNOWN) return entry->d_type == DT_DIR;
  struct stat st;
  if (fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) return false;
  return S_ISDIR(st.st_mode);
}

}  // namespace

DirectoryListing::Step DirectoryListing::next(DirectoryEntry& entry) {
  if (!handle_->dir) return Step::kEnd;
  errno = 0;
  const dirent* found = readdir(handle_->dir);
  if (!found) {
    if (errno == 0) return Step::kEnd;
    error_ = static_cast<uint32_t>(errno);
    return Step::kError;
  }
  entry.name = found->d_name;
  entry.directory = isRealDirectory(handle_->dir, found);
  return Step::kEntry;
}

}  // namespace vd::platform
