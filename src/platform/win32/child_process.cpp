#include "platform/child_process.h"

#include <windows.h>

#include <vector>

#include "platform/win32/win32_handles.h"

namespace vd::platform {
namespace {

const char* orNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

STARTUPINFOA startupInfo(const ChildStart& start) {
  STARTUPINFOA info{};
  info.cb = sizeof info;
  if (start.standardOutput && start.standardError) {
    info.dwFlags = STARTF_USESTDHANDLES;
    info.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    info.hStdOutput = kernelHandleOf(*start.standardOutput);
    info.hStdError = kernelHandleOf(*start.standardError);
    info.wShowWindow = 0;
  }
  return info;
}

}  // namespace

bool startChild(const ChildStart& start, StartedChild& child) {
  bool inheritHandles = start.standardOutput && start.standardError;
  STARTUPINFOA info = startupInfo(start);
  PROCESS_INFORMATION process{};
  // CreateProcessA may write into the command line, so it gets its own copy.
  std::vector<char> commandLine(start.commandLine.begin(), start.commandLine.end());
  commandLine.push_back('\0');
  if (!CreateProcessA(nullptr, start.commandLine.empty() ? nullptr : commandLine.data(), nullptr,
                      nullptr, inheritHandles ? TRUE : FALSE, start.creationFlags, nullptr,
                      orNull(start.workingDirectory), &info, &process))
    return false;
  child.process = holdHandle(process.hProcess);
  child.thread = holdHandle(process.hThread);
  return true;
}

std::optional<ExitState> pollExit(SystemHandle& process) {
  HANDLE handle = kernelHandleOf(process);
  // The handle's state first: a child that ended with the code 259 cannot be told from a
  // running one by its exit code alone.
  bool signalled = WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
  DWORD code = 0;
  if (!GetExitCodeProcess(handle, &code)) return std::nullopt;
  return ExitState{signalled || code != kStillActive, static_cast<int>(code)};
}

bool waitForExit(SystemHandle& process) {
  return WaitForSingleObject(kernelHandleOf(process), INFINITE) != WAIT_FAILED;
}

}  // namespace vd::platform
