#include "launch/run_command.h"

#include <array>
#include <cstring>

#include "launch/captured_stream.h"
#include "launcher/exceptions.h"
#include "launcher/text.h"
#include "platform/child_process.h"
#include "platform/sleep.h"
#include "ui/status.h"

namespace vd {
namespace {

using platform::PipeStatus;

constexpr unsigned kPollPauseMs = 100;
constexpr unsigned kFinalPauseMs = 500;
constexpr size_t kReadBlock = 4096;

[[noreturn]] void fail(const std::string& prefix) {
  throw LauncherException(prefix + lastErrorText());
}

uint32_t creationFlags(bool showConsole, bool newConsole) {
  uint32_t flags = showConsole ? 0 : platform::kCreateNoWindow | platform::kDetachedProcess;
  if (newConsole) flags |= platform::kCreateNewConsole;
  return flags;
}

platform::ExitState exitStateOf(platform::SystemHandle& process) {
  std::optional<platform::ExitState> state = platform::pollExit(process);
  if (!state) fail("CreateProcess unable to get exit code for process ==> ");
  return *state;
}

// Reads what is waiting in the pipe, at most one block; never blocks. Returns the bytes read.
size_t drainPipe(platform::SystemHandle& readEnd, CapturedStream& stream) {
  platform::PipeResult waiting = platform::bytesWaiting(readEnd);
  if (waiting.status == PipeStatus::kBroken) return 0;
  if (waiting.status == PipeStatus::kFailed) fail("PeekNamedPipe failed  ==>  ");
  if (waiting.bytes == 0) return 0;
  std::array<char, kReadBlock + 2> buffer{};
  platform::PipeResult read = platform::readPipe(readEnd, buffer.data(), kReadBlock);
  if (read.status == PipeStatus::kFailed) fail("ReadFile failed  ==>  ");
  stepProgress(1);
  if (read.status == PipeStatus::kBroken) return 0;
  // The sinks hold text: a chunk ends at its first NUL byte.
  stream.append(std::string_view(buffer.data(), strnlen(buffer.data(), read.bytes)));
  return read.bytes;
}

platform::StartedChild startChild(const platform::ChildStart& start) {
  platform::StartedChild child;
  if (!platform::startChild(start, child)) fail("CreateProcess failed  ==>  ");
  return child;
}

int plainRun(const std::string& commandLine, const std::string& workingDirectory,
             uint32_t flags, bool wait) {
  platform::StartedChild child = startChild({commandLine, workingDirectory, flags});
  if (!wait) return 0;
  if (!platform::waitForExit(*child.process.get()))
    fail("CreateProcess unable to wait for completion ==> ");
  return exitStateOf(*child.process.get()).code;
}

platform::Pipe createPipe() {
  platform::Pipe pipe;
  if (!platform::createPipe(pipe)) fail("");
  return pipe;
}

int capturedRun(const std::string& commandLine, const std::string& workingDirectory,
                uint32_t flags, std::string* stdOutSink, std::string* stdErrSink) {
  platform::Pipe out = createPipe();
  platform::Pipe err = createPipe();
  platform::StartedChild child = startChild(
      {commandLine, workingDirectory, flags, out.writeEnd.get(), err.writeEnd.get()});
  // Only the child may hold the write ends now, so that its exit breaks the pipes.
  out.writeEnd.close();
  err.writeEnd.close();

  CapturedStream outStream(stdOutSink, "standard output");
  CapturedStream errStream(stdErrSink, "standard error");
  platform::ExitState exit;
  size_t outRead = 0;
  size_t errRead = 0;
  // The exit code is polled only after a pass that read nothing, so a busy child is read
  // at full speed; once it has ended the pipes are drained until a pass finds them empty.
  // Without a sink the stream is still drained (and dropped), or a talkative child would
  // fill the pipe and never end.
  do {
    if (!exit.ended && outRead == 0 && errRead == 0) {
      exit = exitStateOf(*child.process.get());
      platform::sleepMilliseconds(kPollPauseMs);
    }
    outRead = drainPipe(*out.readEnd.get(), outStream);
    errRead = drainPipe(*err.readEnd.get(), errStream);
  } while (!exit.ended || outRead != 0 || errRead != 0);

  child.process.close();
  child.thread.close();
  platform::sleepMilliseconds(kFinalPauseMs);
  out.readEnd.close();
  err.readEnd.close();
  outStream.finish();
  errStream.finish();
  return exit.code;
}

}  // namespace

int runCommand(const std::string& commandLine, const std::string& workingDirectory,
               bool showConsole, bool captureOutput, bool wait, std::string* stdOutSink,
               std::string* stdErrSink, bool newConsole) {
  uint32_t flags = creationFlags(showConsole, newConsole);
  if (!captureOutput) return plainRun(commandLine, workingDirectory, flags, wait);
  return capturedRun(commandLine, workingDirectory, flags, stdOutSink, stdErrSink);
}

}  // namespace vd
