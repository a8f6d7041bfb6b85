#include "platform/self_removal.h"

#include <windows.h>

#include <vector>

namespace vd::platform {

bool runningExecutableRemovable() { return false; }

std::string windowsDirectory() {
  UINT needed = GetWindowsDirectoryA(nullptr, 0);
  if (needed == 0) return std::string();
  std::vector<char> buffer(needed + 1, '\0');
  UINT length = GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
  if (length == 0 || length >= buffer.size()) return std::string();
  return std::string(buffer.data(), length);
}

bool startDetachedBatch(const std::string& batchFile) {
  std::string commandLine = "\"" + batchFile + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_SUSPENDED | CREATE_NEW_CONSOLE | IDLE_PRIORITY_CLASS, nullptr, "\\",
                      &startup, &process))
    return false;
  SetThreadPriority(process.hThread, THREAD_PRIORITY_IDLE);
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
  SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
  CloseHandle(process.hProcess);
  ResumeThread(process.hThread);
  CloseHandle(process.hThread);
  return true;
}

}  // namespace vd::platform
