#pragma once
// Files and streams: the C run-time's streams with 64-bit positions on every platform.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace vd::platform {

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// Opens a path given in the 8-bit system code page; null when it cannot be opened.
UniqueFile openFile(const std::string& path, const char* mode);

// Seeks with a 64-bit offset (origin as for fseek); false on failure.
bool seekFile(std::FILE* f, int64_t offset, int origin);
int64_t tellFile(std::FILE* f);

// Size of an open file, or -1.
int64_t fileSize(std::FILE* f);

}  // namespace vd::platform
