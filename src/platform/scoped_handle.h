#pragma once
#include <memory>

namespace vd::platform {

// A system object the launcher holds open: a pipe end, a process, a thread. Each backend
// derives its own kinds; destroying one closes it.
class SystemHandle {
 public:
  virtual ~SystemHandle() = default;
};

// Owns at most one system handle and closes it when closed or destroyed. Closing an empty
// holder does nothing and leaves it empty.
class ScopedHandle {
 public:
  ScopedHandle() = default;
  explicit ScopedHandle(std::unique_ptr<SystemHandle> handle) : handle_(std::move(handle)) {}
  ScopedHandle(ScopedHandle&&) = default;
  ScopedHandle& operator=(ScopedHandle&&) = default;

  bool empty() const { return handle_ == nullptr; }
  SystemHandle* get() const { return handle_.get(); }
  void close() { handle_.reset(); }

 private:
  std::unique_ptr<SystemHandle> handle_;
};

}  // namespace vd::platform
