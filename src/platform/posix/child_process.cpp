#include "platform/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <thread>
#include <vector>

#include "platform/crt_command_line.h"
#include "platform/posix/posix_handles.h"
#include "platform/posix/program_search.h"

extern char** environ;

namespace vd::platform {
namespace {

int exitCodeOf(int status) {
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WEXITSTATUS(status);
}

pid_t waitRetrying(pid_t pid, int* status, int options) {
  pid_t result;
  do {
    result = waitpid(pid, status, options);
  } while (result < 0 && errno == EINTR);
  return result;
}

// The file actions and attributes of one spawn, released however the spawn ends.
class SpawnSetup {
 public:
  SpawnSetup() {
    posix_spawn_file_actions_init(&actions_);
    posix_spawnattr_init(&attributes_);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attributes_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  // Whatever this thread blocks or the launcher ignores, the child starts with the defaults.
  void resetSignals() {
    sigset_t none, broken;
    sigemptyset(&none);
    sigemptyset(&broken);
    sigaddset(&broken, SIGPIPE);
    posix_spawnattr_setsigmask(&attributes_, &none);
    posix_spawnattr_setsigdefault(&attributes_, &broken);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  }
  void changeDirectory(const std::string& directory) {
    posix_spawn_file_actions_addchdir_np(&actions_, directory.c_str());
  }
  void redirect(int target, SystemHandle& pipeEnd) {
    posix_spawn_file_actions_adddup2(&actions_, descriptorOf(pipeEnd), target);
  }
  void silenceStandardStreams() {
    posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0);
  }
  int spawn(pid_t* pid, const std::string& program, const std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    return posix_spawn(pid, program.c_str(), &actions_, &attributes_, argv.data(), environ);
  }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

void configureStreams(SpawnSetup& setup, const ChildStart& start) {
  if (start.standardOutput && start.standardError) {
    setup.redirect(1, *start.standardOutput);
    setup.redirect(2, *start.standardError);
  } else if (start.creationFlags & kDetachedProcess) {
    // A detached Windows child has no console to write to; here that means no terminal.
    setup.silenceStandardStreams();
  }
}

}  // namespace

ProcessHandle::~ProcessHandle() {
  if (reaped_) return;
  int status;
  if (waitRetrying(pid_, &status, WNOHANG) != 0) return;
  try {
    std::thread([pid = pid_] {
      int ignored;
      waitRetrying(pid, &ignored, 0);
    }).detach();
  } catch (...) {
    // Without a thread the child stays a zombie until the launcher ends; nothing worse.
  }
}

bool startChild(const ChildStart& start, StartedChild& child) {
  std::vector<std::string> words = parseCrtCommandLine(start.commandLine);
  if (words.empty()) {
    errno = EINVAL;
    return false;
  }
  std::optional<std::string> program = findProgram(words[0]);
  if (!program) return false;
  SpawnSetup setup;
  setup.resetSignals();
  if (!start.workingDirectory.empty()) setup.changeDirectory(start.workingDirectory);
  configureStreams(setup, start);
  pid_t pid;
  int error = setup.spawn(&pid, *program, words);
  if (error != 0) {
    errno = error;
    return false;
  }
  child.process = ScopedHandle(std::make_unique<ProcessHandle>(pid));
  child.thread = ScopedHandle();
  return true;
}

std::optional<ExitState> pollExit(SystemHandle& handle) {
  ProcessHandle& process = processOf(handle);
  if (!process.reaped()) {
    int status;
    pid_t result = waitRetrying(process.pid(), &status, WNOHANG);
    if (result < 0) return std::nullopt;
    if (result == 0) return ExitState{};
    process.setReaped(status);
  }
  return ExitState{true, exitCodeOf(process.status())};
}

bool waitForExit(SystemHandle& handle) {
  ProcessHandle& process = processOf(handle);
  if (process.reaped()) return true;
  int status;
  if (waitRetrying(process.pid(), &status, 0) < 0) return false;
  process.setReaped(status);
  return true;
}

}  // namespace vd::platform
