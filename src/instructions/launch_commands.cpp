// LAUNCH and ILAUNCH: the launch script's command for a jvm file, run and waited for.
#include <memory>

#include "instructions/jvm_command_bodies.h"
#include "jvm/jvm_descriptor.h"
#include "launch/launch_script.h"
#include "launcher/log.h"
#include "launcher/process_state.h"
#include "ui/status.h"

namespace vd {
namespace {

int32_t launchWith(LaunchScript& script, const JvmDescriptor& jvm, int16_t seconds) {
  if (seconds > 0) {
    showStatus(kStatusRunning);
    showSubStatus(kSubStatusNone, std::string());
  }
  hideWindowAfter(seconds);
  const LauncherSettings& settings = processState().settings;
  int32_t result = script.execute(jvm, settings.applicationArgs, settings.javaConsole);
  LaunchOutput& output = processState().lastLaunch;
  output.standardOutput = script.stdOut();
  output.standardError = script.stdErr();
  return result;
}

}  // namespace

LaunchScript* launcherLaunchScript() {
  LauncherArchive& archive = processState().archive;
  if (!archive.launchScript && archive.launchScriptFile)
    archive.launchScript = std::make_unique<LaunchScript>(*archive.launchScriptFile);
  return archive.launchScript.get();
}

int32_t doLaunch(const std::string& jvmFilePath, int16_t seconds) {
  LaunchScript* script = launcherLaunchScript();
  if (!script) return -1;
  JvmDescriptor jvm{TagFile(jvmFilePath)};
  return launchWith(*script, jvm, seconds);
}

int32_t doILaunch(int32_t jvmFileId, int16_t seconds) {
  LaunchScript* script = launcherLaunchScript();
  const FileIndexEntry* entry = processState().archive.entryById(jvmFileId);
  if (!script || !entry || entry->type != JvmFile || !entry->content) {
    writeLog("Unable to launch the internal launch script with the internal JVM file. Either the "
             "launch script or the JVM file is missing from the launcher.",
             kLogError);
    return -1;
  }
  JvmDescriptor jvm{TagFile(*entry->content)};
  return launchWith(*script, jvm, seconds);
}

}  // namespace vd
