#pragma once
// The Windows backend's SystemHandle: any kernel handle, closed with CloseHandle.
#include <windows.h>

#include <memory>

#include "platform/scoped_handle.h"

namespace vd::platform {

class KernelHandle : public SystemHandle {
 public:
  explicit KernelHandle(HANDLE handle) : handle_(handle) {}
  ~KernelHandle() override { CloseHandle(handle_); }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

inline ScopedHandle holdHandle(HANDLE handle) {
  return ScopedHandle(std::make_unique<KernelHandle>(handle));
}

inline HANDLE kernelHandleOf(SystemHandle& handle) {
  return static_cast<KernelHandle&>(handle).get();
}

}  // namespace vd::platform
