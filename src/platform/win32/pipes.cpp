#include <windows.h>

#include "platform/child_process.h"
#include "platform/win32/win32_handles.h"

namespace vd::platform {

bool createPipe(Pipe& pipe) {
  SECURITY_ATTRIBUTES security{};
  security.nLength = sizeof security;
  security.bInheritHandle = TRUE;
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &security, 0)) return false;
  pipe.readEnd = holdHandle(readEnd);
  pipe.writeEnd = holdHandle(writeEnd);
  // The child needs only the write end; an inherited read end would serve no one.
  return SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0) != 0;
}

PipeResult bytesWaiting(SystemHandle& readEnd) {
  DWORD available = 0;
  if (PeekNamedPipe(kernelHandleOf(readEnd), nullptr, 0, nullptr, &available, nullptr))
    return {PipeStatus::kOk, available};
  return {GetLastError() == ERROR_BROKEN_PIPE ? PipeStatus::kBroken : PipeStatus::kFailed, 0};
}

PipeResult readPipe(SystemHandle& readEnd, char* buffer, size_t size) {
  DWORD count = 0;
  if (ReadFile(kernelHandleOf(readEnd), buffer, static_cast<DWORD>(size), &count, nullptr))
    return {count == 0 ? PipeStatus::kBroken : PipeStatus::kOk, count};
  return {GetLastError() == ERROR_BROKEN_PIPE ? PipeStatus::kBroken : PipeStatus::kFailed, 0};
}

}  // namespace vd::platform
