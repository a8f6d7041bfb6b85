#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace vd::platform {

struct DirectoryEntry {
  std::string name;
  // A real directory; links and junctions count as files, so that a walk never leaves the tree
  // it was started on.
  bool directory = false;
};

// The entries of one directory as the system lists them ("." and ".." included). The system
// handle is closed when the listing is destroyed.
class DirectoryListing {
 public:
  enum class Step { kEntry, kEnd, kError };

  // `directory` ends with the path separator, or is empty for the current directory.
  explicit DirectoryListing(const std::string& directory);
  ~DirectoryListing();
  DirectoryListing(const DirectoryListing&) = delete;
  DirectoryListing& operator=(const DirectoryListing&) = delete;

  // False when the directory could not be listed at all.
  bool isOpen() const;
  // kError leaves the system's code in error().
  Step next(DirectoryEntry& entry);
  uint32_t error() const { return error_; }

 private:
  struct Handle;
  std::unique_ptr<Handle> handle_;
  uint32_t error_ = 0;
};

}  // namespace vd::platform
