#pragma once
// The POSIX backend's kinds of SystemHandle.
#include <sys/types.h>

#include "platform/scoped_handle.h"

namespace vd::platform {

class FileDescriptorHandle : public SystemHandle {
 public:
  explicit FileDescriptorHandle(int descriptor) : descriptor_(descriptor) {}
  ~FileDescriptorHandle() override;
  int descriptor() const { return descriptor_; }

 private:
  int descriptor_;
};

// A child process. Waiting reaps it, so the result is kept here for later questions.
class ProcessHandle : public SystemHandle {
 public:
  explicit ProcessHandle(pid_t pid) : pid_(pid) {}
  // A child that was never waited for is reaped in the background once it ends.
  ~ProcessHandle() override;

  pid_t pid() const { return pid_; }
  bool reaped() const { return reaped_; }
  int status() const { return status_; }
  void setReaped(int status) {
    reaped_ = true;
    status_ = status;
  }

 private:
  pid_t pid_;
  bool reaped_ = false;
  int status_ = 0;
};

inline int descriptorOf(SystemHandle& handle) {
  return static_cast<FileDescriptorHandle&>(handle).descriptor();
}

inline ProcessHandle& processOf(SystemHandle& handle) {
  return static_cast<ProcessHandle&>(handle);
}

}  // namespace vd::platform
