#pragma once
// The fuzzer's bytes as a read-only stream, as the readers get a file.
#include <cstdint>
#include <cstdio>

namespace vd::fuzz {

class InputStream {
 public:
  InputStream(const uint8_t* data, size_t size)
      : file_(size == 0 ? nullptr
                        : fmemopen(const_cast<uint8_t*>(data), size, "rb")) {}
  ~InputStream() {
    if (file_) std::fclose(file_);
  }
  InputStream(const InputStream&) = delete;
  InputStream& operator=(const InputStream&) = delete;
  std::FILE* get() const { return file_; }

 private:
  std::FILE* file_;
};

}  // namespace vd::fuzz
