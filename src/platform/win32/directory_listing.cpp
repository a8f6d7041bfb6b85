#include "platform/directory_listing.h"

#include <windows.h>

namespace vd::platform {

struct DirectoryListing::Handle {
  HANDLE find = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAA data{};
  bool pending = false;  // the entry FindFirstFile returned has not been handed out yet
};

DirectoryListing::DirectoryListing(const std::string& directory) : handle_(new Handle) {
  std::string pattern = directory + "*";
  handle_->find = FindFirstFileA(pattern.c_str(), &handle_->data);
  if (handle_->find == INVALID_HANDLE_VALUE)
    error_ = GetLastError();
  else
    handle_->pending = true;
}

DirectoryListing::~DirectoryListing() {
  if (handle_->find != INVALID_HANDLE_VALUE) FindClose(handle_->find);
}

bool DirectoryListing::isOpen() const { return handle_->find != INVALID_HANDLE_VALUE; }

DirectoryListing::Step DirectoryListing::next(DirectoryEntry& entry) {
  if (handle_->find == INVALID_HANDLE_VALUE) return Step::kEnd;
  if (!handle_->pending && !FindNextFileA(handle_->find, &handle_->data)) {
    DWORD code = GetLastError();
    if (code == ERROR_NO_MORE_FILES) return Step::kEnd;
    error_ = code;
    return Step::kError;
  }
  handle_->pending = false;
  DWORD attributes = handle_->data.dwFileAttributes;
  entry.name = handle_->data.cFileName;
  entry.directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
                    (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
  return Step::kEntry;
}

}  // namespace vd::platform
