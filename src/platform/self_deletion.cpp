#include "platform/self_deletion.h"

#include "launcher/log.h"
#include "launcher/process_state.h"
#include "platform/file_operations.h"
#include "platform/files.h"
#include "platform/os_family.h"
#include "platform/path.h"
#include "platform/path_queries.h"
#include "platform/self_removal.h"
#include "platform/temp_files.h"
#include "platform/wininit_rename_list.h"

namespace vd {
namespace {

// How often, one second apart, the batch file tries to remove an executable still running.
constexpr int kBatchAttempts = 60;

bool debugLogEnabled() { return processState().debugLog.enabled; }

// Inside double quotes cmd.exe still expands "%"; a literal one is written twice.
std::string quotedForBatch(const std::string& path) {
  std::string text = "\"";
  for (char c : path) {
    if (c == '%') text += '%';
    text += c;
  }
  return text + "\"";
}

// Unquoted echo text: the redirection and command characters are escaped with a caret.
std::string echoTextForBatch(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '%')
      escaped += '%';
    else if (c == '^' || c == '&' || c == '|' || c == '<' || c == '>')
      escaped += '^';
    escaped += c;
  }
  return escaped;
}

void removeDirectly(const std::string& file, const std::string& dir) {
  platform::removeFile(file);
  if (!dir.empty()) platform::removeDirectory(dir);
}

void removeThroughWinInit(const std::string& file, const std::string& dir) {
  if (debugLogEnabled()) writeDebug("Launcher: Writing to wininit.ini to cleanup", true);
  WinInitRenameList list(defaultWinInitPath());
  list.addDeletion(file);
  list.addDeletion(dir);
  list.write();
}

void removeThroughBatch(const std::string& file, const std::string& dir) {
  std::string tmp = createTempFileName();
  forgetTempFile(tmp);
  if (debugLogEnabled()) writeDebug("Launcher: Cleanup batch file called: " + tmp, true);
  platform::removeFile(tmp);
  std::string bat = batchFileNameFor(tmp);
  std::string debugLog = debugLogEnabled() ? processState().debugLog.path : std::string();
  std::string script = selfDeletionBatchScript(file, dir, bat, debugLog);
  {
    platform::UniqueFile out = platform::openFile(bat, "w");
    if (!out) return;
    std::fputs(script.c_str(), out.get());
  }
  platform::startDetachedBatch(bat);
}

}  // namespace

std::string selfDeletionBatchScript(const std::string& file, const std::string& dir,
                                    const std::string& batchFile, const std::string& debugLogPath) {
  const std::string log = debugLogPath.empty() ? std::string() : " >> " + quotedForBatch(debugLogPath);
  const std::string attempts = std::to_string(kBatchAttempts);
  std::string script = "@set /a LauncherTries=0\n:Repeat\n";
  if (!log.empty())
    script += "@echo Deleting " + echoTextForBatch(file) + " from within batch file." + log + "\n";
  script += "del " + quotedForBatch(file) + "\n";
  script += "if not exist " + quotedForBatch(file) + " goto Removed\n";
  script += "@set /a LauncherTries+=1\n";
  script += "@if %LauncherTries% geq " + attempts + " goto Removed\n";
  script += "@ping -n 2 127.0.0.1 >nul\n";
  script += "goto Repeat\n:Removed\n";
  if (!dir.empty()) script += "rmdir /q " + quotedForBatch(dir) + "\n";
  script += "del " + quotedForBatch(batchFile) + "\n";
  if (!log.empty())
    script += "@echo Deleted batch file " + echoTextForBatch(batchFile) + " from within batch file." +
              log + "\n";
  return script;
}

std::string batchFileNameFor(const std::string& tempName) {
  size_t nameStart = parentDirectory(tempName).size();
  size_t dot = tempName.rfind('.');
  if (dot == std::string::npos || dot < nameStart) return tempName + ".bat";
  return tempName.substr(0, dot) + ".bat";
}

void scheduleSelfDeletion() {
  const std::string file = processState().settings.launcherFile;
  const std::string dir = parentDirectory(file);
  if (platform::runningExecutableRemovable())
    removeDirectly(file, dir);
  else if (isWindows9x())
    removeThroughWinInit(file, dir);
  else
    removeThroughBatch(file, dir);
}

}  // namespace vd
