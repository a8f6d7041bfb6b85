#pragma once
// Starting a child process, anonymous pipes to read its output, and its exit code. Failures
// return false (or nullopt / kFailed) and leave the system's code in lastErrorCode().
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/scoped_handle.h"

namespace vd::platform {

// Creation flags, in the Windows values. The POSIX backend has no consoles: it reads
// kDetachedProcess on a run without pipes as "no terminal" and gives the child /dev/null for
// its standard streams; the other flags do not apply there.
inline constexpr uint32_t kDetachedProcess = 0x00000008;
inline constexpr uint32_t kCreateNewConsole = 0x00000010;
inline constexpr uint32_t kCreateNoWindow = 0x08000000;

// The exit code Windows reports for a process that is still running.
inline constexpr uint32_t kStillActive = 259;

struct Pipe {
  ScopedHandle readEnd;   // kept by the launcher, not inherited
  ScopedHandle writeEnd;  // handed to the child
};

// An anonymous pipe with the system's default buffer size.
bool createPipe(Pipe& pipe);

struct ChildStart {
  // On Windows the command line as the system takes it (no application name). On POSIX it is
  // split by the C runtime's rules (parseCrtCommandLine); the first word is the program,
  // searched on PATH when it holds no "/".
  std::string commandLine;
  std::string workingDirectory;  // empty: the launcher's current directory
  uint32_t creationFlags = 0;
  // Both set: the child writes its standard output and error to these pipe ends and reads the
  // launcher's standard input. Both null: no standard handles are given.
  SystemHandle* standardOutput = nullptr;
  SystemHandle* standardError = nullptr;
};

struct StartedChild {
  ScopedHandle process;
  ScopedHandle thread;  // empty on POSIX
};

// Starts the child with the launcher's environment. Closing `process` before the child has
// been waited for leaves it running on its own.
bool startChild(const ChildStart& start, StartedChild& child);

struct ExitState {
  bool ended = false;
  // Valid when ended. A POSIX child killed by a signal reports 128 + the signal number, as a
  // shell does.
  int code = static_cast<int>(kStillActive);
};

// Whether the process has ended and its exit code, without blocking. A child that ended with
// the code 259 is reported as ended.
std::optional<ExitState> pollExit(SystemHandle& process);
// Blocks until the process has ended.
bool waitForExit(SystemHandle& process);

enum class PipeStatus { kOk, kBroken, kFailed };

struct PipeResult {
  PipeStatus status = PipeStatus::kOk;
  size_t bytes = 0;
};

// How many bytes wait in the pipe, without removing them. kBroken: the writer has gone and
// nothing is left.
PipeResult bytesWaiting(SystemHandle& readEnd);
// Reads at most `size` bytes; call it only when bytesWaiting found some, so it never blocks.
PipeResult readPipe(SystemHandle& readEnd, char* buffer, size_t size);

}  // namespace vd::platform
