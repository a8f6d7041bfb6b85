#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "platform/child_process.h"
#include "platform/posix/posix_handles.h"

namespace vd::platform {

FileDescriptorHandle::~FileDescriptorHandle() { ::close(descriptor_); }

bool createPipe(Pipe& pipe) {
  // Close-on-exec for both ends: the child gets the write end only through the dup2 onto its
  // standard stream, so no other child inherits it and the end of output is seen on time.
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) return false;
  pipe.readEnd = ScopedHandle(std::make_unique<FileDescriptorHandle>(ends[0]));
  pipe.writeEnd = ScopedHandle(std::make_unique<FileDescriptorHandle>(ends[1]));
  return true;
}

PipeResult bytesWaiting(SystemHandle& readEnd) {
  int descriptor = descriptorOf(readEnd);
  // Hang-up first: once the writer is gone no more data can arrive, so an empty pipe after a
  // hang-up is finished.
  pollfd query{descriptor, POLLIN, 0};
  int ready = poll(&query, 1, 0);
  if (ready < 0 && errno != EINTR) return {PipeStatus::kFailed, 0};
  bool hungUp = ready > 0 && (query.revents & (POLLHUP | POLLERR)) != 0;
  int waiting = 0;
  if (ioctl(descriptor, FIONREAD, &waiting) != 0) return {PipeStatus::kFailed, 0};
  if (waiting > 0) return {PipeStatus::kOk, static_cast<size_t>(waiting)};
  return {hungUp ? PipeStatus::kBroken : PipeStatus::kOk, 0};
}

PipeResult readPipe(SystemHandle& readEnd, char* buffer, size_t size) {
  for (;;) {
    ssize_t count = ::read(descriptorOf(readEnd), buffer, size);
    if (count > 0) return {PipeStatus::kOk, static_cast<size_t>(count)};
    if (count == 0) return {PipeStatus::kBroken, 0};
    if (errno != EINTR) return {PipeStatus::kFailed, 0};
  }
}

}  // namespace vd::platform
