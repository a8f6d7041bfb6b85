#pragma once
// The launcher's process-wide state, in one place. Everything here lives until the process
// ends; the worker thread owns it except for the two values the window thread also touches
// (the cancel request and the exit code), which are atomic.
#include <atomic>
#include <memory>
#include <string>

#include "archive/launcher_archive.h"
#include "instructions/jvm_commands.h"
#include "instructions/variables.h"
#include "launcher/settings.h"
#include "platform/temp_state.h"
#include "ui/status_state.h"

namespace vd {

struct LogState {
  bool separatorWritten = false;
};

struct DebugLogState {
  std::string path;
  bool enabled = false;
};

// The standard output and error captured from the last LAUNCH or ILAUNCH.
struct LaunchOutput {
  std::string standardOutput;
  std::string standardError;
};

struct ProcessState {
  LauncherSettings settings;
  LogState log;
  DebugLogState debugLog;
  LauncherArchive archive;
  InstructionVariables variables;
  std::unique_ptr<JvmCommands> jvmCommands;  // see jvmCommands()
  StatusState status;
  TempFileState tempFiles;
  LaunchOutput lastLaunch;
  std::string applicationArchivePath;  // found once by APPLICATION_ARCHIVE
  bool windows9x = false;
  std::atomic<bool> cancelRequested{false};
  std::atomic<int> exitCode{0};
};

ProcessState& processState();

// Tests start each case from a fresh state.
void resetProcessState();

}  // namespace vd
